// The D2XX calls on libftdi1: the programmer on USB.
#pragma once

#include "usblink/ftd2xx.h"

const Ftd2xx_Backend& Libftdi_Backend();

// The latency timer the backend sets: every command waits for a reply shorter than a packet,
// which the chip holds this long. 2 ms is the least FTDI advises (1 ms is the USB frame itself).
constexpr unsigned char kLibftdi_Latency_Ms = 2;
