// What a buffer file plainly is by its first bytes, and the format a front end loads its input
// file as: the one -f names; else the one its name says, unless the content is plainly another
// (a binary file named .hex would fail on some line in the middle, or a hex file named .bin be
// programmed as text); for standard input without -f, the one its content shows.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "proglink/console/command_line.h"

namespace proglink::console {

enum class Content_Format { Unknown, Binary, Intel, Motorola, Tektronix, Ascii_Hex };

// The bytes a file is judged by.
inline constexpr size_t kContent_Head = 4096;

// What `head`, the first bytes of a file, plainly is: binary when it holds a NUL or much that is
// not text; a record format when every line holds only records of it; Unknown otherwise (an
// empty file, text with other lines). `whole`: `head` is all of the file, so its last line is
// complete.
Content_Format Looks_Like(std::string_view head, bool whole);

// Where the format of an input file came from.
enum class Format_Origin {
  Option,     // -f: the file is loaded as that, whatever it holds
  Extension,  // its name: refused when its content is plainly another format
  Content,    // standard input without -f: what it plainly is
};

// One format a front end reads, as content shows it.
struct Content_Row {
  Content_Format content;
  int format;          // the front end's own value
  const char* option;  // what -f calls it: "bin"
  const char* name;    // how messages name it: "Intel Hex"
};

// The format to load `path` as (`named`: by -f or the extension); a usage problem when its
// content is plainly another format than its name says, or standard input is plainly no format
// of `rows`. A file that cannot be read is left to the load to report.
std::variant<int, Usage_Problem> Settle_Input_Format(const std::string& path, int named,
                                                     Format_Origin origin,
                                                     std::span<const Content_Row> rows,
                                                     const char* program);

}  // namespace proglink::console
