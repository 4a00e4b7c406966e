#include "memprog/files/load_outcome.h"

#include "memprog/files/file_formats.h"

namespace memprog {

namespace {
Load_Outcome With_Counts(Load_Outcome o, const Placer& placer) {
  o.stored = placer.Stored();
  o.dropped = placer.Dropped();
  o.beyond = placer.Beyond();
  return o;
}
}  // namespace

Load_Outcome Not_Opened(const std::string& reason) {
  Load_Outcome o;
  o.kind = Load_Outcome::Not_Opened;
  o.message = kNot_Loaded_Text;
  o.note = reason;
  return o;
}

Load_Outcome Read_To_End(File_Type type, const std::string& path, const Placer& placer) {
  Load_Outcome o;
  bool laid_out = type == File_Type::Binary || type == File_Type::Ascii;  // from Buf_Start_Add
  if (placer.Beyond() != 0) {
    o.kind = Load_Outcome::Beyond_Part;
    o.message = std::to_string(placer.Beyond()) + " bytes of " + path +
                " lie beyond the part, which takes " + std::to_string(uint64_t{placer.Mask()} + 1) +
                (laid_out ? " bytes from Buffer Start" : " bytes from address 0") +
                ", nothing was loaded";
  } else if (placer.Stored() == 0) {
    // Loading it would mark the buffer loaded with none of the file in it.
    o.kind = Load_Outcome::No_Data;
    if (placer.Dropped() + placer.Skipped() == 0)
      o.message = type == File_Type::Binary ? path + " is empty, nothing was loaded"
                                            : std::string("No ") + Find_Format(type)->name +
                                                  " data found in " + path + ", nothing was loaded";
    else if (laid_out)
      o.message = "Every byte of " + path + " falls outside the 16 MiB buffer, nothing was loaded";
    else
      o.message = "Every data record of " + path +
                  " lies outside the hex file range or the 16 MiB buffer, nothing was loaded";
  } else if (placer.Dropped() != 0) {
    o.kind = Load_Outcome::Clipped;
    o.message = std::to_string(placer.Dropped()) + " bytes of " + path +
                " fall outside the 16 MiB buffer and were not loaded";
  }
  o.note = o.message;
  return With_Counts(o, placer);
}

Load_Outcome Bad_Line(File_Type type, const std::string& path, size_t line, const Placer& placer) {
  Load_Outcome o;
  o.kind = Load_Outcome::Stopped;
  o.line = line;
  o.note =
      "Invalid hex digits in line " + std::to_string(line) + " of " + path + ", loading stopped";
  o.message = type == File_Type::Ascii ? kBad_Ascii_Text : o.note;
  return With_Counts(o, placer);
}

Load_Outcome Read_Failed(const std::string& reason, const Placer& placer) {
  Load_Outcome o;
  o.kind = Load_Outcome::Stopped;
  o.message = o.note = reason + ", loading stopped";
  return With_Counts(o, placer);
}

}  // namespace memprog
