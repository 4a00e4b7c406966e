#include "memprog/files/buffer_file.h"

#include "common/atomic_file.h"
#include "common/hex.h"
#include "memprog/files/file_formats.h"
#include "memprog/files/load_outcome.h"

namespace memprog {

namespace {

constexpr char kLoading_Text[] = "Loading Buffer from Hex File....";
constexpr char kLoaded_Text[] = "Hex File Loaded....";
constexpr char kSaving_Text[] = "Saving Buffer to Hex File....";
constexpr char kSaved_Text[] = "Hex File Saved....";

std::string Unknown_Type(File_Type type) {
  return "File type " + std::to_string(static_cast<int>(type)) + " is not one of the list";
}

Save_Outcome Refused(std::string why) {
  return {false, std::move(why) + ", nothing was saved"};
}

// Far more than the text of any hex file of the 16 MiB buffer. A binary file has no limit: what
// lies past the buffer is counted, not read.
constexpr uint64_t kHex_File_Limit = uint64_t{1} << 30;

}  // namespace

Load_Outcome Load_From_Source(Byte_Source& source, File_Type type, const std::string& path,
                              uint8_t* image, const File_Ranges& ranges, File_Progress& progress) {
  const File_Format* format = Find_Format(type);
  if (format == nullptr) return Not_Opened(Unknown_Type(type));
  Placer placer(image, ranges, progress);
  return format->load(source, path, placer, ranges);
}

Load_Outcome Load_Buffer_File(const std::string& path, File_Type type, uint8_t* image,
                              const File_Ranges& ranges, File_Progress& progress) {
  const File_Format* format = Find_Format(type);
  if (format == nullptr) return Not_Opened(Unknown_Type(type));
  if (format->hex) {
    progress.Status(kLoading_Text);
    progress.Pump();
  }
  // A binary file's rest is passed over unread, which standard input cannot be: it is read up to
  // as much as the buffer holds.
  const bool stream = common::Is_Standard_Stream(path);
  File_Source source(path, format->hex ? kHex_File_Limit : stream ? kImage_Size : UINT64_MAX);
  if (!source.File().Ok()) return Not_Opened(source.Error());
  Load_Outcome outcome =
      Load_From_Source(source, type, stream ? "standard input" : path, image, ranges, progress);
  bool read_to_end = outcome.kind == Load_Outcome::Loaded || outcome.kind == Load_Outcome::Clipped;
  if (format->hex && read_to_end) progress.Status(kLoaded_Text);
  return outcome;
}

Save_Outcome Save_Buffer_File(const std::string& path, File_Type type, const uint8_t* image,
                              const File_Ranges& ranges, File_Progress& progress) {
  const File_Format* format = Find_Format(type);
  if (format == nullptr) return Refused(Unknown_Type(type));
  int64_t last =
      ranges.Prg_Type == 0 ? int64_t{ranges.Dev_End_Add} : 2 * int64_t{ranges.Dev_End_Add} + 1;
  if (last < 0) return Refused("The device range is empty");
  if (last >= kImage_Size)
    return Refused("The range to save, 00000 to " + common::Hex(static_cast<uint64_t>(last), 5) +
                   ", reaches past the end of the 16 MiB buffer");
  if (last > format->max_last)
    return Refused(std::string(format->name) + " files reach index " +
                   common::Hex(format->max_last, 5) + " only and the range to save ends at " +
                   common::Hex(static_cast<uint64_t>(last), 5) +
                   ": save it as Intel Hex or Motorola Hex");
  common::Atomic_File file(path);
  if (!file.Ok()) return Refused(file.Error());
  if (format->hex) {
    progress.Status(kSaving_Text);
    progress.Pump();
  }
  format->save(file, image, static_cast<uint32_t>(last));
  std::string error = file.Commit();
  if (!error.empty())
    return {false, "The buffer was not saved to " + path + ": " + error +
                       ". A file already there is left as it was"};
  if (format->hex) progress.Status(kSaved_Text);
  return {true, ""};
}

}  // namespace memprog
