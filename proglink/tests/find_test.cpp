// The programmer search: every outcome, its texts and box positions.
#include "link_fixture.h"

namespace proglink {
namespace {

using Lines = std::deque<std::string>;

TEST_F(LinkTest, FoundProgrammerShowsItsVersionAndHidesTheMessageArea) {
  sim = &progsim::Install({});
  link.Find_Programmer();
  EXPECT_EQ(link.Connection, proglink::connection::Ready);
  EXPECT_EQ(link.Status_Tag, proglink::status_tag::Good);
  EXPECT_EQ(link.Fw_Version, 829);
  EXPECT_EQ(controls["StaticText3"].caption, "Usb Programmer Found - FirmWare Version 3.61");
  EXPECT_EQ(controls["StaticText3"].colour, Colour::Yellow);  // until the controls are enabled
  EXPECT_EQ(link.Memo1().Lines(), (Lines{"FTKV9USB", "56 03 3D 00 00 00 00 00 "}));
  EXPECT_FALSE(link.Memo1().Visible());
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(host.questions.empty());
  EXPECT_EQ(link.Timer_Interval(), 1000);
}

void Expect_Not_Found(const Recording_Host& host, const Controls& controls, Link& link) {
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "The Quillon Programmer III Could Not Be Found....");
  EXPECT_EQ(host.messages[0].kind, Box::Information);
  EXPECT_EQ(host.messages[0].at.x, 375);
  EXPECT_EQ(host.messages[0].at.y, 325);
  EXPECT_EQ(controls["StaticText3"].caption, "Programmer Not Found or is no longer present....");
  EXPECT_NE(link.Status_Tag, proglink::status_tag::Good);
  EXPECT_TRUE(link.Memo1().Visible());
  EXPECT_EQ(link.Timer_Interval(), 1000);
}

TEST_F(LinkTest, NoDeviceTriesNoOpenAndShowsOnlyTheReplyDump) {
  progsim::Options o;
  o.serials = {};
  sim = &progsim::Install(o);
  std::fill(D2XXUnit::USB_Rx_Buf, D2XXUnit::USB_Rx_Buf + 8, 0);
  link.Find_Programmer();
  EXPECT_FALSE(sim->Is_Open());
  EXPECT_EQ(link.Connection, proglink::connection::None);
  EXPECT_EQ(link.Memo1().Lines(), (Lines{"00 00 00 00 00 00 00 00 "}));
  Expect_Not_Found(host, controls, link);
}

TEST_F(LinkTest, AnotherSerialIsNotOpened) {
  progsim::Options o;
  o.serials = {"FT123456"};
  sim = &progsim::Install(o);
  link.Find_Programmer();
  EXPECT_EQ(sim->Packets_Written(), 0u);
  EXPECT_EQ(link.Connection, proglink::connection::None);
  EXPECT_EQ(link.Status_Tag, proglink::status_tag::Failed);
  Expect_Not_Found(host, controls, link);
}

TEST_F(LinkTest, ASerialBeginningWithTheProgrammersEndsTheListing) {
  progsim::Options o;
  o.serials = {"FT000001", "FTKV9USB-OTHER", "FTKV9USB"};
  sim = &progsim::Install(o);
  link.Find_Programmer();
  EXPECT_EQ(link.Connection, proglink::connection::Ready);
  EXPECT_EQ(link.Memo1().Lines().at(0), "FT000001");
  EXPECT_EQ(link.Memo1().Lines().at(1), "FTKV9USB");  // first 8 characters only; stops here
  EXPECT_EQ(link.Memo1().Lines().size(), 3u);         // and the reply dump
}

TEST_F(LinkTest, InvalidReplyLeavesState1AndFails) {
  sim = &progsim::Install({});
  sim->intercept = [](const progsim::Transfer& p, std::vector<uint8_t>& reply) {
    if (p.Code() != 0x56) return false;
    reply = {0x56, 3, 61, 0, 0, 0, 1, 0};  // status byte not 0
    return true;
  };
  link.Find_Programmer();
  EXPECT_EQ(link.Connection, proglink::connection::Identifying);
  EXPECT_EQ(link.Memo1().Lines().back(), "56 03 3D 00 00 00 01 00 ");
  Expect_Not_Found(host, controls, link);
  sim->Clear_Log();
  link.Reset_Programmer();  // needs state 2: sends nothing
  EXPECT_TRUE(sim->Sent().empty());
}

TEST_F(LinkTest, NoReplyToTheIdentifyShowsThe37Fill) {
  progsim::Options o;
  o.faults = {{progsim::Fault::Silent, 1}};
  sim = &progsim::Install(o);
  link.Find_Programmer();
  EXPECT_EQ(link.Connection, proglink::connection::Identifying);
  EXPECT_EQ(link.Memo1().Lines().back(), "37 37 37 37 37 37 55 37 ");
  EXPECT_EQ(link.Status_Tag, proglink::status_tag::Lost);
  Expect_Not_Found(host, controls, link);
}

TEST_F(LinkTest, OldFirmwareIsOfferedAnUpdateAndNoCarriesOn) {
  progsim::Options o;
  o.fw_minor = 5;
  sim = &progsim::Install(o);
  host.answers = {false};
  link.Find_Programmer();
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0].text,
            "This Software Requires Firmware Version - 3.61\r\nDo You Want to Flash Update the "
            "Programmer ?");
  EXPECT_EQ(host.questions[0].at.x, 375);
  EXPECT_EQ(host.questions[0].at.y, 325);
  EXPECT_EQ(controls["StaticText3"].caption, "Usb Programmer Found - FirmWare Version 3.05");
  EXPECT_EQ(link.Connection, proglink::connection::Ready);
  EXPECT_TRUE(host.dialogs.empty());
}

TEST_F(LinkTest, OldFirmwareAnsweredYesRunsTheUpdate) {
  progsim::Options o;
  o.fw_minor = 60;
  sim = &progsim::Install(o);
  host.answers = {true};
  link.Find_Programmer();  // the dialog is cancelled: nothing sent, back to idle
  EXPECT_EQ(host.dialogs.size(), 1u);
  EXPECT_EQ(host.dialogs[0].filter, "Bin|*.Bin|Hex|*.Hex|All|*.*");
  EXPECT_EQ(link.Connection, proglink::connection::Ready);
}

class Mcu9FindTest : public LinkTest {
 protected:
  Mcu9FindTest() : LinkTest(Variant::Mcu9()) {}
};

TEST_F(Mcu9FindTest, NoReplyDumpAndItsOwnRequiredVersion) {
  progsim::Options o;
  o.fw_minor = 21;
  sim = &progsim::Install(o);
  link.Find_Programmer();
  EXPECT_EQ(link.Memo1().Lines(), (Lines{"FTKV9USB"}));
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0].text,
            "This Software Requires Firmware Version - 3.22\r\nDo You Want to Flash Update the "
            "Programmer ?");
  o.fw_minor = 22;
  sim = &progsim::Install(o);
  host.questions.clear();
  link.Find_Programmer();
  EXPECT_TRUE(host.questions.empty());
}

}  // namespace
}  // namespace proglink
