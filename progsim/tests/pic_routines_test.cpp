// The simulated PIC driven by the packet sequences of Win_Mcu9's device routines, built here the
// way the host builds them: one transmit buffer whose bytes stay until overwritten, a checksum
// over bytes 0..6, ordinary commands of 8 bytes and 0x30 packets of the routine's Write_Len.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

#include "progsim/programmer.h"

namespace progsim {
namespace {

class Mcu9 {
 public:
  explicit Mcu9(Programmer& sim) : sim_(sim), part_(sim.Pic().Chip().Part()) {}

  std::vector<uint16_t> Pic_Buf = std::vector<uint16_t>(0x3000, 0);
  std::vector<uint16_t> bad;  // addresses of the mismatch lines
  int failed_blocks = 0;      // 0x30 replies with a non-zero byte 6
  uint8_t Vcc_Code = 2;

  uint16_t Prog_End() const { return part_.prog_end; }
  uint16_t Fuse_Blank() const {
    int f = part_.family;
    return f <= 3 || f == 30 || f == 31 ? 0x0FFF : 0x3FFF;
  }
  // Data EEPROM bytes the host moves: Win_Mcu9 offers none for the 16F83/84.
  uint16_t EE_Count() const { return part_.family == 5 ? 0 : part_.ee_bytes; }
  uint8_t Status() const { return reply_.size() >= 8 ? reply_[6] : 0x55; }
  const std::vector<uint8_t>& Reply() const { return reply_; }

  // ---- packets
  void Header(uint8_t code, std::initializer_list<uint8_t> params) {
    tx_[0] = code;
    std::copy(params.begin(), params.end(), tx_.begin() + 1);
  }
  void Send(size_t write_len = 8) {
    unsigned sum = 0;
    for (int i = 0; i < 7; ++i) sum += tx_[i];
    tx_[7] = static_cast<uint8_t>(sum);
    sim_.Write(tx_.data(), write_len);
    reply_.assign(sim_.Rx_Queued(), 0);
    sim_.Read(reply_.data(), reply_.size());
  }
  void Reset_Programmer() {
    Header(0x1E, {});
    Send();
    Header(0x53, {});
    Send();
  }
  void Pic_Begin() {
    Header(0x10, {Vcc_Code, 2, part_.pin, 0});
    Send();
    Header(0x1C, {1, 0, 0, 0});
    Send();
  }
  void Pic_Command(uint8_t command, bool data = false, uint8_t b4 = 0) {
    Header(0x22, {command, uint8_t(data ? 63 : 0), uint8_t(data ? 255 : 0), b4, 0, 0});
    Send();
  }
  void Load_Configuration() { Pic_Command(0, true); }
  void Increment_Address() { Pic_Command(6, false, 1); }
  std::vector<uint16_t> Read(uint8_t area, size_t count) {
    Header(0x20, {area, 0, 0, 0, uint8_t(count >> 8), uint8_t(count)});
    Send();
    bool split = part_.family <= 3 && area == 4;
    std::vector<uint16_t> words;
    for (size_t i = 8; i + 1 < reply_.size(); i += 2)
      words.push_back(split ? reply_[i] * 16 + reply_[i + 1] : reply_[i] << 8 | reply_[i + 1]);
    return words;
  }
  void Put_Words(const std::vector<uint16_t>& words) {
    for (size_t i = 0; i < words.size(); ++i) {
      tx_[8 + 2 * i] = static_cast<uint8_t>(words[i] >> 8);
      tx_[9 + 2 * i] = static_cast<uint8_t>(words[i]);
    }
  }
  void Put_Buffer(size_t from, size_t count) {
    Put_Words({Pic_Buf.begin() + from, Pic_Buf.begin() + from + count});
  }
  void Program(uint8_t s1, uint8_t s2, size_t count, size_t write_len) {
    Header(0x30, {s1, s2, 0, 0, uint8_t(count >> 8), uint8_t(count)});
    Send(write_len);
    if (Status() != 0) ++failed_blocks;
  }

  // ---- the routines' parts
  void Blocks(const std::function<void(size_t at, size_t size)>& block) {
    size_t count = Prog_End(), at = 0;
    do {
      size_t size = count < 1024 ? count + 1 : 1024;
      count = count < 1024 ? 0 : count - 1024;
      block(at, size);
      at += size;
    } while (count > 0);
  }
  void Compare(size_t address, uint16_t expected, uint16_t found) {
    if (expected != found) bad.push_back(static_cast<uint16_t>(address));
  }
  void Compare_Words(const std::vector<uint16_t>& words, size_t at, std::optional<uint16_t> value) {
    for (size_t i = 0; i < words.size(); ++i)
      Compare(at + i, value ? *value : Pic_Buf[at + i], words[i]);
  }
  void Read_Blocks(std::optional<uint16_t> expected) {
    Blocks([&](size_t at, size_t size) { Compare_Words(Read(4, size), at, expected); });
  }
  void Move_Blocks() {
    Blocks([&](size_t at, size_t size) {
      auto words = Read(4, size);
      std::copy(words.begin(), words.end(), Pic_Buf.begin() + at);
    });
  }
  size_t Program_Blocks(uint8_t s1, uint8_t s2) {
    size_t write_len = 8;
    Blocks([&](size_t at, size_t size) {
      Put_Buffer(at, size);
      write_len = 8 + 2 * size;
      Program(s1, s2, size, write_len);
    });
    return write_len;
  }
  void Store(const std::vector<uint16_t>& words, size_t at) {
    std::copy(words.begin(), words.end(), Pic_Buf.begin() + at);
  }

