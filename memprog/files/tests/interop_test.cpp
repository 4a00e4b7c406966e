// Files we write read back by srec_cat and objcopy to the same bytes, and files they write
// load into our buffer to the same bytes.
#include <bit>
#include <cstdlib>
#include <cstring>

#include "file_test_support.h"

namespace memprog {
namespace {

bool Have(const char* tool) {
  return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
}

int Run_Tool(const std::string& command) {
  return std::system((command + " 2>&1").c_str());
}

class Interop : public File_Test {
 protected:
  void SetUp() override {
    if (!Have("srec_cat") || !Have("objcopy")) GTEST_SKIP() << "srec_cat or objcopy missing";
  }

  // A buffer of `size` bytes no two 64 KiB blocks of which are alike, saved as a binary file.
  std::string Image_Of(uint32_t size) {
    for (uint32_t i = 0; i < size; ++i)
      image[i] = static_cast<uint8_t>((i * 2654435761u) >> 24 ^ (i >> 16));
    ranges.Dev_End_Add = static_cast<int32_t>(size - 1);
    ranges.Dev_Last_Add = static_cast<int32_t>(std::bit_ceil(size) - 1);
    std::string bin = Path("image.bin");
    EXPECT_EQ(common::Write_Whole_File(bin, std::string(image.begin(), image.begin() + size)), "");
    return bin;
  }

  // `command_to_bin` converts the file IN to the binary file OUT.
  void Expect_Our_File_Reads_Back(File_Type type, const std::string& command_to_bin,
                                  uint32_t size) {
    std::string ours = Path("ours.hex");
    ASSERT_TRUE(Save_Buffer_File(ours, type, image.data(), ranges, progress).ok);
    std::string back = Path("back.bin");
    std::string command = command_to_bin;
    command.replace(command.find("IN"), 2, ours);
    command.replace(command.find("OUT"), 3, back);
    ASSERT_EQ(Run_Tool(command), 0) << command;
    std::string data = Contents(back);
    ASSERT_GE(data.size(), size) << command;
    EXPECT_EQ(std::memcmp(image.data(), data.data(), size), 0) << command;
  }

  void Expect_Their_File_Loads(File_Type type, const std::string& command, uint32_t size) {
    ASSERT_EQ(Run_Tool(command), 0) << command;
    std::vector<uint8_t> expected(image.begin(), image.begin() + size);
    std::fill(image.begin(), image.end(), 0xEE);
    auto o = Load_Buffer_File(Path("theirs.hex"), type, image.data(), ranges, progress);
    EXPECT_EQ(o.kind, Load_Outcome::Loaded) << o.message;
    EXPECT_EQ(o.stored, size) << command;
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), image.begin())) << command;
    EXPECT_EQ(image[size], 0xEE);
  }
};

TEST_F(Interop, OurIntelAndSRecordFilesReadBackInThePeerTools) {
  for (uint32_t size : {0x8000u, 0x180000u}) {  // below 1 MiB and across it
    Image_Of(size);
    std::string cut = " -crop 0 " + std::to_string(size);
    Expect_Our_File_Reads_Back(File_Type::Intel, "objcopy -I ihex -O binary IN OUT", size);
    Expect_Our_File_Reads_Back(File_Type::Intel, "srec_cat IN -intel" + cut + " -o OUT -binary",
                               size);
    Expect_Our_File_Reads_Back(File_Type::Motorola, "objcopy -I srec -O binary IN OUT", size);
    Expect_Our_File_Reads_Back(File_Type::Motorola,
                               "srec_cat IN -motorola" + cut + " -o OUT -binary", size);
  }
  Image_Of(0x10000);
  Expect_Our_File_Reads_Back(File_Type::Tektronix,
                             "srec_cat IN -tektronix -crop 0 65536 -o OUT -binary", 0x10000);
}

TEST_F(Interop, PeerFilesLoadIntoOurBuffer) {
  for (uint32_t size : {0x8000u, 0x180000u}) {
    std::string bin = Image_Of(size);
    std::string out = Path("theirs.hex");
    Expect_Their_File_Loads(File_Type::Intel, "objcopy -I binary -O ihex " + bin + " " + out, size);
    Expect_Their_File_Loads(File_Type::Intel, "srec_cat " + bin + " -binary -o " + out + " -intel",
                            size);
    for (const char* form : {"", " -address-length=2", " -address-length=3", " -address-length=4"})
      Expect_Their_File_Loads(
          File_Type::Motorola,
          "srec_cat " + bin + " -binary -o " + out + " -motorola" + std::string(form), size);
    Expect_Their_File_Loads(File_Type::Motorola, "objcopy -I binary -O srec " + bin + " " + out,
                            size);
    Expect_Their_File_Loads(File_Type::Tektronix,
                            "srec_cat " + bin + " -binary -o " + out + " -tektronix-extended",
                            size);
  }
  std::string bin = Image_Of(0x10000);
  Expect_Their_File_Loads(File_Type::Tektronix,
                          "srec_cat " + bin + " -binary -o " + Path("theirs.hex") + " -tektronix",
                          0x10000);
}

}  // namespace
}  // namespace memprog
