// The Vpp calibration panel and the adapter test.
#include "memprog/ops/calibration.h"

#include "memprog/core/test_panel.h"
#include "ops_fixture.h"

namespace memprog {
namespace {

constexpr int k27C256 = 20;

using Packet_Heads = std::vector<std::array<uint8_t, 5>>;

class CalibrationTest : public OpsTest {
 protected:
  void Open_Calibration(progsim::Options o = {}) {
    Select(k27C256, o);
    ASSERT_TRUE(Vpp_ButKeyPress(*k, 't'));
    Vpp_TestClick(*k);
    sim->Clear_Log();
  }
  // Bytes 0-4 of every packet sent since the log was cleared.
  Packet_Heads Heads() {
    Packet_Heads out;
    for (auto& t : sim->Sent()) out.push_back({t[0], t[1], t[2], t[3], t[4]});
    return out;
  }
  void Steps(int n) {
    for (int i = 0; i < n; ++i) Vxx_TestClick(*k);
  }
  // Answers every voltage test with `trim` in reply byte 6.
  void Answer_Trim(uint8_t trim) {
    sim->intercept = [trim](const progsim::Transfer& t, std::vector<uint8_t>& r) {
      if (t.Code() != 0x70) return false;
      r.assign(8, 0);
      r[0] = 0x70;
      r[6] = trim;
      return true;
    };
  }
};

TEST_F(CalibrationTest, TheTestPanelOpensOnTheKeyInEitherCaseOnly) {
  Select(k27C256);
  EXPECT_FALSE(Vpp_ButKeyPress(*k, 'x'));
  EXPECT_FALSE(Visible("Test"));
  EXPECT_TRUE(Vpp_ButKeyPress(*k, 'T'));
  EXPECT_TRUE(Visible("Test"));
  EXPECT_FALSE(Visible("Panel6"));
  EXPECT_FALSE(Enabled("Program_Eprom"));
  EXPECT_EQ(k->ui["Chg_Pass"].caption, "Program Pass=1");
  EXPECT_EQ(k->ui["Program_Pulse"].caption, "Program Pulse=3");
  Vpp_TestClick(*k);
  EXPECT_TRUE(Visible("Vpp_Cal"));
  EXPECT_TRUE(Visible("Cal_Vpp"));
  EXPECT_FALSE(Visible("Test"));
}

TEST_F(CalibrationTest, TheFirstStepSearchesAgainThenSwitchesThreeVoltsOn) {
  Open_Calibration();
  Vxx_TestClick(*k);
  EXPECT_EQ(k->ui["Vxx_Test"].caption, "Vcc = 3");
  EXPECT_EQ(Codes(), (std::vector<uint8_t>{0x56, 0x70}));
  EXPECT_EQ(Heads().back(), (std::array<uint8_t, 5>{0x70, 0, 0, 20, 0}));
  EXPECT_EQ(k->link.Connection, proglink::connection::Ready);
  EXPECT_EQ(k->Cal_Value, progsim::Vpp_Calibration::kFactoryTrim);
  EXPECT_EQ(k->ui["Write_Vpp"].caption, "Vpp Value - 80");
}

TEST_F(CalibrationTest, EachStepSendsItsVoltage) {
  Open_Calibration();
  Steps(7);
  Packet_Heads h;
  for (auto& x : Heads())
    if (x[0] == 0x70) h.push_back(x);
  EXPECT_EQ(h, (Packet_Heads{{0x70, 0, 0, 20, 0},
                             {0x70, 2, 0, 20, 0},
                             {0x70, 0x42, 0, 20, 0},
                             {0x70, 2, 0, 31, 1},
                             {0x70, 2, 0, 31, 2},
                             {0x70, 2, 0, 31, 3},
                             {0x70, 2, 0, 31, 4}}));
  EXPECT_EQ(k->ui["Vxx_Test"].caption, "Vpp = 25");
  Steps(1);
  EXPECT_EQ(k->ui["Vxx_Test"].caption, "Vcc = 3");  // 7 wraps to 1
}

TEST_F(CalibrationTest, UpTrimsAndStoresAtOnce) {
  Open_Calibration();
  Steps(5);  // "Vpp = 12.75"
  ASSERT_EQ(k->Cal_Value, 0x80);
  sim->Clear_Log();
  Vpp_UpClick(*k);
  Vpp_UpClick(*k);
  EXPECT_EQ(Heads(), (Packet_Heads{{0x70, 2, 0x81, 7, 0},
                                   {0x72, 2, 0, 0, 0},
                                   {0x72, 2, 0, 2, 0x81},
                                   {0x70, 2, 0x82, 7, 0},
                                   {0x72, 2, 0, 0, 0},
                                   {0x72, 2, 0, 2, 0x82}}));
  EXPECT_EQ(sim->Calibration().Stored(2), 0x82);
  EXPECT_EQ(k->ui["Write_Vpp"].caption, "Vpp Value - 82");
}

TEST_F(CalibrationTest, DownFromZeroWrapsToFF) {
  Open_Calibration();
  Answer_Trim(0);
  Steps(7);  // "Vpp = 25"
  ASSERT_EQ(k->Cal_Value, 0);
  sim->intercept = nullptr;
  sim->Clear_Log();
  Vpp_DownClick(*k);
  EXPECT_EQ(Heads(),
            (Packet_Heads{{0x70, 2, 0xFF, 7, 0}, {0x72, 2, 0, 0, 0}, {0x72, 2, 0, 4, 0xFF}}));
  EXPECT_EQ(sim->Calibration().Stored(4), 0xFF);
}

TEST_F(CalibrationTest, ASupplyStepStoresIntoTheFirstLevel) {
  Open_Calibration();
  Steps(2);  // "Vcc = 5"
  sim->Clear_Log();
  Vpp_DownClick(*k);
  EXPECT_EQ(Heads().back(), (std::array<uint8_t, 5>{0x72, 2, 0, 1, 0x7F}));
}

TEST_F(CalibrationTest, QuitTestSwitchesTheVoltagesOffAndReturnsToIdle) {
  Open_Calibration();
  Steps(4);
  sim->Clear_Log();
  Quit_TestClick(*k);
  ASSERT_FALSE(Heads().empty());
  EXPECT_EQ(Heads().front(), (std::array<uint8_t, 5>{0x70, 2, 0, 0, 0}));
  for (const char* c : {"Cal_Vpp", "Vpp_Cal", "Test", "Edit_Add"}) EXPECT_FALSE(Visible(c)) << c;
  EXPECT_TRUE(Visible("Panel6"));
  EXPECT_TRUE(Enabled("Program_Eprom"));
  EXPECT_EQ(k->ui["Vxx_Test"].caption, "Vpp = 12V");  // the step is kept
  EXPECT_EQ(sim->Calibration().Level(), 0);
}

TEST_F(CalibrationTest, AdapterAnswersSetTheCaptionAndTheLine) {
  struct Case {
    std::array<uint8_t, 4> answer;
    const char* line;
    const char* caption;  // nullptr: unchanged
  };
  const Case cases[] = {
      {{'B', 'G', 0x12, 0x00}, "Testing G - Pins 12 - Gd/Bd 00", "No Adapter"},
      {{'P', 'T', 0x28, 0x28}, "Testing T - Pins 28 - Gd/Bd 28", "Pass Test OK"},
      {{'B', 'J', 0x01, 0x05}, "Testing J - Pins 01 - Gd/Bd 05", "Jumper On"},
      {{'B', 'G', 0x07, 0x03}, "Testing G - Pins 07 - Gd/Bd 03", "Bad Pin"},
      {{'X', 'Y', 0x00, 0x00}, "Testing Y - Pins 00 - Gd/Bd 00", nullptr},
  };
  for (const auto& c : cases) {
    progsim::Options o;
    o.adapter = c.answer;
    Open_Calibration(o);
    Steps(2);
    std::string before = k->ui["Test_Adapter"].caption;
    sim->Clear_Log();
    Test_AdapterClick(*k);
    EXPECT_EQ(Heads().front(), (std::array<uint8_t, 5>{0x78, 0, 0, 0, 0}));
    EXPECT_EQ(Memo().back(), c.line);
    EXPECT_TRUE(k->link.Memo1().Visible());
    EXPECT_EQ(k->ui["Test_Adapter"].caption, c.caption ? c.caption : before);
    EXPECT_EQ(k->Test_Step, 7);
    EXPECT_EQ(k->ui["Vxx_Test"].caption, "Vcc = 0");
    EXPECT_EQ(Codes().back(), 0x53);  // the programmer was reset
  }
}

TEST_F(CalibrationTest, AStepWithoutAnAnswerLeavesNothingToTrimOrStore) {
  Open_Calibration();
  Answer_Trim(0x80);
  Steps(5);  // step 5: 12.75 V, trim 0x80 reported
  sim->intercept = [](const progsim::Transfer& t, std::vector<uint8_t>&) {
    return t.Code() == 0x70;  // swallowed: no reply comes
  };
  sim->Clear_Log();
  Steps(1);  // step 6: no answer
  EXPECT_FALSE(k->Trim_Known);
  sim->Clear_Log();
  Vpp_UpClick(*k);
  Vpp_DownClick(*k);
  EXPECT_TRUE(sim->Sent().empty());  // no trim made of the give-up marker is stored
  Answer_Trim(0x90);
  Steps(1);  // step 7 answers again: trimming works from its value
  EXPECT_TRUE(k->Trim_Known);
  sim->Clear_Log();
  Vpp_UpClick(*k);
  EXPECT_EQ(Heads().back(), (std::array<uint8_t, 5>{0x72, 2, 0, 4, 0x91}));
}

}  // namespace
}  // namespace memprog