  // ---- the operations: busy frame, Pic_Begin, routine, enable step
  void Operation(const std::function<void()>& routine, uint8_t vcc = 2) {
    Reset_Programmer();
    bad.clear();
    failed_blocks = 0;
    Vcc_Code = vcc;
    Pic_Begin();
    routine();
    Reset_Programmer();
  }

  void B_5x() {
    Read(4, 1);
    Read_Blocks(Fuse_Blank());
    Compare_Words(Read(4, 4), 0x2100, Fuse_Blank());
  }
  void B_14() {
    Read_Blocks(Fuse_Blank());
    Load_Configuration();
    auto words = Read(4, 8);
    words.resize(4);
    Compare_Words(words, 0x2100, Fuse_Blank());
  }
  void B_12() {
    Increment_Address();
    Read_Blocks(Fuse_Blank());
    Compare_Words(Read(4, 4), 0x2100, Fuse_Blank());
  }
  void V_5x() {
    Compare_Words(Read(4, 1), 0x2107, std::nullopt);
    Read_Blocks(std::nullopt);
    Compare_Words(Read(4, 4), 0x2100, std::nullopt);
  }
  void V_14() {
    Read_Blocks(std::nullopt);
    Load_Configuration();
    Compare_Words(Read(4, 8), 0x2100, std::nullopt);
  }
  void V_12() {
    Increment_Address();
    Read_Blocks(std::nullopt);
    Compare_Words(Read(4, 4), 0x2100, std::nullopt);
  }
  void R_5x() {
    Store(Read(4, 1), 0x2107);
    Move_Blocks();
    Store(Read(4, 4), 0x2100);
  }
  void R_14() {
    Move_Blocks();
    if (EE_Count()) Store(Read(5, EE_Count()), 0x2000);
    Load_Configuration();
    Store(Read(4, 8), 0x2100);
  }
  void R_12() {
    Store(Read(4, 1), 0x2107);
    Move_Blocks();
    Store(Read(4, 4), 0x2100);
  }
  void P_5x() {
    Pic_Command(16, false, 2);
    size_t write_len = Program_Blocks(16, 0);
    Put_Buffer(0x2100, 4);
    Program(16, 0, 4, write_len);  // the rest of the last block rides along
    if (Status() != 0) return;
    Reset_Programmer();
    Vcc_Code = 2;
    Pic_Begin();
    Put_Buffer(0x2107, 1);
    Program(100, 0, 1, 10);
  }
  void P_14() {
    Program_Blocks(4, 2);
    Load_Configuration();
    Put_Buffer(0x2100, 8);
    Program(4, 2, 8, 24);
  }
  void P_row() { Program_Blocks(4, 2); }
  void P_new() {
    Program_Blocks(4, 2);
    Load_Configuration();
    Put_Buffer(0x2100, 8);
    Program(4, 2, 4, 24);
    for (int i = 0; i < 3; ++i) Increment_Address();
    Put_Buffer(0x2107, 1);
    Program(4, 2, 1, 24);
  }
  void P_12() {
    Increment_Address();
    Program_Blocks(4, 2);
    Put_Buffer(0x2100, 4);
    Program(4, 2, 4, 16);
    Reset_Programmer();
    Pic_Begin();
    Put_Buffer(0x2107, 1);
    Program(4, 2, 1, 10);
  }
  void E_CP() {
    Load_Configuration();
    for (int i = 0; i < 7; ++i) Increment_Address();
    for (uint8_t command : {1, 7, 8, 1, 7}) Pic_Command(command);
  }
  void E_bulk() {
    Load_Configuration();
    Pic_Command(2, true);
    Pic_Command(9, false, 1);
    Pic_Command(11, false, 1);
  }
  void E_629() {
    uint16_t calibration = Read(4, 0x0400).back();
    Load_Configuration();
    uint16_t high = Read(4, 8)[7] >> 8;
    Load_Configuration();
    Pic_Command(2, true);
    Pic_Command(9, false, 1);
    Pic_Command(11, false, 1);
    Reset_Programmer();
    Pic_Begin();
    std::vector<uint16_t> words(0x0400, 0x3FFF);
    words.back() = calibration;
    Put_Words(words);
    Program(4, 2, 0x0400, 2056);
    Load_Configuration();
    words.assign(8, 0x3FFF);
    words.back() = static_cast<uint16_t>((high | 0x0F) << 8 | 0xFF);
    Put_Words(words);
    Program(4, 2, 8, 24);
  }
  void E_509() {
    Increment_Address();
    uint16_t calibration = Read(4, Prog_End() + 1u).back();
    Pic_Command(9, false, 1);
    Reset_Programmer();
    Pic_Begin();
    Increment_Address();
    std::vector<uint16_t> words(Prog_End() + 1u, 0x0FFF);
    words.back() = calibration;
    Put_Words(words);
    Program(4, 2, words.size(), 2 * words.size() + 8);
  }
  void Program_EE() {
    Put_Buffer(0x2000, EE_Count());
    Header(0x30, {5, 3, 0, 0, 0, 0x10});
    Send(2 * EE_Count() + 9);
    if (Status() != 0) ++failed_blocks;
  }
  void Verify_EE() {
    Pic_Begin();
    Compare_Words(Read(5, EE_Count()), 0x2000, std::nullopt);
  }

