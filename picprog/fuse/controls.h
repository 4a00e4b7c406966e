// The controls of the configuration-word editor, by the names the window gives them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace picprog {

enum class Check_Box {
  Protec,
  WDT,
  PUT,
  BOR,
  Cal_Byte,
  MCLR,
  LVP,
  MPEEN,
  CPMX,
  CPEE,
  IESO,
  FCMEN,
  WURE
};
constexpr size_t kCheck_Boxes = 13;

// The oscillator radios, exclusive, in the order of their field values 0..7.
enum class Osc { LP_Osc, Xtal, Hi_Spd, Ext_Clk, Int_RC_IO, Int_RC_Clk, Ext_R_IO, Ext_R_Clk };
constexpr size_t kOsc_Radios = 8;

// The brown-out voltage radio groups. BORV1 stays hidden for every supported family.
enum class Bor_Group { BORV1, BORV2, BORV3 };
constexpr size_t kBor_Groups = 3;

extern const std::array<std::string_view, kCheck_Boxes> Check_Box_Names;
extern const std::array<std::string_view, kOsc_Radios> Osc_Names;
extern const std::array<std::string_view, kBor_Groups> Bor_Group_Names;

// Captions as the controls are created; the decoder puts these back before a family changes some.
extern const std::array<std::string_view, kCheck_Boxes> Check_Box_Captions;
extern const std::array<std::string_view, kOsc_Radios> Osc_Captions;

// The caption "Brown Out Reset" and the items of each brown-out group; BORV1 has two.
constexpr std::string_view kBor_Group_Caption = "Brown Out Reset";
extern const std::array<std::array<std::string_view, 4>, kBor_Groups> Bor_Items;

// A set of oscillator radios.
using Osc_Set = uint8_t;
constexpr Osc_Set Radio(Osc r) {
  return static_cast<Osc_Set>(1u << static_cast<unsigned>(r));
}

}  // namespace picprog
