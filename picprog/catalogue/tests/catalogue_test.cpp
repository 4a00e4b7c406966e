#include "picprog/catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "picprog/catalogue/device_box.h"

namespace picprog {
namespace {

const std::string kAdapterHeader = "******  Mcu 9 Adapter Required  ******";
const std::string kNoAdapterHeader = "*******  No Apadter Required  ********  ";
const std::set<int> kEntryless = {51, 52, 56, 84, 85, 86, 112, 113, 114, 115};
const std::set<int> kTwelveBit = {1, 2, 3, 30, 31, 34};

bool Is_Device_Line(std::string_view line) {
  return line.size() >= 41;
}

// `text` is `chars` of `allowed` and then blanks only.
bool Filled_Then_Blank(std::string_view text, std::string_view allowed, size_t min, size_t max) {
  size_t n = text.find_first_not_of(allowed);
  if (n == std::string_view::npos) n = text.size();
  return n >= min && n <= max && text.find_first_not_of(' ', n) == std::string_view::npos;
}

// Name in 1..9, note from 10 to before 30, size in 30..40, code right-aligned in 41..43.
void Expect_Device_Columns(const std::string& line) {
  ASSERT_EQ(line.size(), 43u) << line;
  EXPECT_TRUE(Filled_Then_Blank(line.substr(0, 9), "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ/", 4, 8))
      << line;
  std::string note = line.substr(9, 20);
  size_t close = note.find(')');
  EXPECT_EQ(note[0], '(') << line;
  ASSERT_NE(close, std::string::npos) << line;
  EXPECT_TRUE(Filled_Then_Blank(note.substr(close + 1), "", 0, 0)) << line;
  std::string size = line.substr(29, 11);
  bool k = size[0] == ' ' && size[1] >= '1' && size[1] <= '8' && size[2] == 'K';
  bool words = Filled_Then_Blank(size.substr(0, 3), "0123456789", 3, 3);
  EXPECT_TRUE(k || words) << line;
  EXPECT_TRUE(size.substr(3) == " X 12   " || size.substr(3) == " X 14   ") << line;
  std::string code = line.substr(40);
  size_t digits = code.find_first_not_of(' ');
  ASSERT_NE(digits, std::string::npos) << line;
  EXPECT_NE(code[digits], '0') << line;
  EXPECT_EQ(code.find_first_not_of("0123456789", digits), std::string::npos) << line;
}

TEST(DeviceBox, HeadersBlanksAndDeviceLinesInTheirColumns) {
  ASSERT_EQ(Device_Box_Lines.size(), 136u);
  EXPECT_EQ(Device_Box_Lines[0], kAdapterHeader);
  int headers = 0, blanks = 0, devices = 0;
  for (std::string_view line : Device_Box_Lines) {
    std::string text(line);
    if (text == kAdapterHeader || text == kNoAdapterHeader) {
      ++headers;
    } else if (text.empty()) {
      ++blanks;
    } else {
      ++devices;
      Expect_Device_Columns(text);
    }
    if (!Is_Device_Line(line)) {
      EXPECT_EQ(Device_Code_Of_Line(line), 0) << text;
    }
  }
  EXPECT_EQ(headers, 2);
  EXPECT_EQ(devices, 116);
  EXPECT_EQ(blanks, 18);
  EXPECT_EQ(kNoAdapterHeader.size(), 40u);  // its two trailing blanks are part of it
}

TEST(DeviceBox, AdapterPartsComeFirstAndGroupsEndWithABlankLine) {
  EXPECT_EQ(Device_Box_Lines[1], "");
  EXPECT_EQ(Device_Box_Lines[2], "16C52    (Use 18 Pin Socket) 384 X 12    11");
  EXPECT_EQ(Device_Box_Lines[14], "");
  EXPECT_EQ(Device_Box_Lines[15], kNoAdapterHeader);
  for (size_t i = 2; i < 14; ++i) {
    const Pic_Device* d = Find_Device(Device_Code_Of_Line(Device_Box_Lines[i]));
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->panel == Panel::P18 || d->panel == Panel::P28);
  }
  EXPECT_EQ(Device_Box_Lines[135], "16F877A  (40 Pin)             8K X 14    97");
  for (size_t i = 1; i < Device_Box_Lines.size(); ++i)  // never two blank lines in a row
    EXPECT_FALSE(Device_Box_Lines[i].empty() && Device_Box_Lines[i - 1].empty()) << i;
}

TEST(DeviceBox, EveryCodeIsUniqueAndSelectsAnEntryOrIsKnownToSelectNone) {
  std::vector<int> listed;
  for (std::string_view line : Device_Box_Lines)
    if (Is_Device_Line(line)) listed.push_back(Device_Code_Of_Line(line));
  EXPECT_EQ(std::set<int>(listed.begin(), listed.end()).size(), listed.size());
  std::vector<int> with_entry;
  for (int code : listed) {
    if (kEntryless.count(code))
      EXPECT_EQ(Find_Device(code), nullptr) << code;
    else if (Find_Device(code))
      with_entry.push_back(code);
    else
      ADD_FAILURE() << "listed code " << code << " has no entry";
  }
  // The table holds exactly the listed codes with an entry, in list order.
  ASSERT_EQ(with_entry.size(), Pic_Devices.size());
  for (size_t i = 0; i < with_entry.size(); ++i) EXPECT_EQ(Pic_Devices[i].code, with_entry[i]);
}

TEST(Catalogue, EntriesAgreeWithTheirListLines) {
  std::map<int, std::string> lines;
  for (std::string_view line : Device_Box_Lines)
    if (Is_Device_Line(line)) lines[Device_Code_Of_Line(line)] = std::string(line);
  for (const Pic_Device& d : Pic_Devices) {
    const std::string& line = lines[d.code];
    std::string name = line.substr(0, line.find(' '));
    std::string caption(d.caption);
    // The button names a part as the list does, or by a longer name (16C62A/B/C); only the
    // 12CE518 and 12CE519 show as 12C518 and 12C519.
    if (d.code == 3 || d.code == 4)
      EXPECT_EQ(caption, "12C" + name.substr(4)) << line;
    else
      EXPECT_EQ(caption.rfind(name, 0), 0u) << caption << " / " << line;

    // "512 X 12", " 1K X 14": words and width. 16C557/558 say 2K but end at 0x03FF.
    std::string count = line.substr(29, 3);
    unsigned words = count.back() == 'K' ? (count[1] - '0') * 1024u : std::stoul(count);
    if (d.code != 43 && d.code != 44) {
      EXPECT_EQ(d.prog_end + 1u, words) << line;
    }
    bool twelve = line.substr(35, 2) == "12";
    EXPECT_EQ(twelve, kTwelveBit.count(d.family) == 1) << line;

    EXPECT_NE(Find_Family(d.family), nullptr) << d.code;
    EXPECT_GE(d.ee_size, 0);
    EXPECT_LE(d.ee_size, 3);
    EXPECT_LE(d.prog_end, 0x1FFF);
  }
}

// The pin set-up code follows from the part and its socket diagram.
int Expected_Pin_Code(const Pic_Device& d) {
  switch (d.family) {
    case 5:
    case 12:
    case 14:
      return 70;
    case 22:
      return 74;
    case 23:
      return 75;
    case 9:
      return 78;
    case 30:
    case 31:
      return 77;
    case 1:
    case 2:
    case 3:
    case 34:
      return 79;
  }
  switch (d.panel) {
    case Panel::Pin_8:
    case Panel::Pin_14:
    case Panel::Pin_20A:
      return 76;
    case Panel::Pin_28S:
    case Panel::Pin_68:
      return 72;
    case Panel::Pin_40:
      return 73;
    default:
      return 71;
  }
}

TEST(Catalogue, PinCodesFollowTheirUse) {
  for (const Pic_Device& d : Pic_Devices) EXPECT_EQ(d.pin_code, Expected_Pin_Code(d)) << d.caption;
}

TEST(Catalogue, FamiliesDecideEraseBlankAndDataEeprom) {
  const std::set<int> erase = {5, 9, 12, 14, 22, 23, 27, 31, 32, 33};
  const std::set<int> with_ee = {12, 14, 22, 23, 27, 32, 33};
  std::set<int> used;
  for (const Pic_Device& d : Pic_Devices) {
    used.insert(d.family);
    EXPECT_EQ(d.ee_size != 0, with_ee.count(d.family) == 1) << d.caption;
  }
  EXPECT_EQ(used.size(), Pic_Families.size());  // no family without a device
  for (int f = 0; f <= 40; ++f) {
    EXPECT_EQ(Can_Erase(f), erase.count(f) == 1) << f;
    uint16_t blank = (f == 1 || f == 2 || f == 3 || f == 30 || f == 31) ? 0x0FFF : 0x3FFF;
    EXPECT_EQ(Fuse_Blank(f), blank) << f;
  }
  EXPECT_EQ(Find_Family(0), nullptr);
  EXPECT_EQ(Find_Family(4), nullptr);
  EXPECT_EQ(EE_End(0), 0);
  EXPECT_EQ(EE_End(1), 0x203F);
  EXPECT_EQ(EE_End(2), 0x207F);
  EXPECT_EQ(EE_End(3), 0x20FF);
}

TEST(Catalogue, PartsTheUserPicks) {
  const Pic_Device* f877a = Find_Device(97);
  ASSERT_NE(f877a, nullptr);
  EXPECT_EQ(f877a->caption, "16F877A");
  EXPECT_EQ(f877a->family, 23);
  EXPECT_EQ(f877a->prog_end, 0x1FFF);
  EXPECT_EQ(f877a->pin_code, 75);
  EXPECT_EQ(EE_End(f877a->ee_size), 0x20FF);
  EXPECT_TRUE(Can_Erase(f877a->family));
  EXPECT_EQ(Fuse_Blank(f877a->family), 0x3FFF);
  EXPECT_EQ(Panel_Name(f877a->panel), "Pin_40");

  EXPECT_EQ(Fuse_Blank(Find_Device(1)->family), 0x0FFF);    // 12C508/A
  EXPECT_EQ(Fuse_Blank(Find_Device(116)->family), 0x3FFF);  // 16C505
  EXPECT_EQ(Panel_Name(Find_Device(116)->panel), "Pin_18A");

  const Pic_Device* f84 = Find_Device(73);
  EXPECT_TRUE(Can_Erase(f84->family));
  EXPECT_EQ(f84->ee_size, 0);

  EXPECT_EQ(Find_Device(11)->prog_end, 0x017F);  // 16C52
  EXPECT_EQ(Find_Device(85), nullptr);           // 16F818 is listed only
  EXPECT_EQ(Find_Device(0), nullptr);
}

TEST(DeviceBox, ClickedLineGivesTheNumberAtColumns41To43) {
  const std::string pad(40, ' ');
  EXPECT_EQ(Device_Code_Of_Line(pad + "116"), 116);
  EXPECT_EQ(Device_Code_Of_Line(pad + "  7"), 7);
  EXPECT_EQ(Device_Code_Of_Line(pad + " 9"), 9);       // shorter line: fewer characters
  EXPECT_EQ(Device_Code_Of_Line(pad + "12345"), 123);  // only three characters count
  EXPECT_EQ(Device_Code_Of_Line(pad), 0);              // nothing there
  EXPECT_EQ(Device_Code_Of_Line(pad + "   "), 0);
  EXPECT_EQ(Device_Code_Of_Line(pad + "1 2"), 0);  // not a number: no device
  EXPECT_EQ(Device_Code_Of_Line(pad + "-12"), 0);
  EXPECT_EQ(Device_Code_Of_Line(""), 0);
  EXPECT_EQ(Device_Code_Of_Line(Device_Box_Lines[0]), 0);
  EXPECT_EQ(Device_Code_Of_Line(Device_Box_Lines[15]), 0);
}

}  // namespace
}  // namespace picprog
