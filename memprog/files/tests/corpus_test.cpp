// The fuzzers' corpus through every loader from disk: each file ends as expected, and the same
// whether it is read in one piece or a byte at a time.
#include <map>

#include "file_test_support.h"
#include "memory_source.h"
#include "memprog/files/fuzz/fuzz_ranges.h"
#include "memprog/files/loaders.h"

namespace memprog {
namespace {

namespace fs = std::filesystem;

// Outcome of each corpus file with the first range setting.
const std::map<std::string, Load_Outcome::Kind> kExpected = {
    {"binary/empty.bin", Load_Outcome::No_Data},
    {"binary/mixed.bin", Load_Outcome::Loaded},
    {"binary/one.bin", Load_Outcome::Loaded},
    {"binary/random.bin", Load_Outcome::Loaded},
    {"intel/bad_digit.hex", Load_Outcome::Stopped},
    {"intel/bases.hex", Load_Outcome::Loaded},
    {"intel/cut_short.hex", Load_Outcome::Stopped},
    {"intel/small.hex", Load_Outcome::Loaded},
    {"motorola/bad.s19", Load_Outcome::Stopped},
    {"motorola/high.s37", Load_Outcome::Loaded},
    {"motorola/mixed.s19", Load_Outcome::Loaded},
    {"motorola/short_count.s19", Load_Outcome::No_Data},
    {"tektronix/bad.tek", Load_Outcome::Stopped},
    {"tektronix/extended.tek", Load_Outcome::Loaded},
    {"tektronix/standard.tek", Load_Outcome::Loaded},
    {"tektronix/tiny_length.tek", Load_Outcome::No_Data},
    {"ascii/bad_pair.txt", Load_Outcome::Stopped},
    {"ascii/cr_only.txt", Load_Outcome::Loaded},
    {"ascii/lines.txt", Load_Outcome::Loaded},
    {"ascii/odd_line.txt", Load_Outcome::Stopped},
};

const std::pair<const char*, File_Type> kFolders[] = {
    {"binary", File_Type::Binary},     {"intel", File_Type::Intel},
    {"motorola", File_Type::Motorola}, {"tektronix", File_Type::Tektronix},
    {"ascii", File_Type::Ascii},
};

TEST(Corpus, EveryFileLoadsAsExpectedWholeAndByteByByte) {
  std::vector<uint8_t> from_disk(kImage_Size), by_byte(kImage_Size);
  Recording_Progress progress;
  size_t files = 0;
  for (auto [folder, type] : kFolders) {
    for (auto& entry : fs::directory_iterator(fs::path(KV9_FILES_CORPUS) / folder)) {
      std::string name = std::string(folder) + "/" + entry.path().filename().string();
      std::string text = common::Read_Whole_File(entry.path().string()).value();
      ++files;
      for (const File_Ranges& ranges : kFuzz_Ranges) {
        std::fill(from_disk.begin(), from_disk.end(), 0);
        std::fill(by_byte.begin(), by_byte.end(), 0);
        auto a = Load_Buffer_File(entry.path().string(), type, from_disk.data(), ranges, progress);
        Memory_Source source(text, 1);
        auto b =
            Load_From_Source(source, type, entry.path().string(), by_byte.data(), ranges, progress);
        EXPECT_EQ(a.kind, b.kind) << name;
        EXPECT_EQ(a.message, b.message) << name;
        EXPECT_EQ(a.line, b.line) << name;
        EXPECT_EQ(a.stored, b.stored) << name;
        EXPECT_EQ(a.dropped, b.dropped) << name;
        EXPECT_TRUE(from_disk == by_byte) << name;
        if (&ranges == &kFuzz_Ranges[0]) {
          ASSERT_TRUE(kExpected.count(name)) << name << " needs an expected outcome";
          EXPECT_EQ(a.kind, kExpected.at(name)) << name << ": " << a.message;
        }
      }
    }
  }
  EXPECT_EQ(files, kExpected.size());
}

}  // namespace
}  // namespace memprog
