// The electronic ID of the Device button: methods tried, texts shown, list line pre-selected.
#include "memprog/core/electronic_id.h"

#include "memprog/catalogue/device_list.h"
#include "ops_fixture.h"

namespace memprog {
namespace {

class IdTest : public OpsTest {
 protected:
  // The Device button on a programmer whose chip answers `id` to the methods in `methods`.
  void Identify(std::pair<uint8_t, uint8_t> id, uint8_t methods = progsim::kAllIdMethods) {
    progsim::Options o;
    o.id = id;
    o.id_methods = methods;
    Start(o);
    DeviceClick(*k);
  }
  std::vector<uint8_t> Methods() {
    std::vector<uint8_t> out;
    for (auto& t : Sent_With(0x18)) out.push_back(t[1]);
    return out;
  }
  std::string Text(const char* name) { return k->ui[name].caption; }
  int Highlighted() { return k->ui["Device_Box1"].item_index; }
  const std::vector<uint8_t> kAll = {1, 2, 4, 8, 16};
};

TEST_F(IdTest, AKnownPartStopsTheMethodsAndHighlightsItsLine) {
  Identify({0x89, 0x8C});
  EXPECT_EQ(Methods(), (std::vector<uint8_t>{1}));
  EXPECT_EQ(Text("Mfg"), "Mfg. Intel");
  EXPECT_EQ(Text("Dev"), "27C256");
  ASSERT_GE(Highlighted(), 0);
  EXPECT_EQ(Device_List_Lines()[Highlighted()].substr(0, 6), "27C256");
  EXPECT_EQ(Code_Of_Line(Device_List_Lines()[Highlighted()]), 20);
  EXPECT_TRUE(Visible("Mfg"));
  EXPECT_TRUE(Visible("Dev"));
  EXPECT_TRUE(Visible("Device_Box1"));
  EXPECT_EQ(k->link.Id_Code, 20);
}

TEST_F(IdTest, RowsLeadToTheEntryTheyName) {
  Identify({0x01, 0xA2});
  EXPECT_EQ(Text("Mfg"), "Mfg. AMD");
  EXPECT_EQ(Text("Dev"), "28F010A");
  EXPECT_EQ(Code_Of_Line(Device_List_Lines().at(Highlighted())), 97);
  Identify({0x20, 0xD7});
  EXPECT_EQ(Text("Dev"), "29W800T");
  EXPECT_EQ(Code_Of_Line(Device_List_Lines().at(Highlighted())), 180);
}

TEST_F(IdTest, APartWithoutAnEntryIsNamedButNothingIsHighlighted) {
  Identify({0x1F, 0x21});
  EXPECT_EQ(Text("Dev"), "49F008T");
  EXPECT_EQ(Methods(), (std::vector<uint8_t>{1}));  // code 999 stops the methods
  EXPECT_EQ(Highlighted(), -1);
}

TEST_F(IdTest, AnUnknownPairShowsTheRawBytesAfterEveryMethod) {
  Identify({0x37, 0x12});
  EXPECT_EQ(Methods(), kAll);
  EXPECT_EQ(Text("Mfg"), "Mfg Id - 37");
  EXPECT_EQ(Text("Dev"), "Dev Id - 12");
  EXPECT_EQ(Highlighted(), -1);
  EXPECT_EQ(k->link.Id_Code, 0);
}

TEST_F(IdTest, ANamedPairWithCodeZeroGoesOnToTheNextMethod) {
  Identify({0xBF, 0x5D});
  EXPECT_EQ(Methods(), kAll);
  EXPECT_EQ(Text("Mfg"), "Mfg. SST");
  EXPECT_EQ(Text("Dev"), "29E/L/VE512");
  EXPECT_EQ(Highlighted(), -1);
}

TEST_F(IdTest, ThePartIsFoundByTheFirstMethodItAnswers) {
  Identify({0x89, 0x8C}, 8);
  EXPECT_EQ(Methods(), (std::vector<uint8_t>{1, 2, 4, 8}));
  EXPECT_EQ(Text("Dev"), "27C256");
  EXPECT_EQ(Code_Of_Line(Device_List_Lines().at(Highlighted())), 20);
}

TEST_F(IdTest, AMethodThatGetsNoReplyIsPassedOver) {
  progsim::Options o;
  o.id = {0x89, 0x8C};
  Start(o);
  uint64_t first = sim->Packets_Written() + 3;  // the busy reset, then method 1
  o.faults = {{progsim::Fault::Silent, first}};
  Start(o);
  DeviceClick(*k);
  EXPECT_EQ(Methods(), (std::vector<uint8_t>{1, 2}));
  EXPECT_EQ(Text("Dev"), "27C256");
  EXPECT_EQ(k->link.Id_Code, 20);
}

TEST_F(IdTest, AutoIdOffOpensTheListWithoutAsking) {
  progsim::Options o;
  o.id = {0x89, 0x8C};
  Start(o);
  Auto_IDClick(*k);
  EXPECT_EQ(k->ui["Auto_ID"].caption, "Auto ID = Off");
  DeviceClick(*k);
  EXPECT_TRUE(Sent_With(0x18).empty());
  EXPECT_FALSE(Visible("Mfg"));
  EXPECT_FALSE(Visible("Dev"));
  EXPECT_TRUE(Visible("Device_Box1"));
  Auto_IDClick(*k);
  EXPECT_EQ(k->ui["Auto_ID"].caption, "Auto ID = On");
}

TEST_F(IdTest, TheTextsGoAwayOnceALineIsChosen) {
  Identify({0x89, 0x8C});
  Device_Box1Click(*k, Highlighted());
  EXPECT_EQ(k->Device_Code, 20);
  EXPECT_EQ(k->ui["Device"].caption, "27C256");
  EXPECT_FALSE(Visible("Mfg"));
  EXPECT_FALSE(Visible("Dev"));
}

TEST_F(IdTest, NoProgrammerNoQuestions) {
  progsim::Options o;
  o.serials = {};
  Start(o);
  DeviceClick(*k);
  EXPECT_TRUE(sim->Sent().empty());
  EXPECT_FALSE(Visible("Mfg"));
  EXPECT_TRUE(Visible("Device_Box1"));
}

}  // namespace
}  // namespace memprog
