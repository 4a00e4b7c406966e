// The nine D2XX calls, dispatched to the backend the program's main (or a test's set-up)
// installed.
#include "usblink/ftd2xx.h"

namespace {

// Before any backend is installed every call fails, as a driver that is not loaded would.
FT_STATUS No_Driver_List(PVOID, PVOID, DWORD) {
  return FT_OTHER_ERROR;
}
FT_STATUS No_Driver_Open(PVOID, DWORD, FT_HANDLE*) {
  return FT_OTHER_ERROR;
}
FT_STATUS No_Driver(FT_HANDLE) {
  return FT_OTHER_ERROR;
}
FT_STATUS No_Driver_Purge(FT_HANDLE, ULONG) {
  return FT_OTHER_ERROR;
}
FT_STATUS No_Driver_Timeouts(FT_HANDLE, ULONG, ULONG) {
  return FT_OTHER_ERROR;
}
FT_STATUS No_Driver_Queue(FT_HANDLE, DWORD*) {
  return FT_OTHER_ERROR;
}
FT_STATUS No_Driver_Transfer(FT_HANDLE, LPVOID, DWORD, LPDWORD done) {
  if (done) *done = 0;
  return FT_OTHER_ERROR;
}

const Ftd2xx_Backend kNo_Driver = {
    "none",          No_Driver_List,     No_Driver_Open,  No_Driver,          No_Driver,
    No_Driver_Purge, No_Driver_Timeouts, No_Driver_Queue, No_Driver_Transfer, No_Driver_Transfer,
    nullptr};

const Ftd2xx_Backend* g_backend = &kNo_Driver;

}  // namespace

void Ftd2xx_Install(const Ftd2xx_Backend& backend) {
  g_backend = &backend;
}

const Ftd2xx_Backend& Ftd2xx_Installed() {
  return *g_backend;
}

std::vector<Seen_Device> Survey_Devices() {
  return g_backend->Survey ? g_backend->Survey() : std::vector<Seen_Device>{};
}

FT_STATUS FT_ListDevices(PVOID a, PVOID b, DWORD f) {
  return g_backend->ListDevices(a, b, f);
}
FT_STATUS FT_OpenEx(PVOID a, DWORD f, FT_HANDLE* h) {
  return g_backend->OpenEx(a, f, h);
}
FT_STATUS FT_Close(FT_HANDLE h) {
  return g_backend->Close(h);
}
FT_STATUS FT_ResetDevice(FT_HANDLE h) {
  return g_backend->ResetDevice(h);
}
FT_STATUS FT_Purge(FT_HANDLE h, ULONG m) {
  return g_backend->Purge(h, m);
}
FT_STATUS FT_SetTimeouts(FT_HANDLE h, ULONG r, ULONG w) {
  return g_backend->SetTimeouts(h, r, w);
}
FT_STATUS FT_GetQueueStatus(FT_HANDLE h, DWORD* n) {
  return g_backend->GetQueueStatus(h, n);
}
FT_STATUS FT_Write(FT_HANDLE h, LPVOID b, DWORD n, LPDWORD w) {
  return g_backend->Write(h, b, n, w);
}
FT_STATUS FT_Read(FT_HANDLE h, LPVOID b, DWORD n, LPDWORD r) {
  return g_backend->Read(h, b, n, r);
}
