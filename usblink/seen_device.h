// One FTDI device on the bus as a backend sees it, for diagnostics: who it is and whether this
// program can open it.
#pragma once

#include <cstdint>
#include <string>

enum class Device_Access {
  In_Use_Here,    // opened by this program
  Openable,       // could be opened
  No_Permission,  // the operating system refuses this user
  Busy,           // another program holds it
  Failed,         // any other failure, named in `detail`
};

struct Seen_Device {
  uint16_t vendor = 0;
  uint16_t product = 0;
  int bus = 0;
  int address = 0;
  std::string serial;  // empty when it could not be read
  Device_Access access = Device_Access::Openable;
  std::string detail;  // the failure in the backend's words
};
