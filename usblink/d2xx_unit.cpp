#include "usblink/d2xx_unit.h"

#include <algorithm>
#include <cstring>

namespace D2XXUnit {

FT_HANDLE USB_Handle = nullptr;
DWORD USB_Rx_Count = 0;
uint8_t USB_Rx_Buf[kBufferSize];
uint8_t USB_Tx_Buf[kBufferSize];
DWORD USB_Device_Count = 0;
char USB_Serial_Buf[50];
std::string USB_Serial_No;

FT_STATUS GetFTDeviceCount() {
  return FT_ListDevices(&USB_Device_Count, nullptr, FT_LIST_NUMBER_ONLY);
}

FT_STATUS GetFTDeviceSerialNo(DWORD index) {
  FT_STATUS status = FT_ListDevices(reinterpret_cast<PVOID>(static_cast<uintptr_t>(index)),
                                    USB_Serial_Buf, FT_LIST_BY_INDEX | FT_OPEN_BY_SERIAL_NUMBER);
  if (status == FT_OK) {
    USB_Serial_Buf[49] = 0;
    USB_Serial_No = USB_Serial_Buf;
  }
  return status;
}

FT_STATUS Open_USB_Device_By_Serial_Number(const std::string& serial) {
  USB_Serial_Buf[0] = 0;
  size_t n = std::min<size_t>(serial.size(), 49);
  std::memcpy(USB_Serial_Buf, serial.data(), n);
  USB_Serial_Buf[n] = 0;
  return FT_OpenEx(USB_Serial_Buf, FT_OPEN_BY_SERIAL_NUMBER, &USB_Handle);
}

FT_STATUS USB_Close() {
  return FT_Close(USB_Handle);
}
FT_STATUS USB_Reset() {
  return FT_ResetDevice(USB_Handle);
}
FT_STATUS USB_Purge_Rx() {
  return FT_Purge(USB_Handle, FT_PURGE_RX);
}

FT_STATUS USB_Set_Timeouts(ULONG read_ms, ULONG write_ms) {
  return FT_SetTimeouts(USB_Handle, read_ms, write_ms);
}

FT_STATUS USB_Queue_Status() {
  return FT_GetQueueStatus(USB_Handle, &USB_Rx_Count);
}

DWORD USB_Write(DWORD count) {
  DWORD written = 0;
  FT_Write(USB_Handle, USB_Tx_Buf, std::min(count, kBufferSize), &written);
  return written;
}

DWORD USB_Read(DWORD count) {
  DWORD got = 0;
  FT_Read(USB_Handle, USB_Rx_Buf, std::min(count, kBufferSize), &got);
  return got;
}

}  // namespace D2XXUnit
