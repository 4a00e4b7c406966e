#include "usblink/d2xx_unit.h"

#include <gtest/gtest.h>

#include "progsim/programmer.h"

namespace {

using namespace D2XXUnit;

TEST(D2XXUnit, CountsListsAndOpensTheSimulatedProgrammer) {
  progsim::Install({});
  EXPECT_EQ(GetFTDeviceCount(), FT_OK);
  EXPECT_EQ(USB_Device_Count, 1u);
  EXPECT_EQ(GetFTDeviceSerialNo(0), FT_OK);
  EXPECT_EQ(USB_Serial_No, "FTKV9USB");
  EXPECT_EQ(Open_USB_Device_By_Serial_Number("FTKV9USB"), FT_OK);
  EXPECT_STREQ(USB_Serial_Buf, "FTKV9USB");
  EXPECT_EQ(USB_Close(), FT_OK);
}

TEST(D2XXUnit, ASerialOf49OrMoreCharactersIsCutTo49) {
  progsim::Options o;
  o.serials = {std::string(60, 'A')};
  progsim::Install(o);
  ASSERT_EQ(GetFTDeviceSerialNo(0), FT_OK);
  EXPECT_EQ(USB_Serial_No, std::string(49, 'A'));
}

TEST(D2XXUnit, OpenCutsTheTextTo49Characters) {
  progsim::Install({});
  EXPECT_NE(Open_USB_Device_By_Serial_Number(std::string(80, 'x')), FT_OK);
  EXPECT_EQ(std::string(USB_Serial_Buf), std::string(49, 'x'));
  EXPECT_NE(Open_USB_Device_By_Serial_Number(""), FT_OK);
  EXPECT_STREQ(USB_Serial_Buf, "");
}

TEST(D2XXUnit, AFailingCallReturnsItsStatusAndChangesNothing) {
  progsim::Install({});
  USB_Serial_No = "previous";
  EXPECT_EQ(GetFTDeviceSerialNo(5), FT_DEVICE_NOT_FOUND);
  EXPECT_EQ(USB_Serial_No, "previous");
  USB_Handle = nullptr;
  USB_Rx_Count = 77;
  EXPECT_EQ(USB_Queue_Status(), FT_INVALID_HANDLE);
  EXPECT_EQ(USB_Rx_Count, 77u);
  EXPECT_EQ(USB_Write(8), 0u);
  EXPECT_EQ(USB_Read(8), 0u);
  EXPECT_NE(USB_Close(), FT_OK);
  EXPECT_NE(USB_Reset(), FT_OK);
  EXPECT_NE(USB_Purge_Rx(), FT_OK);
  EXPECT_NE(USB_Set_Timeouts(10000, 100), FT_OK);
}

TEST(D2XXUnit, WritesFromTheTransmitBufferAndReadsIntoTheReceiveBuffer) {
  progsim::Install({});
  ASSERT_EQ(Open_USB_Device_By_Serial_Number("FTKV9USB"), FT_OK);
  uint8_t identify[8] = {0x56, 0, 0, 0, 0, 0, 0, 0x56};
  std::copy(identify, identify + 8, USB_Tx_Buf);
  EXPECT_EQ(USB_Write(8), 8u);
  EXPECT_EQ(USB_Queue_Status(), FT_OK);
  EXPECT_EQ(USB_Rx_Count, 8u);
  EXPECT_EQ(USB_Read(8), 8u);
  EXPECT_EQ(USB_Rx_Buf[0], 0x56);
  EXPECT_EQ(USB_Rx_Buf[1], 3);
  EXPECT_EQ(USB_Rx_Buf[2], 61);
  USB_Close();
}

}  // namespace
