// Reads the sockets back out of a drawn panel, the way a user reads them: a socket row is a line
// piece "NN | h l <body> l h | MM" (pin numbers, holes, leads). Rows found in the same column
// make one socket. The diagram tests check placements on what this finds, not on the drawing
// code's own numbers.
#pragma once

#include <map>
#include <regex>
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

inline std::vector<Drawn_Socket> Read_Sockets(const std::vector<std::string>& lines) {
  static const std::regex kRow(R"(([ \d]\d) \| (.)(.)(.{11})(.)(.) \| (\d\d))");
  std::map<int, Drawn_Socket> by_column;
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    const std::string& line = lines[i];
    for (auto it = std::sregex_iterator(line.begin(), line.end(), kRow);
         it != std::sregex_iterator(); ++it) {
      const std::smatch& m = *it;
      Socket_Row row{.line = i,
                     .left_pin = std::stoi(m[1].str()),
                     .right_pin = std::stoi(m[7].str()),
                     .left_hole = m[2].str()[0],
                     .left_lead = m[3].str()[0],
                     .body = m[4].str(),
                     .right_lead = m[5].str()[0],
                     .right_hole = m[6].str()[0]};
      Drawn_Socket& socket = by_column[static_cast<int>(m.position(0))];
      socket.column = static_cast<int>(m.position(0));
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
