// Files that cannot be read or written, malformed lines and data that would fall outside the
// buffer: the user is told, the buffer keeps what it should and old files survive.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include "common/tests/bad_files.h"
#include "file_test_support.h"

namespace memprog {
namespace {

namespace fs = std::filesystem;

class Failures : public File_Test {
 protected:
  Load_Outcome Load_Path(File_Type type, const std::string& path) {
    return Load_Buffer_File(path, type, image.data(), ranges, progress);
  }
  Save_Outcome Save_To(const std::string& path, File_Type type) {
    return Save_Buffer_File(path, type, image.data(), ranges, progress);
  }
  bool Buffer_Is(uint8_t value) const {
    return std::all_of(image.begin(), image.end(), [&](uint8_t b) { return b == value; });
  }
};

TEST_F(Failures, AFileThatCannotBeOpenedLeavesTheBufferAlone) {
  common::testing::Hang_Guard guard;
  std::vector<std::string> paths = {Path("missing.hex")};
  for (const auto& f : common::testing::Make_Bad_Files(Path("bad"), uint64_t{1} << 30))
    paths.push_back(f.path);  // the last, oversize, only for a hex file: a binary has no limit
  for (const std::string& path : paths) {
    for (File_Type type : {File_Type::Binary, File_Type::Intel}) {
      if (type == File_Type::Binary && path == paths.back()) continue;
      auto o = Load_Path(type, path);
      EXPECT_EQ(o.kind, Load_Outcome::Not_Opened) << path;
      EXPECT_EQ(o.message, "Error... File was Not Loaded In Buffer...");
      EXPECT_NE(o.note.find(path), std::string::npos) << o.note;
    }
  }
  EXPECT_TRUE(Buffer_Is(0));
  EXPECT_EQ(progress.statuses.back(), "Loading Buffer from Hex File....");
  auto o = Load_Path(static_cast<File_Type>(9), Path("missing.hex"));
  EXPECT_EQ(o.kind, Load_Outcome::Not_Opened);
  EXPECT_NE(o.note.find("File type 9"), std::string::npos);
}

TEST_F(Failures, ABadFieldStopsTheLoadAtItsLineAndKeepsWhatCameBefore) {
  const char* bad_lines[] = {
      ":0100000011EE\r\n:0100010022EE\r\n:01000200G3EE\r\n:0100030044EE\r\n",  // data
      ":0100000011EE\r\n:0100010022EE\r\n:010002\r\n:0100030044EE\r\n",        // cut short
      ":0100000011EE\r\n:0100010022EE\r\n:02000004XY\r\n:0100030044EE\r\n",    // base
  };
  for (const char* text : bad_lines) {
    std::fill(image.begin(), image.end(), 0);
    progress = {};
    auto o = Load(File_Type::Intel, text);
    EXPECT_EQ(o.kind, Load_Outcome::Stopped) << text;
    EXPECT_EQ(o.line, 3u);
    EXPECT_EQ(o.message, "Invalid hex digits in line 3 of " + Path("in.hex") + ", loading stopped");
    EXPECT_EQ(o.stored, 2u);
    EXPECT_EQ(Bytes(0, 4), (Bytes_Of{0x11, 0x22, 0, 0}));
    EXPECT_EQ(progress.statuses, (std::vector<std::string>{"Loading Buffer from Hex File...."}));
  }
  EXPECT_EQ(Load(File_Type::Motorola, "S1040000AAFF\nS1050001BBXXFF\n").line, 2u);
  EXPECT_EQ(Load(File_Type::Tektronix, "/0000\n").kind, Load_Outcome::Stopped);
  EXPECT_EQ(Load(File_Type::Tektronix, "%0E6004AB\n").kind, Load_Outcome::Stopped);
}

TEST_F(Failures, ABadAsciiPairShowsItsOwnBoxAndStops) {
  auto o = Load(File_Type::Ascii, "0102\r\n0304\r\n05G6\r\n0708\r\n");
  EXPECT_EQ(o.kind, Load_Outcome::Stopped);
  EXPECT_EQ(o.message, "Invaild Hex Value in File, File Not Loaded...");
  EXPECT_EQ(o.line, 3u);
  EXPECT_NE(o.note.find("line 3 of " + Path("in.hex")), std::string::npos);
  EXPECT_EQ(Bytes(0, 6), (Bytes_Of{1, 2, 3, 4, 5, 0}));
  EXPECT_EQ(o.stored, 5u);
  // An odd count of digits makes the line end one half of a pair.
  EXPECT_EQ(Load(File_Type::Ascii, "0102\n030\n").line, 2u);
}

TEST_F(Failures, AFileWithNothingOfItsFormatLeavesTheBufferAlone) {
  for (File_Type type : {File_Type::Intel, File_Type::Motorola, File_Type::Tektronix}) {
    auto o = Load(type, "just some text\r\nS\r\n");
    EXPECT_EQ(o.kind, Load_Outcome::No_Data);
    EXPECT_NE(o.message.find(Path("in.hex")), std::string::npos) << o.message;
  }
  EXPECT_EQ(Load(File_Type::Intel, "").message,
            "No Intel Hex data found in " + Path("in.hex") + ", nothing was loaded");
  EXPECT_EQ(Load(File_Type::Binary, "").message, Path("in.hex") + " is empty, nothing was loaded");
  EXPECT_EQ(Load(File_Type::Ascii, "\r\n\r\n").kind, Load_Outcome::No_Data);
  EXPECT_TRUE(Buffer_Is(0));
  // Records that all fall outside the hex range, or bytes all outside the buffer, load nothing.
  ranges.Hex_End_Add = 0xFF;
  auto o = Load(File_Type::Intel, ":0101000011EE\n");
  EXPECT_EQ(o.kind, Load_Outcome::No_Data);
  EXPECT_EQ(o.message, "Every data record of " + Path("in.hex") +
                           " lies outside the hex file range or the 16 MiB buffer, nothing was "
                           "loaded");
  ranges.Buf_Start_Add = -4;
  EXPECT_EQ(Load(File_Type::Binary, "ABCD").kind, Load_Outcome::No_Data);
  EXPECT_TRUE(Buffer_Is(0));
}

TEST_F(Failures, NothingIsWrittenPastTheEndOfTheBuffer) {
  std::fill(image.begin(), image.end(), 0x55);
  ranges.Dev_Last_Add = 0xFFFFFF;
  const char* text = ":0200000400FFFB\n:04FFFE000102030400\n:020000040100F9\n:0100000005EE\n";
  auto o = Load(File_Type::Intel, text);
  EXPECT_EQ(o.kind, Load_Outcome::Clipped);
  EXPECT_EQ(o.stored, 2u);
  EXPECT_EQ(o.dropped, 2u);  // 0x1000000 is above Hex_End_Add: skipped, not dropped
  ranges.Hex_End_Add = -1;
  ranges.Dev_Last_Add = 0xFFFFFFF;
  o = Load(File_Type::Intel, text);
  EXPECT_EQ(o.kind, Load_Outcome::Clipped);
  EXPECT_EQ(o.stored, 2u);
  EXPECT_EQ(o.dropped, 3u);
  EXPECT_EQ(o.message,
            "3 bytes of " + Path("in.hex") + " fall outside the 16 MiB buffer and were not loaded");
  EXPECT_EQ(progress.statuses.back(), "Hex File Loaded....");
  EXPECT_EQ(Bytes(0xFFFFFE, 2), (Bytes_Of{1, 2}));
  EXPECT_EQ(image[0], 0x55);

  // Word mode of a large device reaches past the buffer too.
  ranges.Dev_Last_Add = 0xFFFFFF;
  ranges.Prg_Type = 1;
  EXPECT_EQ(Load(File_Type::Motorola, "S3060100000066FF\n").dropped, 1u);

  ranges.Buf_Start_Add = 0xFFFFFD;
  o = Load(File_Type::Binary, "ABCDEFG");
  EXPECT_EQ(o.kind, Load_Outcome::Clipped);
  EXPECT_EQ(o.stored, 3u);
  EXPECT_EQ(o.dropped, 4u);
  EXPECT_EQ(Bytes(0xFFFFFD, 3), (Bytes_Of{'A', 'B', 'C'}));
  o = Load(File_Type::Ascii, "0A0B0C0D\n0E\n");
  EXPECT_EQ(o.dropped, 2u);
  EXPECT_EQ(Bytes(0xFFFFFD, 3), (Bytes_Of{0x0A, 0x0B, 0x0C}));

  // A binary file longer than the whole buffer: the rest is counted, not read.
  ranges.Buf_Start_Add = 0;
  o = Load(File_Type::Binary, std::string(kImage_Size + 100, 'x'));
  EXPECT_EQ(o.stored, kImage_Size);
  EXPECT_EQ(o.dropped, 100u);

  ranges.Buf_Start_Add = -2;
  o = Load(File_Type::Binary, "abcd");
  EXPECT_EQ(o.dropped, 2u);
  EXPECT_EQ(Bytes(0, 2), (Bytes_Of{'c', 'd'}));
}

TEST_F(Failures, AReadOnlyFileLoadsAndStaysReadOnly) {
  std::string path = File("ro.hex", ":0100000077EE\n");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  auto o = Load_Path(File_Type::Intel, path);
  EXPECT_EQ(o.kind, Load_Outcome::Loaded);
  EXPECT_EQ(image[0], 0x77);
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0444u);
}

TEST_F(Failures, SavingKeepsTheUsersFiles) {
  ranges.Dev_End_Add = 0xFFFFF;
  std::string path = File("keep.hex", "old contents");

  // A full disk, as a file-size limit shows it.
  struct rlimit old {};
  ::getrlimit(RLIMIT_FSIZE, &old);
  auto old_handler = ::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 64 * 1024;
  ::setrlimit(RLIMIT_FSIZE, &small);
  Save_Outcome full = Save_To(path, File_Type::Intel);
  ::setrlimit(RLIMIT_FSIZE, &old);
  ::signal(SIGXFSZ, old_handler);
  EXPECT_FALSE(full.ok);
  EXPECT_NE(full.message.find("The buffer was not saved to " + path), std::string::npos)
      << full.message;
  EXPECT_EQ(Contents(path), "old contents");
  EXPECT_EQ(progress.statuses, (std::vector<std::string>{"Saving Buffer to Hex File...."}));
  for (auto& e : fs::directory_iterator(dir))
    EXPECT_EQ(e.path().filename().string().find(".tmp-"), std::string::npos) << e.path();

  // A folder that cannot be written: here a path through a plain file.
  Save_Outcome unwritable = Save_To(path + "/x.bin", File_Type::Binary);
  EXPECT_FALSE(unwritable.ok);
  EXPECT_NE(unwritable.message.find(path + "/x.bin"), std::string::npos) << unwritable.message;

  // Through a link, the file it points to.
  std::filesystem::create_symlink(path, Path("link.bin"));
  EXPECT_TRUE(Save_To(Path("link.bin"), File_Type::Binary).ok);
  EXPECT_TRUE(fs::is_symlink(Path("link.bin")));
  std::string saved = Contents(path);
  EXPECT_EQ(saved.size(), 0x100000u);

  // A file the user made read-only.
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  Save_Outcome ro = Save_To(path, File_Type::Binary);
  EXPECT_FALSE(ro.ok);
  EXPECT_EQ(ro.message, path + " is read-only, nothing was saved");
  EXPECT_EQ(Contents(path), saved);
}

TEST_F(Failures, RangesNoFormatCanHoldAreRefusedBeforeAnythingIsWritten) {
  std::string path = Path("new.hex");
  ranges.Dev_End_Add = 0x800000;
  ranges.Prg_Type = 1;
  Save_Outcome o = Save_To(path, File_Type::Binary);
  EXPECT_FALSE(o.ok);
  EXPECT_EQ(o.message,
            "The range to save, 00000 to 1000001, reaches past the end of the 16 MiB buffer, "
            "nothing was saved");
  ranges.Prg_Type = 0;
  ranges.Dev_End_Add = 0x10000;
  o = Save_To(path, File_Type::Tektronix);
  EXPECT_FALSE(o.ok);
  EXPECT_EQ(o.message,
            "Tektronics Hex files reach index 0FFFF only and the range to save ends at 10000: "
            "save it as Intel Hex or Motorola Hex, nothing was saved");
  ranges.Dev_End_Add = -1;
  EXPECT_FALSE(Save_To(path, File_Type::Intel).ok);
  EXPECT_FALSE(Save_To(path, static_cast<File_Type>(5)).ok);
  EXPECT_FALSE(fs::exists(path));
  EXPECT_TRUE(progress.statuses.empty());
}

}  // namespace
}  // namespace memprog
