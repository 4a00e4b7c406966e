// The D2XX calls answered by the simulated programmer (progsim::Current()).
#pragma once

#include "usblink/ftd2xx.h"

namespace progsim {

const Ftd2xx_Backend& Backend();

}  // namespace progsim
