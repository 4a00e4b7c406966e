#include "progsim/calibration.h"

namespace progsim {

namespace {
constexpr uint8_t kSupplyStep = 20, kVppStep = 31, kApplyTrim = 7;
bool Is_Level(int level) {
  return level >= 1 && level <= 4;
}
}  // namespace

uint8_t Vpp_Calibration::Test(const uint8_t* p) {
  switch (p[3]) {
    case kVppStep:
      level_ = Is_Level(p[4]) ? p[4] : 0;
      if (level_) in_use_ = Stored(level_);
      break;
    case kSupplyStep:
      level_ = 0;
      in_use_ = Stored(1);
      break;
    case kApplyTrim:
      in_use_ = p[2];
      break;
    default:
      level_ = 0;
      break;
  }
  return in_use_;
}

void Vpp_Calibration::Store(const uint8_t* p) {
  if (p[3] == 0) {
    store_open_ = true;
    return;
  }
  if (store_open_ && Is_Level(p[3])) stored_[p[3] - 1] = p[4];
  store_open_ = false;
}

}  // namespace progsim
