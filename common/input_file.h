// Opening and reading every file the programs read. A file is opened without waiting (a FIFO
// must not hang the program) and without becoming a controlling terminal, and is read only when
// it is a regular file: a device, a FIFO or a folder is refused with a message, as is a file
// longer than its kind allows, so that no file can make a program wait forever or fill memory.
//
// The one exception is the name "-", standard input, which the user hands over on purpose: it is
// read as the stream it is, up to the limit of its kind (beyond it, it is refused or cut as a file
// would be). What a Peek took from it is kept for the next reader of it in the process.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace common {

// The file name that stands for standard input when read and standard output when saved.
inline constexpr std::string_view kStandard_Stream = "-";
inline bool Is_Standard_Stream(std::string_view path) {
  return path == kStandard_Stream;
}

// What to do with a file longer than its limit.
enum class Over_Limit {
  Refuse,  // it is not a file of its kind
  Cut,     // only its first `limit` bytes count
};

class Input_File {
 public:
  Input_File(const std::string& path, uint64_t limit, Over_Limit over = Over_Limit::Refuse);
  ~Input_File();
  Input_File(const Input_File&) = delete;
  Input_File& operator=(const Input_File&) = delete;

  bool Ok() const { return error_.empty(); }
  // There is no file of that name (Error says so too).
  bool Missing() const { return missing_; }
  // Why the file cannot be read, naming it; "" while all is well.
  const std::string& Error() const { return error_; }
  // The file's size when it was opened; 0 for standard input, whose size is not known.
  uint64_t Size() const { return size_; }

  // Up to `max` bytes into `dst`: how many, 0 at the end (or at the limit of a cut file), -1
  // when reading failed (Error says why).
  ptrdiff_t Read(void* dst, size_t max);
  // Passes over what is left without reading it (standard input: reads it, up to the limit);
  // how many bytes that was.
  uint64_t Skip_Rest();
  // The first `max` bytes (fewer when the file is shorter), without taking them from what Read
  // gives; "" when reading failed.
  std::string Peek(size_t max);

 private:
  ptrdiff_t Read_Stream(char* dst, size_t max);
  // One read of the descriptor, waiting for standard input when it has nothing yet.
  ptrdiff_t Read_Some(char* dst, size_t max);

  std::string path_, error_;
  int fd_ = -1;
  bool missing_ = false, stream_ = false;
  uint64_t size_ = 0, limit_ = 0, position_ = 0;
  Over_Limit over_ = Over_Limit::Refuse;
};

// A whole file read the same way.
struct File_Data {
  std::string bytes;
  std::string error;     // "" when read
  bool missing = false;  // there is no such file
  bool Ok() const { return error.empty(); }
};
File_Data Read_File(const std::string& path, uint64_t limit, Over_Limit over = Over_Limit::Refuse);

// Limits of the small text files: the settings files and the help text.
inline constexpr uint64_t kSettings_File_Limit = 64 << 10;
inline constexpr uint64_t kHelp_File_Limit = 1 << 20;

}  // namespace common
