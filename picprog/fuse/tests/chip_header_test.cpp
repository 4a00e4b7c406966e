// The editor against the configuration-bit values of an independent assembler's device headers
// (gputils, header/pXXXX.inc): for every catalogue part that has one, the radios and boxes write
// what the header's symbols for their captions write, and the part's protected words show as
// protected. A part without a header is skipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "common/hex.h"
#include "picprog/catalogue/catalogue.h"
#include "picprog/catalogue/device_box.h"
#include "picprog/fuse/fuse_editor.h"

namespace picprog {
namespace {

namespace fs = std::filesystem;

const fs::path kHeaders = "/usr/share/gputils/header";

// Symbol names upper-cased, e.g. "_CP_ON" -> 0x1FFF.
using Symbols = std::map<std::string, uint16_t>;

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), ::toupper);
  return text;
}

// Lines of the form "_CP_ON  EQU  H'1FFF'  ; comment".
Symbols Read_Header(const fs::path& file) {
  Symbols symbols;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string name, equ, value;
    if (!(words >> name >> equ >> value) || !name.starts_with('_') || Upper(equ) != "EQU" ||
        !Upper(value).starts_with("H'"))
      continue;
    unsigned number = 0;
    auto [end, error] = std::from_chars(value.data() + 2, value.data() + value.size(), number, 16);
    if (error == std::errc() && *end == '\'')
      symbols.emplace(Upper(name), static_cast<uint16_t>(number));
  }
  return symbols;
}

// The headers of a device's list name: "16F84/A" stands for 16F84 and 16F84A, "16C54B/C" for
// 16C54B and 16C54C.
std::vector<fs::path> Headers_Of(const Pic_Device& d) {
  auto line = std::find_if(Device_Box_Lines.begin(), Device_Box_Lines.end(),
                           [&](std::string_view l) { return Device_Code_Of_Line(l) == d.code; });
  std::string name(line->substr(0, line->find(' ')));
  std::vector<std::string> parts{name.substr(0, name.find('/'))};
  std::string stem = parts[0];
  while (std::isalpha(static_cast<unsigned char>(stem.back()))) stem.pop_back();
  for (size_t slash = name.find('/'); slash != std::string::npos; slash = name.find('/', slash + 1))
    parts.push_back(stem + name.substr(slash + 1, name.find('/', slash + 1) - slash - 1));
  std::vector<fs::path> found;
  for (std::string p : parts) {
    std::transform(p.begin(), p.end(), p.begin(), ::tolower);
    if (fs::exists(kHeaders / ("p" + p + ".inc"))) found.push_back(kHeaders / ("p" + p + ".inc"));
  }
  return found;
}

// The header symbols that name each radio caption's oscillator mode.
const std::map<std::string, std::vector<std::string>> kMode_Symbols = {
    {"Low Power", {"_LP_OSC"}},
    {"Xtal", {"_XT_OSC"}},
    {"Hi Speed", {"_HS_OSC"}},
    {"External RC", {"_RC_OSC", "_EXTRC_OSC"}},
    {"Ext Clk", {"_EC_OSC", "_EXTCLK_OSC"}},
    {"EC", {"_EC_OSC", "_EXTCLK_OSC"}},
    {"HS PLL", {"_H4_OSC"}},
    {"Ext Clk PLL", {"_E4_OSC"}},
    {"Int RC", {"_INTRC_OSC"}},
    {"Int RC I/O", {"_INTRC_OSC_NOCLKOUT", "_INTRC_OSC_RB4EN"}},
    {"Int RC Clk Out", {"_INTRC_OSC_CLKOUT", "_INTRC_OSC_CLKOUTEN"}},
    {"Ext R I/O", {"_ER_OSC_NOCLKOUT", "_EXTRC_OSC_NOCLKOUT", "_EXTRC_OSC_RB4EN"}},
    {"Ext R Clk Out", {"_ER_OSC_CLKOUT", "_EXTRC_OSC_CLKOUT", "_EXTRC_OSC_CLKOUTEN"}},
};

// Each box with the symbols of its checked and unchecked state.
struct Box_Symbols {
  Check_Box box;
  const char* checked;
  const char* unchecked;
};
constexpr Box_Symbols kBox_Symbols[] = {
    {Check_Box::WDT, "_WDT_ON", "_WDT_OFF"},     {Check_Box::PUT, "_PWRTE_ON", "_PWRTE_OFF"},
    {Check_Box::BOR, "_BODEN_ON", "_BODEN_OFF"}, {Check_Box::MCLR, "_MCLRE_OFF", "_MCLRE_ON"},
    {Check_Box::LVP, "_LVP_ON", "_LVP_OFF"},
};

