#include "proglink/console/device_lookup.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <ostream>

#include "common/hex.h"

namespace proglink::console {

namespace {

constexpr size_t kMax_Candidates = 20;

char Lower(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// The part name of a device line: its first word.
std::string_view Part_Name(std::string_view line) {
  size_t end = line.find(' ');
  return line.substr(0, end);
}

bool All_Digits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

class Lookup {
 public:
  explicit Lookup(const Catalogue_View& v) : v_(v) {}

  template <typename Test>
  std::vector<int> Codes_Where(Test&& test) const {
    std::vector<int> codes;
    for (const Catalogue_Name& e : v_.entries)
      if (test(e) && std::find(codes.begin(), codes.end(), e.code) == codes.end())
        codes.push_back(e.code);
    return codes;
  }

  // Whether any device list line of the entry satisfies `test`.
  template <typename Test>
  bool Any_Line(int code, Test&& test) const {
    for (std::string_view line : v_.lines)
      if (v_.code_of_line(line) == code && test(line)) return true;
    return false;
  }

  std::vector<std::string> Candidate_Lines(const std::vector<int>& codes) const {
    std::vector<std::string> lines;
    for (int code : codes) {
      if (lines.size() == kMax_Candidates) {
        lines.push_back("... and " + std::to_string(codes.size() - kMax_Candidates) + " more (" +
                        v_.program + " list TEXT shows them all)");
        break;
      }
      if (auto line = Line_Of(code))
        lines.emplace_back(*line);
      else
        lines.push_back(std::string(Caption_Of(code)) + "  " + std::to_string(code));
    }
    return lines;
  }

 private:
  std::optional<std::string_view> Line_Of(int code) const {
    for (std::string_view line : v_.lines)
      if (v_.code_of_line(line) == code) return line;
    return std::nullopt;
  }
  std::string_view Caption_Of(int code) const {
    for (const Catalogue_Name& e : v_.entries)
      if (e.code == code) return e.caption;
    return {};
  }

  const Catalogue_View& v_;
};

}  // namespace

bool Equal_Ignoring_Case(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return Lower(x) == Lower(y); });
}

bool Holds_Ignoring_Case(std::string_view text, std::string_view part) {
  return std::search(text.begin(), text.end(), part.begin(), part.end(),
                     [](char x, char y) { return Lower(x) == Lower(y); }) != text.end();
}

Device_Match Find_Device(std::string_view name, const Catalogue_View& view) {
  const Lookup lookup(view);
  std::optional<int64_t> number;
  if (All_Digits(name)) number = common::Parse_Decimal(name);
  std::vector<int> codes = lookup.Codes_Where([&](const Catalogue_Name& e) {
    return (number && e.code == *number) || Equal_Ignoring_Case(e.caption, name);
  });
  if (codes.empty())
    codes = lookup.Codes_Where([&](const Catalogue_Name& e) {
      return lookup.Any_Line(
          e.code, [&](std::string_view l) { return Equal_Ignoring_Case(Part_Name(l), name); });
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
    codes = lookup.Codes_Where([&](const Catalogue_Name& e) {
      return !name.empty() && (Holds_Ignoring_Case(e.caption, name) ||
                               lookup.Any_Line(e.code, [&](std::string_view l) {
                                 return Holds_Ignoring_Case(l.substr(0, 40), name);
                               }));
    });
    m.problem = "no device " + quoted +
                (codes.empty() ? std::string(" (") + view.program + " list shows the devices)"
                               : "; devices whose names hold it:");
  }
  m.candidates = lookup.Candidate_Lines(codes);
  return m;
}

void Print_Device_List(std::ostream& out, std::ostream& err, const Catalogue_View& view,
                       std::optional<std::string_view> text) {
  if (!text) {
    for (std::string_view line : view.lines) out << line << '\n';
    return;
  }
  bool any = false;
  for (std::string_view line : view.lines) {
    if (view.code_of_line(line) == 0 || !Holds_Ignoring_Case(line, *text)) continue;
    out << line << '\n';
    any = true;
  }
  if (!any) err << view.program << ": no device line holds '" << *text << "'\n";
}

}  // namespace proglink::console
