// However the reads cut a file, the buffer ends the same; lines of any length and any line end.
#include "file_test_support.h"
#include "memory_source.h"
#include "memprog/files/line_reader.h"
#include "memprog/files/loaders.h"

namespace memprog {
namespace {

struct Loaded_Image {
  Load_Outcome outcome;
  std::vector<uint8_t> image;
};

Loaded_Image Load_In_Chunks(File_Type type, std::string_view text, size_t chunk,
                            const File_Ranges& ranges) {
  Loaded_Image r{{}, std::vector<uint8_t>(kImage_Size, 0)};
  Memory_Source source(text, chunk);
  Recording_Progress progress;
  r.outcome = Load_From_Source(source, type, "mem", r.image.data(), ranges, progress);
  return r;
}

void Expect_Same_At_Every_Cut(File_Type type, const std::string& text, const File_Ranges& ranges) {
  Loaded_Image whole = Load_In_Chunks(type, text, text.size() + 1, ranges);
  for (size_t chunk : {1, 2, 3, 5, 7, 64}) {
    Loaded_Image cut = Load_In_Chunks(type, text, chunk, ranges);
    EXPECT_EQ(cut.outcome.kind, whole.outcome.kind) << chunk;
    EXPECT_EQ(cut.outcome.line, whole.outcome.line) << chunk;
    EXPECT_EQ(cut.outcome.stored, whole.outcome.stored) << chunk;
    EXPECT_TRUE(cut.image == whole.image) << chunk;
  }
}

TEST(Chunking, EveryFormatLoadsTheSameWhereverTheReadsEnd) {
  File_Ranges ranges{.Dev_End_Add = 0xFFFF, .Dev_Last_Add = 0xFFFF};
  Expect_Same_At_Every_Cut(File_Type::Intel,
                           ":020000040000FA\r\n:0400100001020304E2\r\n\r\n:0100200005DA\r"
                           ":02003000060700\n:00000001FF\r\n",
                           ranges);
  Expect_Same_At_Every_Cut(File_Type::Motorola, "S1050010A1A2FF\r\nS20601234BB1B2FF\r\n", ranges);
  Expect_Same_At_Every_Cut(File_Type::Tektronix, "/00100304A1A2A3FF\r\n%0E6004ABCD1122\r\n",
                           ranges);
  Expect_Same_At_Every_Cut(File_Type::Ascii, "0102ab\r\n\r\nCDef\r\n0102\r030\r\n", ranges);
  Expect_Same_At_Every_Cut(File_Type::Ascii, "0102ab\r\n\r\nCDef\r\n0102\r\n", ranges);
  Expect_Same_At_Every_Cut(File_Type::Intel, ":0100000011EE\r\n\r\n:01000100G2EE\r\n", ranges);
}

std::vector<std::pair<size_t, std::string>> Lines_Of(const std::string& text, size_t chunk) {
  Memory_Source source(text, chunk);
  Line_Reader reader(source);
  std::vector<std::pair<size_t, std::string>> lines;
  std::string_view line;
  while (reader.Next(line)) lines.emplace_back(reader.Number(), line.substr(0, 8));
  return lines;
}

TEST(Chunking, LineNumbersAreAnEditorsWhateverTheLineEnds) {
  std::string text = "a\r\nb\rc\n\nd\r\n\r\ne";
  std::vector<std::pair<size_t, std::string>> expected = {{1, "a"}, {2, "b"}, {3, "c"}, {4, ""},
                                                          {5, "d"}, {6, ""},  {7, "e"}};
  for (size_t chunk : {1, 2, 3, 100}) EXPECT_EQ(Lines_Of(text, chunk), expected) << chunk;
}

TEST(Chunking, AVeryLongLineIsCutAndTheNextLinesStillCount) {
  std::string text = "x" + std::string(3 * Line_Reader::kBlock, 'y') + "\r\nshort\r\n";
  auto lines = Lines_Of(text, Line_Reader::kBlock / 3);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], (std::pair<size_t, std::string>{1, "xyyyyyyy"}));
  EXPECT_EQ(lines[1], (std::pair<size_t, std::string>{2, "short"}));

  // A single ASCII hex line of any length is data.
  std::string ascii(2 * 3 * Line_Reader::kBlock, 'A');
  File_Ranges ranges;
  Loaded_Image r = Load_In_Chunks(File_Type::Ascii, ascii, 4096, ranges);
  EXPECT_EQ(r.outcome.kind, Load_Outcome::Loaded);
  EXPECT_EQ(r.outcome.stored, 3 * Line_Reader::kBlock);
}

}  // namespace
}  // namespace memprog

namespace memprog {
namespace {

// A disk that fails after the first bytes of a file.
class Failing_Source final : public Byte_Source {
 public:
  explicit Failing_Source(std::string_view start) : start_(start) {}
  ptrdiff_t Read(uint8_t* dst, size_t max) override {
    if (done_) return -1;
    done_ = true;
    size_t n = std::min(max, start_.size());
    std::memcpy(dst, start_.data(), n);
    return static_cast<ptrdiff_t>(n);
  }
  uint64_t Skip_Rest() override { return 0; }
  std::string Error() const override { return "Cannot read disk.hex: Input/output error"; }

 private:
  std::string_view start_;
  bool done_ = false;
};

TEST(Chunking, AReadErrorStopsTheLoadAndKeepsWhatWasRead) {
  const std::pair<File_Type, const char*> starts[] = {
      {File_Type::Binary, "ab"},
      {File_Type::Intel, ":020000000102FB\r\n:0200"},  // the error, not the cut record
      {File_Type::Ascii, "0102\r\n"},
  };
  for (auto [type, start] : starts) {
    std::vector<uint8_t> image(kImage_Size, 0);
    Failing_Source source(start);
    Recording_Progress progress;
    File_Ranges ranges{.Dev_Last_Add = 0xFFFF};
    auto o = Load_From_Source(source, type, "disk.hex", image.data(), ranges, progress);
    EXPECT_EQ(o.kind, Load_Outcome::Stopped) << start;
    EXPECT_EQ(o.message, "Cannot read disk.hex: Input/output error, loading stopped");
    EXPECT_EQ(o.stored, 2u);
    EXPECT_NE(image[1], 0) << start;
  }
}

}  // namespace
}  // namespace memprog
