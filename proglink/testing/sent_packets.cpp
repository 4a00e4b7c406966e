#include "proglink/testing/sent_packets.h"

namespace proglink {

std::vector<uint8_t> Sent_Codes(const progsim::Programmer& sim) {
  std::vector<uint8_t> codes;
  for (const auto& t : sim.Sent()) codes.push_back(t.Code());
  return codes;
}

std::vector<progsim::Transfer> Sent_With(const progsim::Programmer& sim, uint8_t code) {
  std::vector<progsim::Transfer> found;
  for (const auto& t : sim.Sent())
    if (t.Code() == code) found.push_back(t);
  return found;
}

}  // namespace proglink
