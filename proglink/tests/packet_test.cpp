// Packets as they leave the host: checksum, bytes kept from the previous packet, block reads,
// voltages and the operation start.
#include <cstring>

#include "link_fixture.h"
#include "proglink/commands.h"

namespace proglink {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Header(const progsim::Transfer& t) {
  return Bytes(t.header.begin(), t.header.end());
}

TEST_F(LinkTest, IdentifyPacketIsAllZeroAfterTheCodeWithChecksum56) {
  sim = &progsim::Install({});
  std::memset(Link::Packet(), 0xEE, 8);  // whatever the previous packet left
  link.Find_Programmer();
  auto sent = Sent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(Header(sent[0]), (Bytes{0x56, 0, 0, 0, 0, 0, 0, 0x56}));
}

TEST_F(LinkTest, BytesACommandDoesNotSetKeepWhatThePreviousPacketLeft) {
  Connect();
  Link::Packet()[0] = cmd::Set_Voltages;
  Link::Packet()[1] = 2, Link::Packet()[2] = 2, Link::Packet()[3] = 4, Link::Packet()[4] = 9;
  link.Send_Packet();
  Link::Packet()[0] = cmd::End_Operation;
  link.Send_Packet();
  auto sent = Sent();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(Header(sent[1]), (Bytes{0x1E, 2, 2, 4, 9, 0, 0, 0x1E + 2 + 2 + 4 + 9}));
}

TEST_F(LinkTest, NothingIsSentWithoutAConnection) {
  sim = &progsim::Install({});
  std::memset(D2XXUnit::USB_Rx_Buf, 0xA5, 32);
  link.Connection = proglink::connection::None;
  Link::Packet()[0] = cmd::Identify;
  link.Send_Packet();
  link.Reset_Programmer();
  EXPECT_EQ(sim->Packets_Written(), 0u);
  for (int i = 0; i < 32; ++i) EXPECT_EQ(D2XXUnit::USB_Rx_Buf[i], 0xA5);
}

TEST_F(LinkTest, ReplySizeFollowsTheDeviceEndAddressOnly) {
  Connect();
  dev.Dev_End_Add = 511;
  link.Cur_Add = 0x100;
  link.Read_Block();
  EXPECT_EQ(link.Reply_Size, 512u);
  dev.Dev_End_Add = 2047;
  link.Read_Block();
  EXPECT_EQ(link.Reply_Size, 2048u);
  dev.Dev_End_Add = 0x3FFFFF;
  link.Cur_Add = 0x800;
  link.Read_Block();
  auto sent = Sent();
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_EQ(Header(sent[0]), (Bytes{0x20, 0, 0, 0x01, 0x00, 0x02, 0x00, 0x23}));
  EXPECT_EQ(Header(sent[2]), (Bytes{0x20, 0, 0, 0x08, 0x00, 0x08, 0x00, 0x30}));
  EXPECT_EQ(controls["Quit_Func_But"].caption, "&Quit = 00800");
  EXPECT_EQ(link.Blk_Pos, 0);
}

TEST_F(LinkTest, ByteOneOfABlockReadIsSetOnlyFromSixteenMegabytesUp) {
  Connect();
  dev.Dev_End_Add = 0x7FFFFFF;
  link.Cur_Add = 0xFFF800;
  link.Read_Block();
  link.Cur_Add = 0x1000000;
  link.Read_Block();
  auto sent = Sent();
  EXPECT_EQ(sent[0][1], 0);
  EXPECT_EQ(sent[0][2], 0xFF);
  EXPECT_EQ(sent[1][1], 1);
  EXPECT_EQ(sent[1][2], 0);
}

TEST_F(LinkTest, BlockReadFlagsForTheClockPartsAndThe52B33H) {
  Connect();
  dev.Dev_End_Add = 0x1FFF;
  dev.High_Address_Bits = 0x20;  // A13, the M48T08/18/58
  link.Cur_Add = 0x1800;
  link.Read_Block();
  dev.High_Address_Bits = 0x60;  // A13 and A14, the 52B33H
  link.Read_Block();
  auto sent = Sent();
  EXPECT_EQ(sent[0][3], 0x38);
  EXPECT_EQ(sent[1][3], 0x78);
}

TEST_F(LinkTest, BeginOperationSendsVoltagesThenTheOperationWithPageSizeLowByte) {
  Connect();
  dev.Vpp_Select = 6;  // 27C256
  dev.Family = 4;
  dev.Prog_Pass = 2;
  dev.Prog_Pulse = 3;
  dev.Page_Size = 256;
  link.Op_Kind = op_kind::Programming;
  link.Begin_Operation();
  link.Op_Kind = op_kind::Reading;
  link.Begin_Operation();
  auto sent = Sent();
  ASSERT_EQ(sent.size(), 4u);
  EXPECT_EQ(Header(sent[0]), (Bytes{0x10, 0x42, 2, 4, 0, 0, 0, 0x58}));
  EXPECT_EQ(Header(sent[1]), (Bytes{0x1C, 2, 2, 3, 0, 0, 0, 0x23}));
  EXPECT_EQ(Header(sent[2]), (Bytes{0x10, 2, 2, 4, 0, 0, 0, 0x18}));
  EXPECT_EQ(controls["Vpp_But"].caption, "Vpp = 12.75");
}

TEST_F(LinkTest, VppSelectionsGiveTheirCaptionsAndCodes) {
  Connect();
  struct Case {
    int sel;
    bool writing;
    const char* caption;
    uint8_t vcc, vpp;
  } cases[] = {
      {1, false, "Vpp = 25", 0x42, 4}, {2, false, "Vpp = 21", 0x42, 3},
      {3, false, "Vpp = 12.75", 2, 2}, {3, true, "Vpp = 12.75", 0x42, 2},
      {4, true, "Vpp = 12", 2, 1},     {5, true, "Vpp = 5", 2, 0},
      {7, false, "Vpp = 12", 2, 1},    {8, false, "Vpp = 12", 2, 1},
      {8, true, "Vpp = 12", 0x42, 1},  {9, false, "Vpp = 12/3", 0, 1},
      {10, false, "Vpp = 3", 0, 0},    {11, false, "Vpp = 12.75", 0x42, 2},
      {0, false, "Vpp = 12", 2, 1},    {12, false, "Vpp = 12", 2, 1},
  };
  dev.Family = 2;
  for (const auto& c : cases) {
    dev.Vpp_Select = c.sel;
    link.Op_Kind = c.writing ? op_kind::Programming : op_kind::None;
    link.Set_Vpp();
    auto p = Sent().back();
    EXPECT_EQ(controls["Vpp_But"].caption, c.caption) << c.sel;
    EXPECT_EQ(p[1], c.vcc) << c.sel;
    EXPECT_EQ(p[2], c.vpp) << c.sel;
    EXPECT_EQ(p[3], 2) << c.sel;
    EXPECT_EQ(link.Vcc_Code, c.vcc);
    EXPECT_EQ(link.Vpp_Code, c.vpp);
  }
}

TEST_F(LinkTest, ResetSendsEndAndResetAndThePromSetUpForFamilies80To86) {
  Connect();
  dev.Dev_Start_Add = 0x10;
  dev.Buf_Start_Add = 0x20;
  link.Stop_Code = proglink::stop::Quit;
  dev.Family = 4;
  link.Reset_Programmer();
  EXPECT_EQ(link.Stop_Code, proglink::stop::Go_On);
  EXPECT_EQ(link.Cur_Add, 0x10);
  EXPECT_EQ(link.Buf_Index, 0x20);
  ASSERT_EQ(Sent().size(), 2u);
  EXPECT_EQ(Sent()[0].Code(), 0x1E);
  EXPECT_EQ(Sent()[1].Code(), 0x53);
  sim->Clear_Log();
  dev.Family = 83;
  dev.Prom_Adapter = true;
  link.Reset_Programmer();
  auto sent = Sent();
  ASSERT_EQ(sent.size(), 4u);
  EXPECT_EQ(Header(sent[2]), (Bytes{0x10, 0x42, 4, 83, 0, 0, 0, 0xA9}));
  EXPECT_EQ(Header(sent[3]), (Bytes{0x1C, 1, 1, 1, 1, 0, 0, 0x20}));
}

TEST_F(LinkTest, NextAddressCountsTheEndAfterHandlingTheLastByte) {
  dev.Dev_End_Add = 5;
  link.Cur_Add = 4;
  link.Next_Address();
  EXPECT_EQ(link.Stop_Code, proglink::stop::Go_On);
  link.Next_Address();
  EXPECT_EQ(link.Stop_Code, proglink::stop::End_Of_Range);
  EXPECT_EQ(link.Cur_Add, 6);
  EXPECT_EQ(link.Buf_Index, 2);
}

TEST_F(LinkTest, DataBlocksGoOutAsHeaderAndDataInOneWrite) {
  Connect();
  uint8_t* p = Link::Packet();
  p[0] = cmd::Program_Block, p[1] = 0, p[2] = 0, p[3] = 0, p[4] = 0, p[5] = 0, p[6] = 4;
  std::memcpy(p + 8, "\x01\x02\x03\x04", 4);
  link.Write_Len = 4;
  link.Send_Data_Block();
  link.Write_Len = 8;
  auto sent = Sent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].data, (Bytes{1, 2, 3, 4}));
  EXPECT_TRUE(sent[0].refused.empty());
  EXPECT_EQ(link.Reply_Size, 0u);
}

}  // namespace
}  // namespace proglink
