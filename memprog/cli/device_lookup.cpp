#include "memprog/cli/device_lookup.h"

#include <algorithm>
#include <cctype>

#include "common/hex.h"
#include "memprog/catalogue/catalogue.h"
#include "memprog/catalogue/device_list.h"

namespace memprog::cli {

namespace {

constexpr size_t kMax_Candidates = 20;

char Lower(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool Equal_Ignoring_Case(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return Lower(x) == Lower(y); });
}

// The part name of a device line: its first word.
std::string_view Part_Name(std::string_view line) {
  size_t end = line.find(' ');
  return line.substr(0, end);
}

bool All_Digits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

template <typename Test>
std::vector<int> Codes_Where(Test&& test) {
  std::vector<int> codes;
  for (const Catalogue_Entry& e : All_Entries())
    if (test(e) && std::find(codes.begin(), codes.end(), e.code) == codes.end())
      codes.push_back(e.code);
  return codes;
}

// Whether any device list line of the entry satisfies `test`.
template <typename Test>
bool Any_Line(int code, Test&& test) {
  for (const std::string& line : Device_List_Lines())
    if (Code_Of_Line(line) == code && test(line)) return true;
  return false;
}

std::vector<std::string> Candidate_Lines(const std::vector<int>& codes) {
  std::vector<std::string> lines;
  for (int code : codes) {
    if (lines.size() == kMax_Candidates) {
      lines.push_back("... and " + std::to_string(codes.size() - kMax_Candidates) +
                      " more (kv9 list TEXT shows them all)");
      break;
    }
    int at = Find_Line_With_Code(code);
    lines.push_back(at >= 0 ? Device_List_Lines()[at]
                            : std::string(Find_Entry(code)->caption) + "  " + std::to_string(code));
  }
  return lines;
}

}  // namespace

bool Holds_Ignoring_Case(std::string_view text, std::string_view part) {
  return std::search(text.begin(), text.end(), part.begin(), part.end(),
                     [](char x, char y) { return Lower(x) == Lower(y); }) != text.end();
}

Device_Match Find_Device(std::string_view name) {
  std::optional<int64_t> number;
  if (All_Digits(name)) number = common::Parse_Decimal(name);
  std::vector<int> codes = Codes_Where([&](const Catalogue_Entry& e) {
    return (number && e.code == *number) || Equal_Ignoring_Case(e.caption, name);
  });
  if (codes.empty())
    codes = Codes_Where([&](const Catalogue_Entry& e) {
      return Any_Line(e.code,
                      [&](std::string_view l) { return Equal_Ignoring_Case(Part_Name(l), name); });
    });
  Device_Match m;
  if (codes.size() == 1) {
    m.code = codes.front();
    return m;
  }
  std::string quoted = "'" + std::string(name) + "'";
  if (!codes.empty()) {
    m.problem = quoted + " names several devices; give the code of one of them:";
  } else {
    codes = Codes_Where([&](const Catalogue_Entry& e) {
      return !name.empty() &&
             (Holds_Ignoring_Case(e.caption, name) || Any_Line(e.code, [&](std::string_view l) {
                return Holds_Ignoring_Case(l.substr(0, 40), name);
              }));
    });
    m.problem =
        "no device " + quoted +
        (codes.empty() ? " (kv9 list shows the devices)" : "; devices whose names hold it:");
  }
  m.candidates = Candidate_Lines(codes);
  return m;
}

}  // namespace memprog::cli
