#include "memprog/catalogue/erase_kinds.h"

#include <algorithm>
#include <array>

namespace memprog {

namespace {

using enum Erase_Procedure;

constexpr uint32_t k28F200_Sectors[] = {0x00000, 0x02000, 0x03000, 0x04000,
                                        0x10000, 0x1C000, 0x1D000, 0x1E000};
constexpr uint32_t k28F400_Sectors[] = {0x00000, 0x02000, 0x03000, 0x04000, 0x10000,
                                        0x20000, 0x30000, 0x3C000, 0x3D000, 0x3E000};
constexpr uint32_t k28F800_Sectors[] = {0x00000, 0x02000, 0x03000, 0x04000, 0x10000,
                                        0x20000, 0x30000, 0x40000, 0x50000, 0x60000,
                                        0x70000, 0x7C000, 0x7D000, 0x7E000};
constexpr uint32_t k28F001BX_Sectors[] = {0x00000, 0x02000, 0x03000, 0x04000,
                                          0x1C000, 0x1D000, 0x1E000};

// One row per erase type. Fields:
//   type           the Tag of Erase_But
//   procedure      Erase_Procedure: what the erase run sends and how it judges the replies
//   second_button  the type erases from Erase_But2 ("Erase Device") instead of Erase_But
//   sectors        Sector_List: the sectors in the order they are erased
//   failure_bits   Sector_List: bits of the last reply that mean the erase failed
constexpr std::array<Erase_Kind, 22> kErase_Kinds = {{
    {.type = Erase_Type::No_Erase, .procedure = Nothing},
    {.type = Erase_Type::Check_27x256, .procedure = Erase_Then_Check},
    {.type = Erase_Type::Check_27x512, .procedure = Erase_Then_Check},
    {.type = Erase_Type::Check_27x010, .procedure = Erase_Then_Check},
    {.type = Erase_Type::Status_Amd, .procedure = Status_Byte},
    {.type = Erase_Type::Status_At49F00x, .procedure = Status_Byte},
    {.type = Erase_Type::Status_Mxic, .procedure = Status_Byte},
    {.type = Erase_Type::Check_28SF, .procedure = Erase_Then_Check},
    {.type = Erase_Type::Check_49LF, .procedure = Erase_Then_Check},
    {.type = Erase_Type::Sectors_28F200,
     .procedure = Sector_List,
     .sectors = k28F200_Sectors,
     .failure_bits = 0x30},
    {.type = Erase_Type::Sectors_28F400,
     .procedure = Sector_List,
     .sectors = k28F400_Sectors,
     .failure_bits = 0x30},
    {.type = Erase_Type::Sectors_28F800,
     .procedure = Sector_List,
     .sectors = k28F800_Sectors,
     .failure_bits = 0x30},
    {.type = Erase_Type::Sectors_28F001BX,
     .procedure = Sector_List,
     .sectors = k28F001BX_Sectors,
     .failure_bits = 0x20},
    {.type = Erase_Type::Vpp_Unused, .procedure = Vpp_Then_Erase},
    {.type = Erase_Type::Zeros_Then_Erase, .procedure = Zeros_Then_Erase},
    {.type = Erase_Type::Check_52B33H, .procedure = Erase_Then_Check},
    {.type = Erase_Type::Unused_16, .procedure = Nothing},
    {.type = Erase_Type::Unused_17, .procedure = Nothing},
    {.type = Erase_Type::Unused_18, .procedure = Nothing},
    {.type = Erase_Type::Unused_19, .procedure = Nothing},
    {.type = Erase_Type::Vpp_Atmel_Micro, .procedure = Vpp_Then_Erase, .second_button = true},
    {.type = Erase_Type::Vpp_Philips_Micro, .procedure = Vpp_Then_Erase, .second_button = true},
}};

}  // namespace

const Erase_Kind* Find_Erase_Kind(Erase_Type type) {
  auto it = std::find_if(kErase_Kinds.begin(), kErase_Kinds.end(),
                         [&](const Erase_Kind& k) { return k.type == type; });
  return it == kErase_Kinds.end() ? nullptr : &*it;
}

}  // namespace memprog
