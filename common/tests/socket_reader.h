// Reads the sockets back out of a drawn panel, the way a user reads them: a socket row is a line
// piece "NN | hl<body 11>lh | MM" (pin numbers, holes, leads). Rows found in the same column
// make one socket. The diagram tests check placements on what this finds, not on the drawing
// code's own numbers.
#pragma once

#include <cctype>
#include <map>
#include <string>
#include <vector>

namespace common::testing {

struct Socket_Row {
  int line = 0;  // index of the text line
  int left_pin = 0;
  int right_pin = 0;
  char left_hole = 0;
  char left_lead = 0;
  std::string body;  // between the leads
  char right_lead = 0;
  char right_hole = 0;

  bool Used() const { return left_lead == '=' && right_lead == '='; }
};

struct Drawn_Socket {
  int column = 0;                // where the left pin numbers start
  std::vector<Socket_Row> rows;  // top to bottom

  int Rows() const { return static_cast<int>(rows.size()); }
  const Socket_Row& Row(int row) const { return rows.at(row - 1); }
  // The rows a part or adapter plugs into, first to last (0, 0 for none).
  std::pair<int, int> Used_Span() const {
    int first = 0, last = 0;
    for (int r = 1; r <= Rows(); ++r) {
      if (Row(r).Used()) {
        if (first == 0) first = r;
        last = r;
      }
    }
    return {first, last};
  }
  int Used_Count() const {
    int n = 0;
    for (const Socket_Row& row : rows) n += row.Used() ? 1 : 0;
    return n;
  }
};

// The socket row whose left pin number starts at `at`, if the line holds one there.
inline bool Read_Row(const std::string& line, size_t at, Socket_Row& row) {
  constexpr size_t kWidth = 25;
  if (at + kWidth > line.size()) return false;
  auto digit = [&](size_t i) { return std::isdigit(static_cast<unsigned char>(line[at + i])); };
  if (!(line[at] == ' ' || digit(0)) || !digit(1) || !digit(23) || !digit(24)) return false;
  if (line.compare(at + 2, 3, " | ") != 0 || line.compare(at + 20, 3, " | ") != 0) return false;
  if (at > 0 && std::isdigit(static_cast<unsigned char>(line[at - 1]))) return false;
  if (at + kWidth < line.size() && std::isdigit(static_cast<unsigned char>(line[at + kWidth]))) {
    return false;
  }
  row.left_pin = std::stoi(line.substr(at, 2));
  row.left_hole = line[at + 5];
  row.left_lead = line[at + 6];
  row.body = line.substr(at + 7, 11);
  row.right_lead = line[at + 18];
  row.right_hole = line[at + 19];
  row.right_pin = std::stoi(line.substr(at + 23, 2));
  return true;
}

inline std::vector<Drawn_Socket> Read_Sockets(const std::vector<std::string>& lines) {
  std::map<int, Drawn_Socket> by_column;
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    for (size_t at = 0; at < lines[i].size(); ++at) {
      Socket_Row row;
      if (!Read_Row(lines[i], at, row)) continue;
      row.line = i;
      Drawn_Socket& socket = by_column[static_cast<int>(at)];
      socket.column = static_cast<int>(at);
      socket.rows.push_back(row);
    }
  }
  std::vector<Drawn_Socket> sockets;
  for (auto& [column, socket] : by_column) sockets.push_back(std::move(socket));
  return sockets;
}

// The one socket of `rows` rows on the panel; fails the test when there is not exactly one.
inline const Drawn_Socket* Find_Socket(const std::vector<Drawn_Socket>& sockets, int rows) {
  const Drawn_Socket* found = nullptr;
  for (const Drawn_Socket& s : sockets) {
    if (s.Rows() != rows) continue;
    if (found) return nullptr;
    found = &s;
  }
  return found;
}

const Drawn_Socket* Find_Socket(std::vector<Drawn_Socket>&& sockets, int rows) = delete;

// The position of the ground jumper as drawn: the header's pin numbers "1  2  3" stand under
// its pins, and the jumper "[o==o]" bridges two of them. 0 when no header is found or the
// jumper bridges neither pair.
inline int Drawn_Jumper(const std::vector<std::string>& lines) {
  for (size_t i = 1; i < lines.size(); ++i) {
    const size_t one = lines[i].find("1  2  3");
    if (one == std::string::npos) continue;
    const std::string& above = lines[i - 1];
    auto at = [&](size_t col) { return col < above.size() ? above[col] : ' '; };
    const size_t two = one + 3, three = one + 6;
    const bool pin_12 = at(one - 1) == '[' && at(one) == 'o' && at(two) == 'o' &&
                        at(two + 1) == ']' && at(three) == 'o';
    const bool pin_23 = at(one) == 'o' && at(two - 1) == '[' && at(two) == 'o' &&
                        at(three) == 'o' && at(three + 1) == ']';
    if (pin_12 != pin_23) return pin_12 ? 1 : 2;
  }
  return 0;
}

}  // namespace common::testing
