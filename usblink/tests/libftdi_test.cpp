// The libftdi1 backend without a programmer attached: every call must fail cleanly.
#include <gtest/gtest.h>

#include "usblink/ftd2xx_libftdi.h"

namespace {

TEST(Libftdi, NoDeviceCountsZeroAndNothingOpens) {
  const Ftd2xx_Backend& b = Libftdi_Backend();
  DWORD count = 99;
  b.ListDevices(&count, nullptr, FT_LIST_NUMBER_ONLY);
  EXPECT_EQ(count, 0u);
  char serial[50] = {};
  EXPECT_NE(b.ListDevices(reinterpret_cast<PVOID>(0), serial,
                          FT_LIST_BY_INDEX | FT_OPEN_BY_SERIAL_NUMBER),
            FT_OK);
  char wanted[] = "FTKV9USB";
  FT_HANDLE h = nullptr;
  EXPECT_NE(b.OpenEx(wanted, FT_OPEN_BY_SERIAL_NUMBER, &h), FT_OK);
  EXPECT_EQ(h, nullptr);
}

TEST(Libftdi, EveryCallOnAHandleThatIsNotOpenFails) {
  const Ftd2xx_Backend& b = Libftdi_Backend();
  int not_a_device = 0;
  for (FT_HANDLE h : {static_cast<FT_HANDLE>(nullptr), static_cast<FT_HANDLE>(&not_a_device)}) {
    uint8_t buf[16] = {};
    DWORD n = 5;
    EXPECT_NE(b.Close(h), FT_OK);
    EXPECT_NE(b.ResetDevice(h), FT_OK);
    EXPECT_NE(b.Purge(h, FT_PURGE_RX), FT_OK);
    EXPECT_NE(b.SetTimeouts(h, 10000, 100), FT_OK);
    EXPECT_NE(b.GetQueueStatus(h, &n), FT_OK);
    EXPECT_NE(b.Write(h, buf, 8, &n), FT_OK);
    EXPECT_EQ(n, 0u);
    n = 5;
    EXPECT_NE(b.Read(h, buf, 8, &n), FT_OK);
    EXPECT_EQ(n, 0u);
  }
}

TEST(Libftdi, BadArgumentsAreRefused) {
  const Ftd2xx_Backend& b = Libftdi_Backend();
  EXPECT_EQ(b.ListDevices(nullptr, nullptr, FT_LIST_NUMBER_ONLY), FT_INVALID_PARAMETER);
  EXPECT_EQ(b.OpenEx(nullptr, FT_OPEN_BY_SERIAL_NUMBER, nullptr), FT_INVALID_PARAMETER);
}

}  // namespace