 private:
  Programmer& sim_;
  const Pic_Part& part_;
  std::array<uint8_t, 2064> tx_{};  // room for a packet one word too long
  std::vector<uint8_t> reply_;
};

class PicRoutines : public ::testing::Test {
 protected:
  Mcu9& Socket(const char* caption, std::vector<Fault> faults = {}) {
    Options o;
    o.pic = caption;
    o.faults = std::move(faults);
    sim = &Install(o);
    EXPECT_TRUE(sim->Open(Programmer::kSerial));
    host = std::make_unique<Mcu9>(*sim);
    return *host;
  }
  Pic_Chip& Chip() { return sim->Pic().Chip(); }
  // Buffer words from..to (inclusive) filled with a pattern of the core's width.
  void Pattern(size_t from, size_t to, uint16_t mask, unsigned seed = 1) {
    for (size_t a = from; a <= to; ++a) host->Pic_Buf[a] = (a * 0x2F1 + seed * 0x111) & mask;
  }
  size_t Count_Sent(uint8_t code) {
    auto sent = sim->Sent();
    return std::count_if(sent.begin(), sent.end(),
                         [&](const Transfer& t) { return t.Code() == code && t.refused.empty(); });
  }

  Programmer* sim = nullptr;
  std::unique_ptr<Mcu9> host;
};

using Words = std::vector<uint16_t>;

// ---- 14-bit flash parts with the erase-write cycle (P-14) and the chip erase (E-CP)

TEST_F(PicRoutines, Pic16F84ProgramsVerifiesReadsBackAndErases) {
  Mcu9& h = Socket("16F84/A");
  h.Operation([&] { h.B_14(); });
  EXPECT_TRUE(h.bad.empty());

  Pattern(0, 0x3FF, 0x3FFF);
  Pattern(0x2100, 0x2103, 0x3FFF, 2);
  h.Pic_Buf[0x2107] = 0x3FF9;  // protection off (bit 4 set)
  Words written = h.Pic_Buf;
  h.Operation([&] { h.P_14(); });
  EXPECT_EQ(h.failed_blocks, 0);
  EXPECT_EQ(Chip().Word(0x155), written[0x155]);
  EXPECT_EQ(Chip().Word(0x2002), written[0x2102]);
  EXPECT_EQ(Chip().Word(0x2007), 0x3FF9);

  // The buffer holds no device ID and reserved words: verify lists just those three.
  h.Operation([&] { h.V_14(); });
  EXPECT_EQ(h.bad, (Words{0x2104, 0x2105, 0x2106}));

  h.Pic_Buf.assign(0x3000, 0);
  h.Operation([&] { h.R_14(); });
  EXPECT_TRUE(std::equal(written.begin(), written.begin() + 0x400, h.Pic_Buf.begin()));
  EXPECT_EQ(Words(h.Pic_Buf.begin() + 0x2100, h.Pic_Buf.begin() + 0x2108),
            (Words{written[0x2100], written[0x2101], written[0x2102], written[0x2103], 0x3FFF,
                   0x3FFF, 0x0560, 0x3FF9}));
  h.Operation([&] { h.V_14(); });
  EXPECT_TRUE(h.bad.empty());

  // Erase-write cycles: programming over programmed words needs no erase first.
  Pattern(0, 0x3FF, 0x3FFF, 7);
  h.Operation([&] { h.P_14(); });
  EXPECT_EQ(h.failed_blocks, 0);
  h.Operation([&] { h.V_14(); });
  EXPECT_TRUE(h.bad.empty());

  h.Operation([&] { h.E_CP(); });
  h.Operation([&] { h.B_14(); });
  EXPECT_TRUE(h.bad.empty());
  EXPECT_EQ(Chip().Word(0x2007), 0x3FFF);
}

TEST_F(PicRoutines, CodeProtectionHidesProgramMemoryUntilTheChipErase) {
  Mcu9& h = Socket("16F84/A");
  Pattern(0, 0x3FF, 0x3FFF);
  h.Pic_Buf[0x2100] = 0x1234;
  h.Pic_Buf[0x2107] = 0x3FE9;  // bit 4 clear: protected
  h.Operation([&] { h.P_14(); });
  EXPECT_EQ(h.failed_blocks, 0);
  EXPECT_TRUE(Chip().Code_Protected());

  Mcu9 reader(*sim);
  reader.Operation([&] { reader.R_14(); });
  EXPECT_TRUE(std::all_of(reader.Pic_Buf.begin(), reader.Pic_Buf.begin() + 0x400,
                          [](uint16_t w) { return w == 0; }));
  EXPECT_EQ(reader.Pic_Buf[0x2100], 0x1234);  // ID words and configuration stay readable
  EXPECT_EQ(reader.Pic_Buf[0x2107], 0x3FE9);

  // Neither new program words nor a configuration word without protection take.
  Pattern(0, 0x3FF, 0x3FFF, 3);
  h.Pic_Buf[0x2107] = 0x3FFF;
  h.Operation([&] { h.P_14(); });
  EXPECT_EQ(h.failed_blocks, 2);
  EXPECT_TRUE(Chip().Code_Protected());

  h.Operation([&] { h.E_CP(); });
  EXPECT_FALSE(Chip().Code_Protected());
  h.Operation([&] { h.B_14(); });
  EXPECT_TRUE(h.bad.empty());
  h.Operation([&] { h.P_14(); });
  EXPECT_EQ(h.failed_blocks, 0);
}

TEST_F(PicRoutines, Pic16F628VerifiesConfigurationAreaAndKeepsItsDataEeprom) {
  Mcu9& h = Socket("16F628");
  h.Operation([&] { h.R_14(); });  // device ID and reserved words into the buffer
  Pattern(0, 0x7FF, 0x3FFF);
  for (size_t i = 0; i < h.EE_Count(); ++i) h.Pic_Buf[0x2000 + i] = (i * 37 + 5) & 0xFF;
  h.Pic_Buf[0x2101] = 0x0ABC;
  h.Pic_Buf[0x2107] = 0x3F62;
  Words written = h.Pic_Buf;

  h.Operation([&] { h.P_14(); });
  h.Operation([&] { h.Program_EE(); });
  EXPECT_EQ(h.failed_blocks, 0);
  EXPECT_EQ(Chip().Data(0), written[0x2000]);
  EXPECT_EQ(Chip().Data(127), written[0x207F]);
  h.Operation([&] { h.V_14(); });
  EXPECT_TRUE(h.bad.empty());
  h.Operation([&] { h.Verify_EE(); });
  EXPECT_TRUE(h.bad.empty());

  // A changed ID word and the configuration word are among the eight compared.
  h.Pic_Buf[0x2101] = 0x0ABD;
  h.Pic_Buf[0x2107] = 0x3F63;
  h.Operation([&] { h.V_14(); });
  EXPECT_EQ(h.bad, (Words{0x2101, 0x2107}));

  // Reading starts the data EEPROM at address 0, where program memory leaves the counter.
  h.Pic_Buf.assign(0x3000, 0);
  h.Operation([&] { h.R_14(); });
  EXPECT_EQ(h.Pic_Buf, written);
  h.Operation([&] { h.Verify_EE(); }, 0);  // at 3 volts
  EXPECT_TRUE(h.bad.empty());
}

TEST_F(PicRoutines, DataProtectionHidesTheEepromUntilErased) {
  Mcu9& h = Socket("16F628");
  for (size_t i = 0; i < 128; ++i) h.Pic_Buf[0x2000 + i] = static_cast<uint16_t>(i + 1);
  h.Operation([&] { h.Program_EE(); });
  h.Pic_Buf[0x2107] = 0x3EFF;  // bit 8 clear: data protected
  h.Operation([&] { h.P_14(); });
  EXPECT_TRUE(Chip().Data_Protected());
  EXPECT_EQ(Chip().Data(5), 6);

  h.Operation([&] { h.Verify_EE(); });
  EXPECT_EQ(h.bad.size(), 128u);  // every byte reads 0
  h.Operation([&] { h.Program_EE(); });
  EXPECT_EQ(h.failed_blocks, 1);

  h.Operation([&] { h.E_CP(); });
  EXPECT_FALSE(Chip().Data_Protected());
  EXPECT_EQ(Chip().Data(5), 0xFF);
}

TEST_F(PicRoutines, Pic16F877MovesEightBlocksAndItsEepromFromAddressZero) {
  Mcu9& h = Socket("16F877");
  Pattern(0, 0x1FFF, 0x3FFF);
  for (size_t i = 0; i < 256; ++i) h.Pic_Buf[0x2000 + i] = static_cast<uint16_t>(255 - i);
  h.Pic_Buf[0x2107] = 0x3F7A;
  h.Operation([&] { h.P_14(); });
  h.Operation([&] { h.Program_EE(); });
  EXPECT_EQ(h.failed_blocks, 0);
  Words written = h.Pic_Buf;

  sim->Clear_Log();
  h.Pic_Buf.assign(0x3000, 0);
  h.Operation([&] { h.R_14(); });
  EXPECT_EQ(Count_Sent(0x20), 8u + 1 + 1);  // program blocks, data EEPROM, configuration area
  EXPECT_TRUE(std::equal(written.begin(), written.begin() + 0x2000, h.Pic_Buf.begin()));
  EXPECT_TRUE(
      std::equal(written.begin() + 0x2000, written.begin() + 0x2100, h.Pic_Buf.begin() + 0x2000));
  EXPECT_EQ(h.Pic_Buf[0x2106], 0x09A0);
  EXPECT_EQ(h.Pic_Buf[0x2107], 0x3F7A);

  h.Operation([&] { h.E_CP(); });
  h.Operation([&] { h.B_14(); });
  EXPECT_TRUE(h.bad.empty());
  EXPECT_EQ(Chip().Data(255), 0xFF);
}

// ---- flash parts programmed without erase cycles (P-row, P-new) and the bulk erase

TEST_F(PicRoutines, Pic16F877AProgramsProgramMemoryOnlyAndNeedsTheBulkErase) {
  Mcu9& h = Socket("16F877A");
  Pattern(0, 0x1FFF, 0x3FFF);
  h.Pic_Buf[0x2100] = 0x0001;
  h.Pic_Buf[0x2107] = 0x3F72;
  h.Operation([&] { h.P_row(); });
  EXPECT_EQ(h.failed_blocks, 0);
  EXPECT_EQ(Chip().Word(0x2000), 0x3FFF);  // ID and configuration words untouched
  EXPECT_EQ(Chip().Word(0x2007), 0x3FFF);
  std::fill(h.Pic_Buf.begin() + 0x2101, h.Pic_Buf.begin() + 0x2106, 0x3FFF);
  h.Pic_Buf[0x2106] = 0x0E20;
  h.Operation([&] { h.V_14(); });
  EXPECT_EQ(h.bad, (Words{0x2100, 0x2107}));

  // Bits only fall: a second pattern fails where it needs ones back.
  Pattern(0, 0x1FFF, 0x3FFF, 9);
  h.Operation([&] { h.P_row(); });
  EXPECT_EQ(h.failed_blocks, 8);
  h.Operation([&] { h.E_bulk(); });
  h.Operation([&] { h.P_row(); });
  EXPECT_EQ(h.failed_blocks, 0);

  // The bulk erase from configuration space lifts code and data protection.
  EXPECT_TRUE(Chip().Program(0x2007, 0x1EFF));
  EXPECT_TRUE(Chip().Code_Protected());
  EXPECT_TRUE(Chip().Data_Protected());
  h.Operation([&] { h.E_bulk(); });
  EXPECT_FALSE(Chip().Code_Protected());
  EXPECT_FALSE(Chip().Data_Protected());
  h.Operation([&] { h.B_14(); });
  EXPECT_TRUE(h.bad.empty());
}

TEST_F(PicRoutines, Pic16F877AReadFillsProgramEepromAndConfigurationArea) {
  Mcu9& h = Socket("16F877A");
  Pattern(0, 0x1FFF, 0x3FFF);
  h.Operation([&] { h.P_row(); });
  for (size_t i = 0; i < 256; ++i) h.Pic_Buf[0x2000 + i] = static_cast<uint16_t>(i ^ 0x5A);
  h.Operation([&] { h.Program_EE(); });
  Words written = h.Pic_Buf;

  h.Pic_Buf.assign(0x3000, 0x1111);
  h.Operation([&] { h.R_14(); });
  EXPECT_TRUE(std::equal(written.begin(), written.begin() + 0x2100, h.Pic_Buf.begin()));
  EXPECT_EQ(Words(h.Pic_Buf.begin() + 0x2100, h.Pic_Buf.begin() + 0x2108),
            (Words{0x3FFF, 0x3FFF, 0x3FFF, 0x3FFF, 0x3FFF, 0x3FFF, 0x0E20, 0x3FFF}));
}

TEST_F(PicRoutines, Pic16F684WritesIdWordsAndConfigurationWithTheNewSequence) {
  Mcu9& h = Socket("16F684");
  h.Operation([&] { h.R_14(); });
  Pattern(0, 0x7FF, 0x3FFF);
  Pattern(0x2100, 0x2103, 0x3FFF, 4);
  h.Pic_Buf[0x2107] = 0x32E4;
  Words written = h.Pic_Buf;
  h.Operation([&] { h.P_new(); });
  EXPECT_EQ(h.failed_blocks, 0);
  for (uint16_t i = 0; i < 4; ++i) EXPECT_EQ(Chip().Word(0x2000 + i), written[0x2100 + i]);
  EXPECT_EQ(Chip().Word(0x2007), 0x32E4);
  h.Operation([&] { h.V_14(); });
  EXPECT_TRUE(h.bad.empty());

  // Without an erase first the configuration word cannot rise again.
  h.Pic_Buf[0x2107] = 0x3FFF;
  h.Operation([&] { h.P_new(); });
  EXPECT_EQ(h.failed_blocks, 1);
  h.Operation([&] { h.E_bulk(); });
  h.Operation([&] { h.P_new(); });
  EXPECT_EQ(h.failed_blocks, 0);
  EXPECT_EQ(Chip().Word(0x2007), 0x3FFF);
}

// ---- calibration words

TEST_F(PicRoutines, EraseOf12F675KeepsCalibrationAndBandGapBits) {
  Mcu9& h = Socket("12F675");
  EXPECT_EQ(Chip().Word(0x3FF), 0x3484);
  EXPECT_EQ(Chip().Word(0x2007), 0x1FFF);
  h.Operation([&] { h.R_14(); });
  Pattern(0, 0x3FE, 0x3FFF);  // the buffer keeps the calibration word read from the part
  Pattern(0x2100, 0x2103, 0x3FFF, 5);
  for (size_t i = 0; i < 128; ++i) h.Pic_Buf[0x2000 + i] = static_cast<uint16_t>(i);
  h.Pic_Buf[0x2107] = 0x1F84;
  h.Operation([&] { h.P_14(); });
  h.Operation([&] { h.Program_EE(); });
  EXPECT_EQ(h.failed_blocks, 0);
  EXPECT_EQ(Chip().Word(0x2007), 0x1F84);

  h.Operation([&] { h.E_629(); });
  for (uint16_t a = 0; a < 0x3FF; ++a) ASSERT_EQ(Chip().Word(a), 0x3FFF) << a;
  EXPECT_EQ(Chip().Word(0x3FF), 0x3484);
  EXPECT_EQ(Chip().Word(0x2007), 0x1FFF);  // bits 13..12 as before, all others 1
  EXPECT_EQ(Chip().Word(0x2000), 0x3FFF);
  EXPECT_EQ(Chip().Data(7), 0xFF);
  h.Operation([&] { h.B_14(); });
  EXPECT_EQ(h.bad, (Words{0x03FF}));  // the calibration word is not blank
}

TEST_F(PicRoutines, BulkEraseAloneTakesThe12F675CalibrationAndBandGapBits) {
  Mcu9& h = Socket("12F629");
  h.Operation([&] { h.E_bulk(); });
  EXPECT_EQ(Chip().Word(0x3FF), 0x3FFF);
  EXPECT_EQ(Chip().Word(0x2007), 0x3FFF);
}

TEST_F(PicRoutines, EraseOf12F509KeepsTheCalibrationWord) {
  Mcu9& h = Socket("12F509");
  h.Operation([&] { h.B_12(); });
  EXPECT_EQ(h.bad, (Words{0x03FF}));
  EXPECT_EQ(Chip().Read(0x3FF), 0x0C74);

  h.Operation([&] { h.R_12(); });
  Pattern(0, 0x3FE, 0x0FFF);
  Pattern(0x2100, 0x2103, 0x0FFF, 6);
  h.Pic_Buf[0x2107] = 0x0FFD;
  Words written = h.Pic_Buf;
  h.Operation([&] { h.P_12(); });
  EXPECT_EQ(h.failed_blocks, 0);
  EXPECT_EQ(Chip().Word(Pic_Chip::kConfig12), 0x0FFD);
  EXPECT_EQ(Chip().Word(0x400), written[0x2100]);  // ID words follow program memory

  h.Operation([&] { h.E_509(); });
  h.Pic_Buf.assign(0x3000, 0);
  h.Operation([&] { h.R_12(); });
  EXPECT_TRUE(std::all_of(h.Pic_Buf.begin(), h.Pic_Buf.begin() + 0x3FF,
                          [](uint16_t w) { return w == 0x0FFF; }));
  EXPECT_EQ(h.Pic_Buf[0x3FF], 0x0C74);
  EXPECT_EQ(Words(h.Pic_Buf.begin() + 0x2100, h.Pic_Buf.begin() + 0x2104), Words(4, 0x0FFF));
  EXPECT_EQ(h.Pic_Buf[0x2107], 0x0FFF);
}

TEST_F(PicRoutines, EraseOfAProtected12F509LiftsProtectionButCannotSeeTheCalibration) {
  Mcu9& h = Socket("12F509");
  EXPECT_TRUE(Chip().Program(Pic_Chip::kConfig12, 0x0FF7));
  EXPECT_EQ(Chip().Read(0x3FF), 0);  // hidden like the rest of program memory
  h.Operation([&] { h.E_509(); });
  EXPECT_FALSE(Chip().Code_Protected());
  EXPECT_EQ(Chip().Word(0x3FF), 0);  // what the routine read is what it wrote back
}

TEST_F(PicRoutines, Pic12C508ReadsConfigurationFirstAndKeepsEpromPhysics) {
  Mcu9& h = Socket("12C508/A");
  h.Operation([&] { h.R_12(); });
  EXPECT_EQ(h.Pic_Buf[0x2107], 0x0FFF);
  EXPECT_EQ(h.Pic_Buf[0x1FF], 0x0C60);
  Pattern(0, 0x1FE, 0x0FFF);
  Pattern(0x2100, 0x2103, 0x0FFF, 8);
  h.Pic_Buf[0x2107] = 0x001D;
  Words written = h.Pic_Buf;
  h.Operation([&] { h.P_12(); });
  EXPECT_EQ(h.failed_blocks, 0);
  h.Operation([&] { h.V_12(); });
  EXPECT_TRUE(h.bad.empty());
  EXPECT_EQ(Chip().Word(Pic_Chip::kConfig12), 0x001D);

  // Programming bit 3 of the configuration word protects the part: program words read 0, ID
  // words stay readable.
  h.Pic_Buf[0x2107] = 0x0015;
  h.Operation([&] { h.P_12(); });
  EXPECT_EQ(h.failed_blocks, 0);
  h.Pic_Buf.assign(0x3000, 0x0777);
  h.Operation([&] { h.R_12(); });
  EXPECT_EQ(h.Pic_Buf[0x100], 0);
  EXPECT_EQ(h.Pic_Buf[0x2102], written[0x2102]);
  EXPECT_EQ(h.Pic_Buf[0x2107], 0x0015);

  // No electrical erase for EPROM.
  h.Operation([&] { h.E_bulk(); });
  EXPECT_EQ(Chip().Word(0x1FF), 0x0C60);
  EXPECT_EQ(Chip().Word(0x100), written[0x100]);
}

TEST_F(PicRoutines, Pic16C505HasTwelveBitWordsAndTheSerialReadFormat) {
  Mcu9& h = Socket("16C505");
  h.Operation([&] { h.R_12(); });
  EXPECT_EQ(h.Pic_Buf[0x2107], 0x0FFF);
  EXPECT_EQ(h.Pic_Buf[0x3FF], 0x0FFF);  // no calibration word
  h.Reset_Programmer();
  h.Pic_Begin();
  h.Read(4, 1);
  EXPECT_EQ(h.Reply()[8], 0x0F);  // high byte first
  EXPECT_EQ(h.Reply()[9], 0xFF);
  Pattern(0, 0x3FF, 0x0FFF);
  h.Pic_Buf[0x2107] = 0x0FE4;
  h.Operation([&] { h.P_12(); });
  EXPECT_EQ(h.failed_blocks, 0);
  h.Operation([&] { h.V_12(); });
  EXPECT_TRUE(h.bad.empty());
}

// ---- 16C5x through the adapter

TEST_F(PicRoutines, Pic16C52ProgramsInOneBlockAndReadsInTheSplitFormat) {
  Mcu9& h = Socket("16C52");
  h.Operation([&] { h.B_5x(); });
  EXPECT_TRUE(h.bad.empty());
  Pattern(0, 0x17F, 0x0FFF);
  Pattern(0x2100, 0x2103, 0x0FFF, 3);
  h.Pic_Buf[0x2107] = 0x0FF9;
  Words written = h.Pic_Buf;

  sim->Clear_Log();
  h.Operation([&] { h.P_5x(); });
  EXPECT_EQ(h.failed_blocks, 0);
  auto sent = sim->Sent();
  ASSERT_GE(sent.size(), 7u);
  EXPECT_EQ(sent[5][6], 0x80);  // 384 words: 0x0180, one block
  EXPECT_EQ(sent[5].data.size(), 768u);
  EXPECT_EQ(Chip().Word(Pic_Chip::kConfig12), 0x0FF9);
  EXPECT_EQ(Chip().Word(0x180), written[0x2100]);

  h.Pic_Buf.assign(0x3000, 0);
  h.Operation([&] { h.R_5x(); });
  EXPECT_TRUE(std::equal(written.begin(), written.begin() + 0x180, h.Pic_Buf.begin()));
  EXPECT_EQ(h.Pic_Buf[0x2103], written[0x2103]);
  EXPECT_EQ(h.Pic_Buf[0x2107], 0x0FF9);
  h.Operation([&] { h.V_5x(); });
  EXPECT_TRUE(h.bad.empty());

  h.Reset_Programmer();
  h.Pic_Begin();
  h.Read(4, 2);  // configuration word, then word 0
  EXPECT_EQ(h.Reply()[8], 0xFF);
  EXPECT_EQ(h.Reply()[9], 0x09);
  EXPECT_EQ(h.Reply()[10], written[0] >> 4);
  EXPECT_EQ(h.Reply()[11], written[0] & 0x0F);
}

TEST_F(PicRoutines, Pic16C58BTakesTheIdWordsInTheLastBlocksLength) {
  Mcu9& h = Socket("16C58B");
  Pattern(0, 0x7FF, 0x0FFF);
  Pattern(0x2100, 0x2103, 0x0FFF, 2);
  h.Pic_Buf[0x2107] = 0x0FF0;  // protected
  Words written = h.Pic_Buf;
  h.Operation([&] { h.P_5x(); });
  EXPECT_EQ(h.failed_blocks, 0);
  EXPECT_TRUE(Chip().Code_Protected());
  EXPECT_EQ(Chip().Word(0x803), written[0x2103]);

  h.Operation([&] { h.V_5x(); });
  EXPECT_EQ(h.bad.size(), 0x800u - std::count(written.begin(), written.begin() + 0x800, 0));
}

// ---- packets and modes

TEST_F(PicRoutines, RefusesProgrammingPacketsOfTheWrongLength) {
  Mcu9& h = Socket("16F628");
  h.Reset_Programmer();
  h.Pic_Begin();
  auto refused = [&] { return h.Reply().empty() && sim->Log().back().refused == "length"; };
  h.Put_Words(Words(1025, 0x0123));
  h.Header(0x30, {4, 2, 0, 0, 0, 8});
  h.Send(8 + 2 * 7);  // a word short
  EXPECT_TRUE(refused());
  h.Send(8 + 2 * 1024 + 2);  // beyond the firmware's block buffer
  EXPECT_TRUE(refused());
  h.Header(0x30, {4, 2, 0, 0, 0x04, 0x01});
  h.Send(8 + 2 * 1025);
  EXPECT_TRUE(refused());

  // The data EEPROM form: exactly 2n + 9 bytes, n = 64, 128 or 256, and 0x0010 in bytes 5..6.
  h.Header(0x30, {5, 3, 0, 0, 0, 0x10});
  for (size_t n : {2 * 128 + 8, 2 * 100 + 9, 2 * 512 + 9}) {
    h.Send(n);
    EXPECT_TRUE(refused()) << n;
  }
  h.Header(0x30, {5, 3, 0, 0, 0, 0x80});
  h.Send(2 * 128 + 9);
  EXPECT_TRUE(refused());
  h.Header(0x22, {6, 0, 0, 1, 0, 0});
  h.Send(9);  // ordinary commands are 8 bytes
  EXPECT_TRUE(refused());
  EXPECT_EQ(sim->Pic().Counter(), 0);
  EXPECT_EQ(Chip().Word(0), 0x3FFF);
  EXPECT_EQ(Chip().Data(0), 0xFF);

  h.Header(0x30, {5, 3, 0, 0, 0, 0x10});
  h.Send(2 * 128 + 9);
  EXPECT_EQ(h.Status(), 0);
  EXPECT_EQ(Chip().Data(0), 0x23);
}

TEST_F(PicRoutines, DataEepromAddressIsTheCountersLowBits) {
  Mcu9& h = Socket("16F628");
  for (size_t i = 0; i < 128; ++i) h.Pic_Buf[0x2000 + i] = static_cast<uint16_t>(0x80 + i);
  h.Operation([&] { h.Program_EE(); });
  h.Reset_Programmer();
  h.Pic_Begin();
  for (int i = 0; i < 0x85; ++i) h.Increment_Address();
  EXPECT_EQ(h.Read(5, 2), (Words{0x85, 0x86}));
  h.Load_Configuration();
  EXPECT_EQ(h.Read(5, 1), (Words{0x80}));
}

TEST_F(PicRoutines, PicModeFollowsThePinSetupAndThePartAnswersOnlyOnItsOwnPins) {
  Mcu9& h = Socket("16F84/A");
  EXPECT_FALSE(sim->Pic().Active());
  h.Header(0x10, {2, 2, 75, 0});  // a 16F87xA's pins
  h.Send();
  EXPECT_TRUE(sim->Pic().Active());
  EXPECT_FALSE(sim->Pic().Programming());
  EXPECT_EQ(h.Read(4, 2), Words(2, 0));
  h.Put_Words({0x1234});
  h.Header(0x30, {4, 2, 0, 0, 0, 1});
  h.Send(10);
  EXPECT_EQ(h.Status(), 0xFF);
  EXPECT_EQ(Chip().Word(0), 0x3FFF);
  h.Header(0x10, {2, 0, 70, 0});  // no programming voltage
  h.Send();
  EXPECT_FALSE(sim->Pic().Programming());

  h.Pic_Begin();
  EXPECT_TRUE(sim->Pic().Programming());
  h.Header(0x53, {});
  h.Send();
  EXPECT_FALSE(sim->Pic().Programming());

  // A family of Win_KV9 ends PIC mode: 0x30 counts bytes for the memory chip again.
  h.Header(0x10, {2, 2, 4, 0});
  h.Send();
  EXPECT_FALSE(sim->Pic().Active());
  h.Header(0x30, {0, 0, 0, 0, 0, 2});
  h.Send(10);
  EXPECT_EQ(h.Status(), 0);
  EXPECT_EQ(sim->Chip().Read(1), 0x34);
  EXPECT_EQ(Chip().Word(0), 0x3FFF);
}

TEST_F(PicRoutines, FailedBlockFaultStrikesPicBlocksBeforeTheyAreWritten) {
  Mcu9& h = Socket("16F877", {{Fault::Fail_Block, 2}});
  Pattern(0, 0x1FFF, 0x3FFF);
  h.Operation([&] { h.P_14(); });
  EXPECT_EQ(h.failed_blocks, 1);
  EXPECT_EQ(Chip().Word(0x3FF), h.Pic_Buf[0x3FF]);
  EXPECT_EQ(Chip().Word(0x400), 0x3FFF);
  EXPECT_EQ(Chip().Word(0x800), h.Pic_Buf[0x800]);
}

}  // namespace
}  // namespace progsim
