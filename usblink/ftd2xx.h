// The nine calls of the FTDI D2XX driver that the programs use, with the driver's own names,
// types and constants. Two backends implement them behind one dispatch: libftdi1 for the real
// programmer and the simulated programmer; each program's main installs one.
#pragma once

#include <cstdint>
#include <vector>

#include "usblink/seen_device.h"

using DWORD = uint32_t;
using ULONG = uint32_t;
using LPDWORD = DWORD*;
using PVOID = void*;
using LPVOID = void*;
using FT_HANDLE = void*;
using FT_STATUS = ULONG;

enum : FT_STATUS {
  FT_OK = 0,
  FT_INVALID_HANDLE = 1,
  FT_DEVICE_NOT_FOUND = 2,
  FT_DEVICE_NOT_OPENED = 3,
  FT_IO_ERROR = 4,
  FT_INSUFFICIENT_RESOURCES = 5,
  FT_INVALID_PARAMETER = 6,
  FT_OTHER_ERROR = 18,
};

// FT_ListDevices flags.
constexpr DWORD FT_LIST_NUMBER_ONLY = 0x80000000;
constexpr DWORD FT_LIST_BY_INDEX = 0x40000000;
constexpr DWORD FT_LIST_ALL = 0x20000000;
// FT_OpenEx flags (also combined with the list flags).
constexpr DWORD FT_OPEN_BY_SERIAL_NUMBER = 1;
constexpr DWORD FT_OPEN_BY_DESCRIPTION = 2;
// FT_Purge masks.
constexpr ULONG FT_PURGE_RX = 1;
constexpr ULONG FT_PURGE_TX = 2;

FT_STATUS FT_ListDevices(PVOID pArg1, PVOID pArg2, DWORD Flags);
FT_STATUS FT_OpenEx(PVOID pArg1, DWORD Flags, FT_HANDLE* pHandle);
FT_STATUS FT_Close(FT_HANDLE ftHandle);
FT_STATUS FT_ResetDevice(FT_HANDLE ftHandle);
FT_STATUS FT_Purge(FT_HANDLE ftHandle, ULONG Mask);
FT_STATUS FT_SetTimeouts(FT_HANDLE ftHandle, ULONG ReadTimeout, ULONG WriteTimeout);
FT_STATUS FT_GetQueueStatus(FT_HANDLE ftHandle, DWORD* dwRxBytes);
FT_STATUS FT_Write(FT_HANDLE ftHandle, LPVOID lpBuffer, DWORD dwBytesToWrite,
                   LPDWORD lpBytesWritten);
FT_STATUS FT_Read(FT_HANDLE ftHandle, LPVOID lpBuffer, DWORD dwBytesToRead,
                  LPDWORD lpBytesReturned);

// One implementation of the nine calls.
struct Ftd2xx_Backend {
  const char* name;
  FT_STATUS (*ListDevices)(PVOID, PVOID, DWORD);
  FT_STATUS (*OpenEx)(PVOID, DWORD, FT_HANDLE*);
  FT_STATUS (*Close)(FT_HANDLE);
  FT_STATUS (*ResetDevice)(FT_HANDLE);
  FT_STATUS (*Purge)(FT_HANDLE, ULONG);
  FT_STATUS (*SetTimeouts)(FT_HANDLE, ULONG, ULONG);
  FT_STATUS (*GetQueueStatus)(FT_HANDLE, DWORD*);
  FT_STATUS (*Write)(FT_HANDLE, LPVOID, DWORD, LPDWORD);
  FT_STATUS (*Read)(FT_HANDLE, LPVOID, DWORD, LPDWORD);
  // Not a D2XX call: every FTDI device the backend sees and whether it can be opened, for the
  // diagnostics of a failed search. Null when the backend cannot tell.
  std::vector<Seen_Device> (*Survey)();
};

// Makes `backend` the one the FT_* calls go to. Until a backend is installed every call fails.
void Ftd2xx_Install(const Ftd2xx_Backend& backend);
const Ftd2xx_Backend& Ftd2xx_Installed();
// The installed backend's survey; empty when it cannot tell.
std::vector<Seen_Device> Survey_Devices();