class ChipHeaders : public ::testing::TestWithParam<Pic_Device> {
 protected:
  void Select() { ed.Decode(Fuse_Blank(family) & 0x3FFF, family); }

  void Check_Radios(const Symbols& h) {
    uint16_t any = 0, all = 0xFFFF;  // the oscillator field: the bits its symbols change
    for (const auto& [caption, names] : kMode_Symbols)
      for (const std::string& n : names)
        if (h.contains(n)) any |= h.at(n), all &= h.at(n);
    const uint16_t field = any ^ all;
    Select();
    for (size_t i = 0; i < kOsc_Radios; ++i) {
      const Osc r = static_cast<Osc>(i);
      if (!ed.Radio(r).enabled) continue;
      const std::string caption = ed.Radio(r).caption;
      ASSERT_TRUE(kMode_Symbols.contains(caption)) << caption;
      ed.Choose_Radio(r, family);
      int named = 0;
      for (const std::string& n : kMode_Symbols.at(caption)) {
        if (!h.contains(n)) continue;
        ++named;
        EXPECT_EQ(common::Hex(fuse_word & field, 4), common::Hex(h.at(n) & field, 4))
            << "\"" << caption << "\" writes another mode than " << n;
      }
      EXPECT_GT(named, 0) << "the chip has no mode \"" << caption << "\"";
    }
  }

  void Check_Boxes(const Symbols& h) {
    Select();
    for (const Box_Symbols& b : kBox_Symbols) {
      const std::string box(Check_Box_Names[static_cast<size_t>(b.box)]);
      const bool has = h.contains(b.checked) && h.contains(b.unchecked);
      ASSERT_EQ(ed.Box(b.box).enabled, has) << box;
      if (!has) continue;
      const uint16_t bits = h.at(b.checked) ^ h.at(b.unchecked);
      for (bool checked : {true, false}) {
        ed.Set_Check(b.box, checked, family);
        EXPECT_EQ(fuse_word & bits, h.at(checked ? b.checked : b.unchecked) & bits)
            << box << (checked ? " checked" : " unchecked");
      }
    }
  }

  // Every protected word shows protection, the partial ones as such. Written back, protection
  // is all or nothing, and the full one protects every bit the chip's own does.
  void Check_Protection(const Symbols& h) {
    ASSERT_TRUE(h.contains("_CP_OFF"));
    int full = 0;
    for (const auto& [name, word] : h) {
      if (!name.starts_with("_CP_")) continue;
      const bool off = name == "_CP_OFF", whole = name == "_CP_ALL" || name == "_CP_ON";
      ed.Decode(word, family);
      EXPECT_EQ(Name(ed.Code_Protection()), off ? "off" : whole ? "on" : "partial") << name;
      EXPECT_EQ(ed.Box(Check_Box::Protec).checked, !off) << name;
      ed.Encode(family);
      EXPECT_EQ(Name(ed.Code_Protection()), off ? "off" : "on") << name << " written back";
      if (!whole) continue;
      ++full;
      const uint16_t bits = word ^ h.at("_CP_OFF");
      EXPECT_EQ(common::Hex(fuse_word & bits, 4), common::Hex(word & bits, 4)) << name;
    }
    EXPECT_GT(full, 0) << "no full-protection word";
  }

  static std::string Name(Protection p) {
    return p == Protection::Off ? "off" : p == Protection::On ? "on" : "partial";
  }

  const int family = GetParam().family;
  uint16_t fuse_word = 0, copy = 0;
  Fuse_Editor ed{fuse_word, copy};
};

TEST_P(ChipHeaders, RadiosBoxesAndProtectionAgreeWithTheChipsOwnValues) {
  const std::vector<fs::path> headers = Headers_Of(GetParam());
  if (headers.empty()) GTEST_SKIP() << "no assembler header for " << GetParam().caption;
  for (const fs::path& file : headers) {
    SCOPED_TRACE(file.string());
    const Symbols h = Read_Header(file);
    Check_Radios(h);
    Check_Boxes(h);
    Check_Protection(h);
  }
}

}  // namespace

// Failures name the device, not its bytes.
void PrintTo(const Pic_Device& d, std::ostream* os) {
  *os << d.caption;
}

namespace {

INSTANTIATE_TEST_SUITE_P(Catalogue, ChipHeaders, ::testing::ValuesIn(Pic_Devices),
                         [](const ::testing::TestParamInfo<Pic_Device>& p) {
                           return "Code" + std::to_string(p.param.code);
                         });

}  // namespace
}  // namespace picprog
