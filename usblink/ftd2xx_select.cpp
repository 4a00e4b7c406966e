// The nine D2XX calls, dispatched to the backend chosen once per process.
#include <cstdlib>
#include <cstring>

#include "progsim/ftd2xx_sim.h"
#include "usblink/ftd2xx.h"

const Ftd2xx_Backend& Ftd2xx_Active_Backend() {
  static const Ftd2xx_Backend& chosen = []() -> const Ftd2xx_Backend& {
    const char* which = std::getenv("KV9_PROGRAMMER");
    if (which && std::strcmp(which, "sim") == 0) return progsim::Backend();
    return Libftdi_Backend();
  }();
  return chosen;
}

FT_STATUS FT_ListDevices(PVOID a, PVOID b, DWORD f) {
  return Ftd2xx_Active_Backend().ListDevices(a, b, f);
}
FT_STATUS FT_OpenEx(PVOID a, DWORD f, FT_HANDLE* h) {
  return Ftd2xx_Active_Backend().OpenEx(a, f, h);
}
FT_STATUS FT_Close(FT_HANDLE h) {
  return Ftd2xx_Active_Backend().Close(h);
}
FT_STATUS FT_ResetDevice(FT_HANDLE h) {
  return Ftd2xx_Active_Backend().ResetDevice(h);
}
FT_STATUS FT_Purge(FT_HANDLE h, ULONG m) {
  return Ftd2xx_Active_Backend().Purge(h, m);
}
FT_STATUS FT_SetTimeouts(FT_HANDLE h, ULONG r, ULONG w) {
  return Ftd2xx_Active_Backend().SetTimeouts(h, r, w);
}
FT_STATUS FT_GetQueueStatus(FT_HANDLE h, DWORD* n) {
  return Ftd2xx_Active_Backend().GetQueueStatus(h, n);
}
FT_STATUS FT_Write(FT_HANDLE h, LPVOID b, DWORD n, LPDWORD w) {
  return Ftd2xx_Active_Backend().Write(h, b, n, w);
}
FT_STATUS FT_Read(FT_HANDLE h, LPVOID b, DWORD n, LPDWORD r) {
  return Ftd2xx_Active_Backend().Read(h, b, n, r);
}
