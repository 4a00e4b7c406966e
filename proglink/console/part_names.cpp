#include "proglink/console/part_names.h"

#include <algorithm>
#include <cctype>

namespace proglink::console {

namespace {

bool Is_Digit(char c) {
  return c >= '0' && c <= '9';
}

struct Maker_Prefix {
  std::string_view prefix;
  std::string_view maker;  // as the device list names it; "" for none
};
// Longer prefixes before the shorter ones they start with.
constexpr Maker_Prefix kMaker_Prefixes[] = {
    {"PIC", ""},        {"SST", "SST"},     {"AT", "ATMEL"},   {"AM", "AMD"},  {"MX", "MXIC"},
    {"CY", "CYPRESS"},  {"MBM", "FUJITSU"}, {"MB", "FUJITSU"}, {"M", "ST"},    {"ST", "ST"},
    {"W", "WINBOND"},   {"X", "XICOR"},     {"DS", "DALLAS"},  {"UPD", "NEC"}, {"NMC", "NATIONAL"},
    {"NM", "NATIONAL"}, {"TMS", ""},        {"TC", ""},        {"HN", ""},     {"KM", ""},
    {"HY", ""},         {"CAT", ""},        {"D", ""},         {"P", ""},      {"N", ""}};

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    size_t end = text.find(' ', i);
    if (end == std::string_view::npos) end = text.size();
    if (end > i) words.emplace_back(text.substr(i, end - i));
    i = end;
  }
  return words;
}

// Every spelling with each "(X)" part left out or kept.
std::vector<std::string> Optional_Parts(const std::string& name) {
  const size_t open = name.find('(');
  const size_t close = open == std::string::npos ? open : name.find(')', open);
  if (close == std::string::npos) return {name};
  std::vector<std::string> forms;
  for (const std::string& rest : Optional_Parts(name.substr(close + 1))) {
    forms.push_back(name.substr(0, open) + rest);
    forms.push_back(name.substr(0, open) + name.substr(open + 1, close - open - 1) + rest);
  }
  return forms;
}

// An alternative that is a whole name, not a new ending for the first one ("24C02" beside
// "2402", "RP5H01" beside "RF"; not "18" beside "M48T08" or "2A" beside "CY7C291").
bool Whole_Name(const std::string& alt, const std::string& base) {
  return alt.size() >= 4 && alt.size() + 1 >= base.size();
}

// The first name with the ending `alt` gives it: its digits take the place of as many of the
// first name's last digits, its letters that of the first name's last letters.
std::string With_Ending(const std::string& base, const std::string& alt) {
  size_t digits_end = base.size();
  while (digits_end > 0 && std::isalpha(static_cast<unsigned char>(base[digits_end - 1])))
    --digits_end;
  size_t alt_digits = 0;
  while (alt_digits < alt.size() && Is_Digit(alt[alt_digits])) ++alt_digits;
  size_t digits_start = digits_end;
  while (digits_start > 0 && Is_Digit(base[digits_start - 1])) --digits_start;
  if (alt_digits > digits_end - digits_start) return {};
  return base.substr(0, digits_end - alt_digits) + alt;
}

}  // namespace

std::string Upper(std::string_view text) {
  std::string s(text);
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::string Name_Column(std::string_view text) {
  const std::vector<std::string> words = Words(text);
  std::string name;
  for (const std::string& w : words) {
    if (!name.empty() && name.back() != '/' && w.front() != '/') break;
    name += w;
  }
  return name;
}

std::vector<std::string> Name_Forms(std::string_view column) {
  const std::string upper = Upper(column);
  std::vector<std::string> forms = {upper};
  const auto add = [&](std::string form) {
    if (!form.empty() && std::find(forms.begin(), forms.end(), form) == forms.end())
      forms.push_back(std::move(form));
  };
  for (const std::string& spelled : Optional_Parts(upper)) {
    std::vector<std::string> alts;
    size_t from = 0;
    for (size_t slash; (slash = spelled.find('/', from)) != std::string::npos; from = slash + 1)
      alts.push_back(spelled.substr(from, slash - from));
    alts.push_back(spelled.substr(from));
    const std::string& base = alts.front();
    add(base);
    for (size_t i = 1; i < alts.size(); ++i)
      add(Whole_Name(alts[i], base) ? alts[i] : With_Ending(base, alts[i]));
  }
  return forms;
}

Maker_Split Split_Maker(const std::string& name) {
  for (const Maker_Prefix& p : kMaker_Prefixes)
    if (name.size() > p.prefix.size() && name.starts_with(p.prefix) &&
        Is_Digit(name[p.prefix.size()]))
      return {name.substr(p.prefix.size()), p.maker, true};
  return {name, {}, false};
}

std::string Maker_Column(std::string_view line) {
  const std::vector<std::string> words = Words(line.substr(0, std::min<size_t>(line.size(), 40)));
  const std::string name = Name_Column(line);
  size_t used = 0, i = 0;
  while (i < words.size() && used < name.size()) used += words[i++].size();
  if (i >= words.size()) return "";
  const std::string& w = words[i];
  const bool word = std::all_of(w.begin(), w.end(),
                                [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
  return word ? Upper(w) : "";
}

}  // namespace proglink::console
