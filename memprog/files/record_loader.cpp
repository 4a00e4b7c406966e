// Intel, Motorola and Tektronix files: line by line until an end record or the file's end.
#include "memprog/files/line_reader.h"
#include "memprog/files/load_outcome.h"
#include "memprog/files/loaders.h"
#include "memprog/files/record_format.h"

namespace memprog {

namespace {

Load_Outcome Load_Records(Byte_Source& source, Record_Format& format, File_Type type,
                          const std::string& path, Placer& placer) {
  Line_Reader lines(source);
  std::string_view line;
  while (lines.Next(line)) {
    Line_Verdict v = format.Line(line, placer);
    if (v == Line_Verdict::Bad) return Bad_Line(type, path, lines.Number(), placer);
    if (v == Line_Verdict::End) return Read_To_End(type, path, placer);
  }
  if (lines.Failed()) return Read_Failed(source.Error(), placer);
  return Read_To_End(type, path, placer);
}

}  // namespace

Load_Outcome Load_Intel(Byte_Source& source, const std::string& path, Placer& placer,
                        const File_Ranges&) {
  return Load_Records(source, *Intel_Records(), File_Type::Intel, path, placer);
}

Load_Outcome Load_Motorola(Byte_Source& source, const std::string& path, Placer& placer,
                           const File_Ranges&) {
  return Load_Records(source, *Motorola_Records(), File_Type::Motorola, path, placer);
}

Load_Outcome Load_Tektronix(Byte_Source& source, const std::string& path, Placer& placer,
                            const File_Ranges&) {
  return Load_Records(source, *Tektronix_Records(), File_Type::Tektronix, path, placer);
}

}  // namespace memprog
