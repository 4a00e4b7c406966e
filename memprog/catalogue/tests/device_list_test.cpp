#include "memprog/catalogue/device_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "memprog/catalogue/catalogue.h"

namespace memprog {
namespace {

// Codes that list lines carry on purpose without an entry: parts the programmer lists but does
// not support, and 159, which keeps the Am29LV160 line from selecting the M28F102.
const std::set<int> kCodesWithoutEntry = {104, 138, 139, 145, 159, 182, 191, 192, 337,
                                          338, 364, 365, 366, 367, 368, 369, 484, 485};

bool Is_Device_Line(const std::string& line) {
  return line.size() > 40;
}

TEST(Device_List, LinesAreGapsHeadingsOrDeviceLinesOfFortyThreeColumns) {
  const auto& lines = Device_List_Lines();
  ASSERT_EQ(lines.size(), 464u);
  int gaps = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    SCOPED_TRACE("line " + std::to_string(i) + ": \"" + line + "\"");
    if (line.empty()) {
      ++gaps;
      continue;
    }
    EXPECT_NE(line.back(), ' ');
    if (!Is_Device_Line(line)) continue;  // a heading: shorter than 41 characters
    ASSERT_EQ(line.size(), 43u);
    EXPECT_NE(line[0], ' ');
    // The code is right-aligned in columns 41-43 with no leading zero; the text stays within 40.
    const std::string code = line.substr(40);
    const size_t first_digit = code.find_first_not_of(' ');
    ASSERT_NE(first_digit, std::string::npos);
    EXPECT_NE(code[first_digit], '0');
    EXPECT_EQ(code.find_first_not_of("0123456789", first_digit), std::string::npos);
    EXPECT_EQ(std::to_string(Code_Of_Line(line)), code.substr(first_digit));
  }
  EXPECT_EQ(gaps, 71);
}

TEST(Device_List, HeadingsCarryTheirIndent) {
  const auto& lines = Device_List_Lines();
  EXPECT_EQ(lines[0], std::string(16, ' ') + "Eprom's");
  EXPECT_EQ(lines[92], "****** Requires 27X00 Adapter ******");
  EXPECT_EQ(lines[113], std::string(15, ' ') + "27FSXXX");
  EXPECT_EQ(lines[293], "******     Serial Device's     ******");
  EXPECT_EQ(lines[378], std::string(10, ' ') + "Signetics Devices");
  EXPECT_EQ(lines[392], std::string(6, ' ') + "Requires Adapter Socket.");
  EXPECT_EQ(lines[397], std::string(11, ' ') + "National Devies");
  EXPECT_EQ(lines[415], std::string(7, ' ') + "874X Adapter");
  EXPECT_EQ(lines[461], std::string(12, ' ') + "SST");
  for (const std::string& line : lines) {
    EXPECT_EQ(line.starts_with("*"), line.ends_with("******")) << line;
  }
}

TEST(Device_List, DeviceLinesReadAsTheUserSeesThem) {
  const auto& lines = Device_List_Lines();
  EXPECT_EQ(lines[1], "2708  Requires 2708 Adapter     1K X 8  299");
  EXPECT_EQ(lines[3], "2716   (+5 Only)     (25V)      2K X 8    1");
  EXPECT_EQ(lines[321], "93C86/93LC86                  1024 X 16 325");
  EXPECT_EQ(lines[463], "SST89C58   (12V)               32K X 8  485");
}

TEST(Device_List, CodeIsReadFromColumnFortyOneOn) {
  EXPECT_EQ(Code_Of_Line(""), 0);
  EXPECT_EQ(Code_Of_Line("******       Flash Eprom      ******"), 0);
  EXPECT_EQ(Code_Of_Line(std::string(40, 'x')), 0);
  EXPECT_EQ(Code_Of_Line(std::string(40, 'x') + "7"), 7);
  EXPECT_EQ(Code_Of_Line(std::string(40, 'x') + " 42"), 42);
  EXPECT_EQ(Code_Of_Line(std::string(40, 'x') + "4871"), 487);  // three characters only
  EXPECT_EQ(Code_Of_Line(std::string(40, 'x') + "   "), 0);
  EXPECT_EQ(Code_Of_Line(std::string(40, 'x') + " 4x"), 0);
}

TEST(Device_List, EveryCodeHasAnEntryOrIsMeantToHaveNone) {
  std::set<int> listed;
  for (const std::string& line : Device_List_Lines()) {
    if (!Is_Device_Line(line)) continue;
    const int code = Code_Of_Line(line);
    listed.insert(code);
    EXPECT_NE(Find_Entry(code) != nullptr, kCodesWithoutEntry.contains(code)) << line;
  }
  for (const Catalogue_Entry& e : All_Entries()) {
    EXPECT_TRUE(listed.contains(e.code)) << "no line selects " << e.caption;
  }
  for (int code : kCodesWithoutEntry) EXPECT_TRUE(listed.contains(code)) << code;
}

TEST(Device_List, AlternativePartNumbersShareOneCode) {
  const auto& lines = Device_List_Lines();
  auto count = [&](int code) {
    return std::count_if(lines.begin(), lines.end(),
                         [code](const std::string& l) { return Code_Of_Line(l) == code; });
  };
  EXPECT_EQ(Code_Of_Line(lines[277]), 211);  // M48T08(Y)
  EXPECT_EQ(Code_Of_Line(lines[278]), 211);  // M48T18
  EXPECT_EQ(Code_Of_Line(lines[279]), 211);  // M48T58(Y)
  EXPECT_EQ(count(211), 3);
  EXPECT_EQ(count(41), 2);
  EXPECT_EQ(count(201), 2);
  EXPECT_EQ(count(202), 3);
  EXPECT_EQ(count(210), 2);
  EXPECT_EQ(count(213), 2);
}

TEST(Device_List, Am29LV160SelectsNoDeviceAndLeavesM28F102ItsOwnLine) {
  const auto& lines = Device_List_Lines();
  EXPECT_EQ(lines[235], "Am29LV160 AMD        (3V)     1Meg X 16 159");
  EXPECT_EQ(Find_Entry(159), nullptr);
  EXPECT_EQ(Find_Line_With_Code(159), 235);
  EXPECT_EQ(Find_Line_With_Code(181), 195);
  EXPECT_TRUE(lines[195].starts_with("M28F102"));
  int lines_with_181 = 0;
  for (const std::string& line : lines) lines_with_181 += Code_Of_Line(line) == 181;
  EXPECT_EQ(lines_with_181, 1);
}

TEST(Device_List, FindLineWithCodeTakesTheFirstLineFromIndexOne) {
  EXPECT_EQ(Find_Line_With_Code(20), 30);
  EXPECT_EQ(Find_Line_With_Code(299), 1);
  EXPECT_EQ(Find_Line_With_Code(41), 53);  // 27011, ahead of 27C011
  EXPECT_EQ(Find_Line_With_Code(211), 277);
  EXPECT_EQ(Find_Line_With_Code(485), 463);
  EXPECT_EQ(Find_Line_With_Code(999), -1);
  EXPECT_EQ(Find_Line_With_Code(0), -1);  // gaps and headings read as 0: never a match
  EXPECT_EQ(Find_Line_With_Code(-1), -1);
}

}  // namespace
}  // namespace memprog
