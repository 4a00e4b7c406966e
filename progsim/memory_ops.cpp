// The simulated programmer's answers to the memory-device operations beyond reading and
// programming: electronic ID, lock bits, timekeeper clock, erase, Vpp calibration, adapter test.
#include "progsim/erase.h"
#include "progsim/programmer.h"
#include "progsim/security.h"
#include "progsim/timekeeper.h"

namespace progsim {

namespace {
bool Is_Id_Method(uint8_t m) {
  return m != 0 && (m & (m - 1)) == 0 && m <= 16;
}
}  // namespace

uint8_t Programmer::Active_Locks() const {
  return Traits_Of_Family(chip_.Family()).locks == Lock_Scheme::None ? 0 : lock_bits_;
}

Programmer::Reply Programmer::Device_Operation(const uint8_t* p) {
  switch (p[0]) {
    case 0x18:
      return Electronic_Id(p);
    case 0x3C:
      return Program_Security(p);
    case 0x3E:
      return Clock_Block(p);
    case 0x40:
      return Erase_Memory(p);
    case 0x70:
      return Voltage_Test(p);
    case 0x72:
      calibration_.Store(p);
      return Header(0x72);
    case 0x78:
      return Adapter_Test();
    default:
      return Header(p[0]);
  }
}

Programmer::Reply Programmer::Electronic_Id(const uint8_t* p) {
  uint8_t method = p[1];
  bool answers = options_.id && Is_Id_Method(method) && (method & options_.id_methods);
  auto [mfg, dev] = answers ? *options_.id : kNoId;
  Reply r = Header(0x18);
  r[4] = mfg;
  r[5] = dev;
  return r;
}

Programmer::Reply Programmer::Program_Security(const uint8_t* p) {
  int bit = Lock_Bit_Named(Traits_Of_Family(chip_.Family()).locks, p);
  if (bit) lock_bits_ |= static_cast<uint8_t>(1 << (bit - 1));
  return Header(0x3C);
}

Programmer::Reply Programmer::Clock_Block(const uint8_t* p) {
  Reply r = Header(0x3E);
  r[6] = Write_Clock(chip_, p);
  return r;
}

Programmer::Reply Programmer::Erase_Memory(const uint8_t* p) {
  ++erase_commands_;
  Erase_Outcome e = Erase(chip_, p, Fault(Fault::Fail_Erase, erase_commands_));
  if (e.chip_erased) lock_bits_ = 0;
  protection_on_ |= e.protection_on;
  Reply r = Header(0x40);
  r[6] = e.status;
  return r;
}

Programmer::Reply Programmer::Voltage_Test(const uint8_t* p) {
  Reply r = Header(0x70);
  r[6] = calibration_.Test(p);
  return r;
}

Programmer::Reply Programmer::Adapter_Test() {
  Reply r = Header(0x78);
  std::copy(options_.adapter.begin(), options_.adapter.end(), r.begin() + 1);
  return r;
}

}  // namespace progsim
