#include "proglink/console/content_format.h"

#include <algorithm>
#include <cstdint>

#include "common/input_file.h"

namespace proglink::console {

namespace {

bool Is_Hex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool Is_Text(unsigned char c) {
  return (c >= 0x20 && c < 0x7F) || c == '\t' || c == '\n' || c == '\r' || c == '\f' ||
         c == 0x1A;  // the end-of-file mark of old editors
}

bool All_Hex(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), Is_Hex);
}

// The record format of one line, blanks at its end aside; Unknown for anything else.
Content_Format Line_Kind(std::string_view line) {
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
  if (line.size() >= 11 && line[0] == ':' && All_Hex(line.substr(1))) return Content_Format::Intel;
  if (line.size() >= 4 && line[0] == 'S' && All_Hex(line.substr(1)))
    return Content_Format::Motorola;
  if (line.size() >= 9 && (line[0] == '/' || line[0] == '%') && All_Hex(line.substr(1)))
    return Content_Format::Tektronix;
  if (line.size() % 2 == 0 && All_Hex(line)) return Content_Format::Ascii_Hex;
  return Content_Format::Unknown;
}

const char* Content_Name(Content_Format f) {
  switch (f) {
    case Content_Format::Binary:
      return "a binary file";
    case Content_Format::Intel:
      return "Intel hex";
    case Content_Format::Motorola:
      return "Motorola S-records";
    case Content_Format::Tektronix:
      return "Tektronix hex";
    case Content_Format::Ascii_Hex:
      return "ASCII hex";
    case Content_Format::Unknown:
      break;
  }
  return "no format";
}

std::string Quoted(const std::string& path) {
  return common::Is_Standard_Stream(path) ? "standard input" : "'" + path + "'";
}

}  // namespace

Content_Format Looks_Like(std::string_view head, bool whole) {
  if (head.empty()) return Content_Format::Unknown;
  size_t not_text = 0;
  for (unsigned char c : head) {
    if (c == 0) return Content_Format::Binary;
    not_text += !Is_Text(c);
  }
  // Text has few such bytes (an accented letter in a comment), a binary image a good share.
  if (not_text * 16 > head.size()) return Content_Format::Binary;
  Content_Format seen = Content_Format::Unknown;
  size_t start = 0;
  while (start < head.size()) {
    size_t end = head.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      if (!whole) break;  // cut where the head ends
      end = head.size();
    }
    std::string_view line = head.substr(start, end - start);
    start = end + 1;
    if (line.find_first_not_of(" \t\f\x1A") == std::string_view::npos) continue;
    Content_Format kind = Line_Kind(line);
    if (kind == Content_Format::Unknown || (seen != Content_Format::Unknown && kind != seen))
      return Content_Format::Unknown;
    seen = kind;
  }
  return seen;
}

std::variant<int, Usage_Problem> Settle_Input_Format(const std::string& path, int named,
                                                     Format_Origin origin,
                                                     std::span<const Content_Row> rows,
                                                     const char* program) {
  if (origin == Format_Origin::Option) return named;
  common::Input_File file(path, UINT64_MAX);
  if (!file.Ok()) return named;
  const std::string head = file.Peek(kContent_Head + 1);
  const bool whole = head.size() <= kContent_Head;
  const Content_Format content = Looks_Like(std::string_view(head).substr(0, kContent_Head), whole);
  auto row = std::find_if(rows.begin(), rows.end(),
                          [&](const Content_Row& r) { return r.content == content; });
  auto named_row = std::find_if(rows.begin(), rows.end(),
                                [&](const Content_Row& r) { return r.format == named; });
  const std::string what = Quoted(path) + " looks like " + Content_Name(content);
  if (origin == Format_Origin::Content) {
    if (content == Content_Format::Unknown)
      return Usage_Problem{
          "the format of standard input is not plain from its first lines: give -f", {}};
    if (row == rows.end()) return Usage_Problem{what + ", which " + program + " does not read", {}};
    return row->format;
  }
  if (content == Content_Format::Unknown || named_row == rows.end() ||
      named_row->content == content)
    return named;
  std::string problem = what + ", not the " + named_row->name + " its name says";
  if (row == rows.end())
    return Usage_Problem{problem + ", and " + program + " does not read it", {}};
  return Usage_Problem{problem + ": give -f " + row->option + " to load it as " + row->name +
                           " (-f " + named_row->option + " loads it as " + named_row->name +
                           " all the same)",
                       {}};
}

}  // namespace proglink::console
