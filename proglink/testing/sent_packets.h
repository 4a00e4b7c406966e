// What the host sent the simulated programmer, as the packet tests look at it.
#pragma once

#include <cstdint>
#include <vector>

#include "progsim/programmer.h"

namespace proglink {

// The command byte of every packet, in order.
std::vector<uint8_t> Sent_Codes(const progsim::Programmer& sim);

// The packets with command byte `code`, refused ones included.
std::vector<progsim::Transfer> Sent_With(const progsim::Programmer& sim, uint8_t code);

}  // namespace proglink
