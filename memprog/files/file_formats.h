// The five buffer file formats, one row per Tag of the `File_Type` list.
#pragma once

#include <cstdint>

#include "memprog/files/buffer_file.h"
#include "memprog/files/loaders.h"
#include "memprog/files/savers.h"

namespace memprog {

struct File_Format {
  File_Type type;
  const char* name;
  bool hex;
  Loader* load;
  Saver* save;
  uint32_t max_last;
};

// The row of `type`, or nullptr for a Tag outside the list.
const File_Format* Find_Format(File_Type type);

}  // namespace memprog
