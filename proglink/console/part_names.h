// Part names as people write them: the names a caption or a device list line stands for (its
// "/ALT" alternatives and optional "(X)" parts spelled out), and a name without its maker's
// prefix.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace proglink::console {

std::string Upper(std::string_view text);

// The name a caption or device list line starts with: its first word, with the words a '/' joins
// to it ("2402 /24C02 /24LC02   256 X 8" gives "2402/24C02/24LC02").
std::string Name_Column(std::string_view text);

// Every name `column` stands for, in upper case, itself first: "16F84/A" is 16F84 and 16F84A,
// "M48T08/18/58" M48T08, M48T18 and M48T58, "28(H)(C)256" 28256, 28H256, 28C256 and 28HC256.
std::vector<std::string> Name_Forms(std::string_view column);

// An upper-case name without the maker prefix it starts with (AT28C256: 28C256, PIC16F84A:
// 16F84A), and that maker as the device list names it ("" when it does not, or for no prefix).
// A prefix counts only before a digit.
struct Maker_Split {
  std::string part;
  std::string_view maker;
  bool had_prefix = false;
};
Maker_Split Split_Maker(const std::string& name);

// The upper-case maker word of a device list line ("MXIC"), "" when it names none.
std::string Maker_Column(std::string_view line);

}  // namespace proglink::console
