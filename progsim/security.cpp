#include "progsim/security.h"

namespace progsim {

int Lock_Bit_Named(Lock_Scheme scheme, const uint8_t* p) {
  switch (scheme) {
    case Lock_Scheme::None:
      return 0;
    case Lock_Scheme::Pattern:
      if (p[2] == 0xC0 && p[3] == 0xC0) return 1;
      if (p[2] == 0x00 && p[3] == 0xC0) return 2;
      if (p[2] == 0x40 && p[3] == 0x40) return 3;
      return 0;
    case Lock_Scheme::Variant:
      if (p[2] != 0x40 || p[3] != 0x40) return 0;
      if (p[5] == 4) return 1;
      if (p[5] == 2) return 2;
      if (p[5] == 0) return 3;
      return 0;
  }
  return 0;
}

}  // namespace progsim
