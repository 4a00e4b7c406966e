// The device IDs of the PIC parts that have one: word 0x2006 of the 14-bit flash parts, whose
// bits 13..5 name the part and bits 4..0 its silicon revision. The other parts (the 12-bit ones,
// the EPROM parts, the 16F83 and the first 16F84) have none: word 0x2006 reads erased.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace picprog {

// Bits 13..5 of word 0x2006.
inline constexpr uint16_t kDevice_Id_Mask = 0x3FE0;

// The ID bits the part of this caption answers with; nullopt when it has none.
std::optional<uint16_t> Device_Id_Of(std::string_view caption);

// The captions whose parts answer with the ID bits of `word`, joined by " or "; "" for none.
std::string Parts_With_Device_Id(uint16_t word);

}  // namespace picprog
