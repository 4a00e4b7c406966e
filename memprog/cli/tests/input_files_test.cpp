// The built kv9 with the files people hand it: standard input and output, the extensions of other
// tools, content that is not what its name says, data beyond the part.
#include "cli_fixture.h"
#include "proglink/console/content_format.h"
#include "proglink/testing/shell_command.h"

namespace memprog::cli {
namespace {

using proglink::console::Content_Format;
using proglink::console::Looks_Like;

// Intel records after a comment line with accented letters.
std::string Accented_Comment() {
  std::string text = "; r\xC3\xA9sum\xC3\xA9\n";
  for (int i = 0; i < 20; ++i) text += ":0400000001020304F2\n";
  return text;
}

TEST(ContentFormat, FirstBytesTellThePlainFormatsAndNothingElse) {
  struct Row {
    const char* fault;
    std::string head;
    Content_Format looks;
  } rows[] = {
      {"an image of erased bytes passes for text", std::string(300, '\xFF'),
       Content_Format::Binary},
      {"a NUL among text passes for text", std::string("S1130000\0", 9), Content_Format::Binary},
      {"Intel records are not known", ":0400000001020304F2\r\n:00000001FF\r\n",
       Content_Format::Intel},
      {"an S0 header hides S-records", "S00600004844521B\nS1050000AABB94\nS9030000FC\n",
       Content_Format::Motorola},
      {"Tektronix records are not known", "/00000400000102030406\n", Content_Format::Tektronix},
      {"lines of digit pairs are not ASCII hex", "00112233\r\nAABBCCDD\r\n",
       Content_Format::Ascii_Hex},
      {"records mixed with other lines are called one format", ":00000001FF\nhello\n",
       Content_Format::Unknown},
      {"an accented comment makes text binary", Accented_Comment(), Content_Format::Unknown},
      {"a line cut by the end of the head decides", ":00000001FF\nS1", Content_Format::Intel},
      {"an empty file has a format", "", Content_Format::Unknown},
  };
  for (const Row& r : rows) EXPECT_EQ(Looks_Like(r.head, false), r.looks) << r.fault;
}

// kv9 run by the shell in the test's folder with its chip in chip.bin.
constexpr const char* kScript_Environment = "KV9_SIM_CHIP=chip.bin KV9=" KV9_BINARY;

class InputFilesTest : public CliTest {
 protected:
  int Shell(const std::string& line) {
    return proglink::Run_Script(kScript_Environment, line, output, errors);
  }
  std::string output, errors;
};

TEST_F(InputFilesTest, FilesAsPeopleHandThemOver) {
  const std::vector<uint8_t> image = Pattern(0x400);
  Write("small.bin", image);
  for (const char* name : {"small.rom", "small.img", "binary.hex"}) Write(name, image);
  ASSERT_EQ(Shell("$KV9 -d 27C256 convert small.bin small.hex"), 0) << errors;
  for (const char* name : {"small.ihx", "small.ihex", "text.bin"})
    std::filesystem::copy_file("small.hex", name);
  Write("long.bin", Pattern(40000));
  Write_Text("wraps.hex", ":020000040000FA\n:0280000001027B\n:00000001FF\n");
  ASSERT_EQ(Shell("$KV9 -d 27C256 checksum small.bin"), 0);
  const std::string sum = output;

  const proglink::Script_Case cases[] = {
      {"standard input is taken as a file named -", "cat small.hex | $KV9 -d 27C256 program -", 0,
       "Device Verified to Buffer....\n", ""},
      {"texts written into the data on standard output",
       "$KV9 -d 27C256 read - > out.bin && cmp out.bin chip.bin && echo same", 0, "same\n",
       "Device Has Been Moved to Buffer...."},
      {"a binary on standard input is not known by its content",
       "$KV9 -d 27C256 checksum - < small.bin", 0, sum, ""},
      {"standard input of no plain format is guessed", "echo hello | $KV9 -d 27C256 checksum -", 2,
       "", "not plain from its first lines: give -f"},
      {"the extensions of other tools are unknown",
       "for f in small.rom small.img small.ihx small.ihex; do $KV9 -d 27C256 checksum $f; done", 0,
       sum + sum + sum + sum, ""},
      {"a binary named .hex fails in some line", "$KV9 -d 27C256 checksum binary.hex", 2, "",
       "'binary.hex' looks like a binary file, not the Intel Hex its name says: give -f bin"},
      {"Intel hex named .bin is loaded as its text", "$KV9 -d 27C256 checksum text.bin", 2, "",
       "'text.bin' looks like Intel hex, not the Binary its name says"},
      {"-f does not load a file as the user says", "$KV9 -d 27C256 -f bin checksum binary.hex", 0,
       sum, ""},
      {"a binary longer than the part is programmed cut",
       "KV9_SIM_CHIP=fresh.bin $KV9 -d 27C256 program long.bin; echo $?; test -e fresh.bin || "
       "echo untouched",
       0, "2\nuntouched\n", "7232 bytes of long.bin lie beyond the part, which takes 32768 bytes"},
      {"a record past the part wraps onto its start", "$KV9 -d 27C256 checksum wraps.hex", 2, "",
       "2 bytes of wraps.hex lie beyond the part"},
      {"a refusal says its reason twice",
       "$KV9 -d 27C256 checksum wraps.hex 2>&1 | grep -c 'lie beyond the part'", 0, "1\n", ""},
      {"--wrap does not load as the window does",
       "$KV9 -d 27C256 --wrap checksum long.bin && $KV9 -d 27C256 --wrap convert wraps.hex - | "
       "head -c 2 | od -An -tx1",
       0, " 01 02\n", ""},
      {"a converted file on standard output differs from the file",
       "$KV9 -d 27C256 convert small.hex - | head -c 1024 | cmp - small.bin && echo same", 0,
       "same\n", ""},
  };
  proglink::Expect_Scripts(kScript_Environment, cases);
}

}  // namespace
}  // namespace memprog::cli
