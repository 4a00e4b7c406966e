// D2XXUnit: the only code that calls the D2XX driver. It holds the handle of the programmer and
// the two transfer buffers, and offers one operation per driver call. Every operation returns
// what the driver returned (USB_Write and USB_Read the byte count) and shows nothing itself.
#pragma once

#include <cstdint>
#include <string>

#include "usblink/ftd2xx.h"

namespace D2XXUnit {

constexpr uint32_t kBufferSize = 32768;

extern FT_HANDLE USB_Handle;
extern DWORD USB_Rx_Count;
extern uint8_t USB_Rx_Buf[kBufferSize];
extern uint8_t USB_Tx_Buf[kBufferSize];
extern DWORD USB_Device_Count;
extern char USB_Serial_Buf[50];
extern std::string USB_Serial_No;

FT_STATUS GetFTDeviceCount();
FT_STATUS GetFTDeviceSerialNo(DWORD index);
FT_STATUS Open_USB_Device_By_Serial_Number(const std::string& serial);
FT_STATUS USB_Close();
FT_STATUS USB_Reset();
FT_STATUS USB_Purge_Rx();
FT_STATUS USB_Set_Timeouts(ULONG read_ms, ULONG write_ms);
FT_STATUS USB_Queue_Status();
DWORD USB_Write(DWORD count);
DWORD USB_Read(DWORD count);

}  // namespace D2XXUnit
