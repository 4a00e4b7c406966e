// Electrical erase: the chip erase of the 16F84 and 16F87x families, the bulk erase of the newer
// flash parts, and the two erases that put back the factory oscillator calibration.
#include "common/hex.h"
#include "picprog/ops/pic_ops.h"
#include "picprog/ops/pic_packets.h"
#include "picprog/ops/routines.h"

namespace picprog {

namespace {

constexpr int kChip_Erase_Ms = 20;
constexpr int kBulk_Erase_Ms = 50;
constexpr int kCal_Erase_Ms = 10;
constexpr uint16_t kConfig_Offset = 7;  // 0x2007 from the start of configuration space

void Show_Step(Mcu9& m, const char* text) {
  m.ui.Caption("StaticText2", text);
}

void Wait_Unless_Stopped(Mcu9& m, int ms) {
  if (!Stopped(m)) Pause_Ms(ms);
}

void E_CP(Mcu9& m) {
  Load_Configuration(m);
  for (uint16_t i = 0; i < kConfig_Offset; ++i) Increment_Address(m);
  Pic_Command(m, pic_cmd::Bulk_Erase_Setup_1, 0, 0);
  Pic_Command(m, pic_cmd::Bulk_Erase_Setup_2, 0, 0);
  Pic_Command(m, pic_cmd::Begin_Programming, 0, 0);
  Wait_Unless_Stopped(m, kChip_Erase_Ms);
  Pic_Command(m, pic_cmd::Bulk_Erase_Setup_1, 0, 0);
  Pic_Command(m, pic_cmd::Bulk_Erase_Setup_2, 0, 0);
  Wait_Unless_Stopped(m, kChip_Erase_Ms);
}

void Bulk_Erase(Mcu9& m, int wait_ms) {
  Load_Configuration(m);
  Pic_Command(m, pic_cmd::Load_Data, kErased14, 0);
  Pic_Command(m, pic_cmd::Bulk_Erase_Program, 0, 1);
  Wait_Unless_Stopped(m, wait_ms);
  Pic_Command(m, pic_cmd::Bulk_Erase_Data, 0, 1);
  Wait_Unless_Stopped(m, wait_ms);
}

// The calibration word read before an erase, and what to write back.
struct Calibration {
  uint16_t address;
  uint16_t word;
  uint16_t opcode;  // its instruction: RETLW (0x34xx) or MOVLW (0x0Cxx)
  const char* instruction;
  uint16_t erased;
};

// A code-protected part reads 0 where its calibration is: erasing it then would lose the value
// for good. Unless the word is the instruction a calibration is, the user decides; an erase they
// allow leaves the word erased rather than writing back what was read.
bool Calibration_Kept(Mcu9& m, Calibration& cal) {
  if ((cal.word & 0x3F00) == cal.opcode) return true;
  const std::string at = common::Hex(cal.address, 4);
  const std::string question = "The Osc Cal word read from " + at + " is " +
                               common::Hex(cal.word, 4) + ", not a " + cal.instruction +
                               " calibration value: the part may be code protected.\r\n"
                               "Erase anyway? Word " +
                               at + " will be left blank and its calibration lost.";
  if (!m.host.Ask_Yes_No(question, {})) return false;
  cal.word = cal.erased;
  return true;
}

void Tell_Not_Restored(Mcu9& m, const Calibration& cal, const std::string& config) {
  m.host.Show_Message("Band Gap & Osc Cal DID NOT Program....\r\nWord " +
                          common::Hex(cal.address, 4) + " must hold " + common::Hex(cal.word, 4) +
                          config + ": put it into the buffer and program the device.",
                      proglink::Box::Warning, {});
}

Erase_Result E_629(Mcu9& m) {
  Calibration cal{
      .address = 0x3FF, .word = 0, .opcode = 0x3400, .instruction = "RETLW", .erased = kErased14};
  Read_Words(m, kProgram_Area, kBlock_Words);
  if (Stopped(m)) return Erase_Result::Done;
  cal.word = Reply_Word(cal.address, false);
  Load_Configuration(m);
  Read_Words(m, kProgram_Area, 8);
  if (Stopped(m)) return Erase_Result::Done;
  // Only bits 15..12 of the configuration word survive, the band-gap bits among them.
  const auto high = static_cast<uint8_t>(Reply_Word(kConfig_Offset, false) >> 8);
  const auto config = static_cast<uint16_t>((high | 0x0F) << 8 | 0xFF);
  if (!Calibration_Kept(m, cal)) return Erase_Result::Declined;
  const std::string config_text = " and the configuration word " + common::Hex(config, 4);

  Bulk_Erase(m, kCal_Erase_Ms);
  if (Stopped(m)) {
    Tell_Not_Restored(m, cal, config_text);
    return Erase_Result::Done;
  }

  Show_Step(m, "Programming Band Gap & Osc Cal...");
  m.link.Reset_Programmer();
  Pic_Begin(m);
  for (uint16_t i = 0; i < cal.address; ++i) Put_Word(m, i, kErased14);
  Put_Word(m, cal.address, cal.word);
  Program_Words(m, kSerial_Words, kBlock_Words, 8 + 2 * kBlock_Words);
  Load_Configuration(m);
  for (uint16_t i = 0; i < kConfig_Offset; ++i) Put_Word(m, i, kErased14);
  Put_Word(m, kConfig_Offset, config);
  Program_Words(m, kSerial_Words, 8, 24);
  if (Stopped(m)) Tell_Not_Restored(m, cal, config_text);
  return Erase_Result::Done;
}

Erase_Result E_509(Mcu9& m) {
  const uint16_t words = m.Prog_End + 1u;
  Calibration cal{.address = m.Prog_End,
                  .word = 0,
                  .opcode = 0x0C00,
                  .instruction = "MOVLW",
                  .erased = kErased12};
  Increment_Address(m);  // past the configuration word
  Read_Words(m, kProgram_Area, words);
  if (Stopped(m)) return Erase_Result::Done;
  cal.word = Reply_Word(cal.address, false);
  if (!Calibration_Kept(m, cal)) return Erase_Result::Declined;

  Pic_Command(m, pic_cmd::Bulk_Erase_Program, 0, 1);
  Wait_Unless_Stopped(m, kCal_Erase_Ms);
  if (Stopped(m)) {
    Tell_Not_Restored(m, cal, "");
    return Erase_Result::Done;
  }

  Show_Step(m, "Programming Band Gap & Osc Cal...");
  m.link.Reset_Programmer();
  Pic_Begin(m);
  Increment_Address(m);
  for (uint16_t i = 0; i < cal.address; ++i) Put_Word(m, i, kErased12);
  Put_Word(m, cal.address, cal.word);
  Program_Words(m, kSerial_Words, words, 8 + 2u * words);
  if (Stopped(m)) Tell_Not_Restored(m, cal, "");
  return Erase_Result::Done;
}

}  // namespace

Erase_Result Erase(Mcu9& m, Erase_Routine routine) {
  if (routine == Erase_Routine::None) return Erase_Result::Done;
  Show_Step(m, "Erasing Device...");
  switch (routine) {
    case Erase_Routine::E_CP:
      E_CP(m);
      break;
    case Erase_Routine::E_bulk:
      Bulk_Erase(m, kBulk_Erase_Ms);
      break;
    case Erase_Routine::E_629:
      return E_629(m);
    case Erase_Routine::E_509:
      return E_509(m);
    case Erase_Routine::None:
      break;
  }
  return Erase_Result::Done;
}

}  // namespace picprog
