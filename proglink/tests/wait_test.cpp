// The reply wait: Quit, time-out, loss and short writes.
#include "link_fixture.h"
#include "proglink/commands.h"

namespace proglink {
namespace {

void Send_Reset(Link& link) {
  Link::Packet()[0] = cmd::Reset;
  link.Send_Packet();
}

TEST_F(LinkTest, QuitDuringAWaitGivesUpWithStatusZeroAndStopCode5) {
  progsim::Options o;
  o.faults = {{progsim::Fault::Silent, 2}};  // the identify is packet 1
  Connect(o);
  host.on_pump = [&](int) { link.Stop_Code = proglink::stop::Quit; };
  Send_Reset(link);
  ASSERT_FALSE(link.Log().Lines().empty());
  EXPECT_EQ(link.Log().Lines().front(), "Programmer no longer present... PortStatus-0 USB-5");
  EXPECT_EQ(&link.Log(), &link.Memo2());
  EXPECT_EQ(link.Connection, proglink::connection::Ready);
  EXPECT_EQ(link.Status_Tag, proglink::status_tag::Lost);
  EXPECT_EQ(Link::Reply()[6], 0x55);
  EXPECT_FALSE(host.timer_running);
}

TEST_F(LinkTest, AWaitEnteredWithAStopCodeGivesUpAtOnce) {
  Connect();
  link.Stop_Code = proglink::stop::End_Of_Range;
  link.Reply_Size = 16;
  link.Id_Code = 20;
  int pumps = host.pumps;
  Send_Reset(link);
  EXPECT_EQ(host.pumps, pumps + 1);
  EXPECT_EQ(link.Log().Lines().front(), "Programmer no longer present... PortStatus-0 USB-1");
  EXPECT_EQ(link.Reply_Size, 0u);
  EXPECT_EQ(link.Id_Code, 0);
}

TEST_F(LinkTest, MissingReplyTimesOutAndLeavesThe37Fill) {
  progsim::Options o;
  o.faults = {{progsim::Fault::Silent, 2}};
  Connect(o);
  int enabled = 0;
  link.Enable_Controls = [&] { ++enabled; };
  link.Set_Timer_Interval(40000);
  Send_Reset(link);
  EXPECT_EQ(host.timer_interval, 40000);
  EXPECT_EQ(host.timer_fired, 1);
  EXPECT_EQ(link.Stop_Code, proglink::stop::Time_Out);
  EXPECT_EQ(link.Connection, proglink::connection::Ready);
  EXPECT_EQ(link.Log().Lines().front(), "Programmer no longer present... PortStatus-0 USB-6");
  EXPECT_EQ(enabled, 1);
  for (int i = 0; i < 18; ++i) {
    EXPECT_EQ(Link::Reply()[i], i == 6 ? 0x55 : 0x37) << i;
  }
}

TEST_F(LinkTest, LossOfTheProgrammerSetsState0AndStopCode7) {
  progsim::Options o;
  o.faults = {{progsim::Fault::Lose, 2}};
  Connect(o);
  Send_Reset(link);
  EXPECT_EQ(link.Connection, proglink::connection::None);
  EXPECT_EQ(link.Stop_Code, proglink::stop::Lost);
  EXPECT_EQ(link.Status_Tag, proglink::status_tag::Failed);
  EXPECT_EQ(link.Memo1().Lines().front(), "USB Device Write TimeOut ...");
  uint64_t written = sim->Packets_Written();
  link.Stop_Code = proglink::stop::Go_On;
  Send_Reset(link);  // returns at once until the programmer is found again
  EXPECT_EQ(sim->Packets_Written(), written);
}

TEST_F(LinkTest, FailedQueueQueryIsALossWithTheDriverStatusLogged) {
  progsim::Options o;
  o.faults = {{progsim::Fault::Lose, 3}};
  Connect(o);
  Send_Reset(link);  // packet 2 answered
  // A data block whose write fails goes on to the wait, where the queue query fails.
  link.Write_Len = 0;
  Link::Packet()[0] = cmd::Program_Block;
  Link::Packet()[5] = Link::Packet()[6] = 0;
  link.Send_Data_Block();
  link.Write_Len = 8;
  EXPECT_EQ(link.Memo1().Lines().front(), "USB Device Write TimeOut ...");
  EXPECT_EQ(link.Log().Lines().front(), "Programmer no longer present... PortStatus-4 USB-0");
  EXPECT_EQ(link.Connection, proglink::connection::None);
  EXPECT_EQ(link.Stop_Code, proglink::stop::Lost);
  EXPECT_EQ(link.Status_Tag, proglink::status_tag::Lost);
}

TEST_F(LinkTest, ShortWriteOfAPacketIsALoss) {
  progsim::Options o;
  o.faults = {{progsim::Fault::Short_Write, 2}};
  Connect(o);
  Send_Reset(link);
  EXPECT_EQ(link.Connection, proglink::connection::None);
  EXPECT_EQ(link.Stop_Code, proglink::stop::Lost);
  EXPECT_EQ(link.Memo1().Lines().front(), "USB Device Write TimeOut ...");
}

class Mcu9WaitTest : public LinkTest {
 protected:
  Mcu9WaitTest() : LinkTest(Variant::Mcu9()) {}
};

TEST_F(Mcu9WaitTest, TimeOutReadsLikeAQuitAndTheLogIsTheShownMessageArea) {
  progsim::Options o;
  o.faults = {{progsim::Fault::Silent, 2}};
  Connect(o);
  link.Memo1().Show(false);
  Send_Reset(link);
  EXPECT_EQ(link.Stop_Code, proglink::stop::Quit);
  EXPECT_EQ(&link.Log(), &link.Memo1());
  EXPECT_TRUE(link.Memo1().Visible());
  EXPECT_EQ(link.Memo1().Lines().front(), "Programmer no longer present... PortStatus-0 USB-5");
}

TEST_F(Mcu9WaitTest, ResetHasNoPromStepAndTheQuitButtonShowsFourDigits) {
  Connect();
  dev.Family = 83;
  link.Reset_Programmer();
  EXPECT_EQ(Sent().size(), 2u);
  link.Show_Quit_Address(0x1FF);
  EXPECT_EQ(controls["Quit_Add"].caption, "01FF");
}

}  // namespace
}  // namespace proglink
