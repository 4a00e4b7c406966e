#include "memprog/core/ranges.h"

#include <algorithm>
#include <cstring>

#include "common/hex.h"
#include "memprog/core/buffer.h"
#include "memprog/core/main_form.h"

namespace memprog {

namespace {

struct Range_Field {
  const char* button;
  int code;  // Edit_Add's Tag
  int top;   // where the entry field goes
};

constexpr Range_Field kFields[] = {
    {"Start_Buf_Add", 1, 326}, {"Start_Add", 2, 346},     {"End_Add", 3, 366},
    {"Start_Hex", 4, 386},     {"End_Hex", 5, 406},       {"Offset", 6, 426},
    {"Chg_Pass", 7, 330},      {"Program_Pulse", 8, 350},
};

// The value an entry-field code edits; nullptr for the pass and pulse.
int32_t Kv9::*Range_Member(int code) {
  switch (code) {
    case 1:
      return &Kv9::Buf_Start_Add;
    case 2:
      return &Kv9::Dev_Start_Add;
    case 3:
      return &Kv9::Dev_End_Add;
    case 4:
      return &Kv9::Hex_Start_Add;
    case 5:
      return &Kv9::Hex_End_Add;
    case 6:
      return &Kv9::Hex_Offset;
    default:
      return nullptr;
  }
}

std::string Caption(const char* prefix, int32_t value) {
  return prefix + common::Hex(static_cast<uint32_t>(value), 5);
}

void Conversion_Error(Kv9& k, const std::string& text) {
  k.host.Show_Message("'" + text + "' is not a valid integer value", proglink::Box::Error, {});
}

// The low 16 bits of the sum of `n` bytes, eight at a time: four 16-bit lanes each take two bytes
// a step, and are emptied before they can overflow.
uint16_t Byte_Sum(const uint8_t* p, size_t n) {
  constexpr uint64_t kLanes = 0x00FF00FF00FF00FFULL;
  constexpr size_t kSteps = 128;  // 128 x 2 x 255 < 65536
  uint64_t sum = 0;
  size_t i = 0;
  while (n - i >= 8) {
    uint64_t lanes = 0;
    for (size_t steps = 0; steps < kSteps && n - i >= 8; ++steps, i += 8) {
      uint64_t w;
      std::memcpy(&w, p + i, 8);
      lanes += (w & kLanes) + (w >> 8 & kLanes);
    }
    for (int lane = 0; lane < 4; ++lane) sum += lanes >> (16 * lane) & 0xFFFF;
  }
  for (; i < n; ++i) sum += p[i];
  return static_cast<uint16_t>(sum);
}

}  // namespace

const int32_t* Range_Value(const Kv9& k, const std::string& button) {
  auto f = std::find_if(std::begin(kFields), std::end(kFields),
                        [&](const Range_Field& r) { return button == r.button; });
  if (f == std::end(kFields)) return nullptr;
  int32_t Kv9::*member = Range_Member(f->code);
  return member ? &(k.*member) : nullptr;
}

void Show_Ranges(Kv9& k) {
  if (k.Dev_End_Add > k.Dev_Last_Add) k.Dev_End_Add = k.Dev_Last_Add;
  if (k.Dev_Start_Add > k.Dev_End_Add) k.Dev_Start_Add = k.Dev_End_Add;
  if (k.Buf_Start_Add > 0xFFFFFF) k.Buf_Start_Add = 0xFFFFFF;
  // A value typed with its top bit set reads as negative: no device or buffer position is.
  k.Dev_End_Add = std::max(k.Dev_End_Add, 0);
  k.Dev_Start_Add = std::max(k.Dev_Start_Add, 0);
  k.Buf_Start_Add = std::max(k.Buf_Start_Add, 0);
  k.ui.Caption("Start_Buf_Add", Caption("Buffer Start=", k.Buf_Start_Add));
  k.ui.Caption("Start_Add", Caption("Device Start=", k.Dev_Start_Add));
  k.ui.Caption("End_Add", Caption("Device End=", k.Dev_End_Add));
  k.ui.Caption("Start_Hex", Caption("Hex File Start=", k.Hex_Start_Add));
  k.ui.Caption("End_Hex", Caption("Hex File End=", k.Hex_End_Add));
  k.ui.Caption("Offset", Caption("Hex Offset=", k.Hex_Offset));
  End_Busy(k);
}

void Checksum(Kv9& k) {
  int64_t first = std::max<int64_t>(k.Dev_Start_Add, 0);
  int64_t last = std::min<int64_t>(Range_End_Index(k), kImage_Size - 1);
  const uint8_t* b = k.Image_Buffer.get();
  k.Chk_Sum = last < first ? 0 : Byte_Sum(b + first, static_cast<size_t>(last - first + 1));
  k.ui.Caption("Chk_Sum_But", "CheckSum=" + common::Hex(k.Chk_Sum, 4));
  k.Buffer_Loaded = 1;
}

void Edit_Range_Click(Kv9& k, const std::string& button) {
  auto f = std::find_if(std::begin(kFields), std::end(kFields),
                        [&](const Range_Field& r) { return button == r.button; });
  if (f == std::end(kFields)) return;
  if (f->code <= 6) {
    Begin_Busy(k);
    k.ui.Enabled(f->button, true);
  }
  k.ui.Top("Edit_Add", f->top);
  k.Edit_Field = f->code;
  k.ui.Caption("Edit_Add", "");
  k.ui.Visible("Edit_Add", true);
  k.ui.Focus("Edit_Add");
}

bool Edit_AddKeyPress(Kv9& k, char key) {
  if (key == '\b') return true;
  if (key != '\r') return common::Is_Hex_Entry_Char(key);
  k.ui.Visible("Edit_Add", false);
  std::string text = k.ui["Edit_Add"].caption;
  int code = k.Edit_Field;
  if (!text.empty()) {
    if (code <= 6) {
      auto v = common::Parse_Hex(text);
      if (!v) {
        Conversion_Error(k, text);
        End_Busy(k);
        return false;
      }
      if (int32_t Kv9::*member = Range_Member(code))
        k.*member = static_cast<int32_t>(*v & 0xFFFFFFFF);
    } else {
      auto v = common::Parse_Decimal(text);
      if (!v || *v > INT32_MAX) {
        Conversion_Error(k, text);
        End_Busy(k);
        return false;
      }
      if (code == 7) {
        k.Prog_Pass = static_cast<int32_t>(std::min<int64_t>(*v, 4));
        k.ui.Caption("Chg_Pass", "Program Pass=" + std::to_string(k.Prog_Pass));
      } else {
        k.Prog_Pulse = static_cast<int32_t>(std::clamp<int64_t>(*v, 1, 7));
        k.ui.Caption("Program_Pulse", "Program Pulse=" + std::to_string(k.Prog_Pulse));
      }
    }
  }
  if (code <= 6) Show_Ranges(k);
  return false;
}

void FillClick(Kv9& k) {
  Begin_Busy(k);
  k.ui.Visible("FillBox", true);
}

void FillBoxClick(Kv9& k, int item) {
  if (item == 2) {
    k.ui.Caption("Fill_Edit", "");
    k.ui.Visible("Fill_Edit", true);
    k.ui.Focus("Fill_Edit");
    return;
  }
  if (item == 0 || item == 1) {
    Fill_Image(k.Image_Buffer.get(), item == 0 ? 0x00 : 0xFF);
    Checksum(k);
  }
  End_Busy(k);
}

bool Fill_EditKeyPress(Kv9& k, char key) {
  if (key == '\b') return true;
  if (key != '\r') return common::Is_Hex_Entry_Char(key);
  std::string text = k.ui["Fill_Edit"].caption;
  if (auto v = common::Parse_Hex(text); v && !text.empty())
    Fill_Image(k.Image_Buffer.get(), static_cast<uint8_t>(*v));
  Checksum(k);
  End_Busy(k);
  return false;
}

bool Range_Fits_Buffer(Kv9& k, const char* done) {
  int64_t last_index = int64_t{k.Buf_Start_Add} + k.Dev_End_Add - k.Dev_Start_Add;
  int64_t last = Buffer_Position(k.Prg_Type, last_index ^ (k.Byte_Order != 0 ? 1 : 0));
  last = std::max(last, Buffer_Position(k.Prg_Type, last_index));
  if (k.Buf_Start_Add >= 0 && last < kImage_Size) return true;
  k.host.Show_Message("The device range from Buffer Start=" +
                          common::Hex(static_cast<uint32_t>(k.Buf_Start_Add), 5) +
                          " runs past the end of the 16 MiB buffer.\r\nNothing was " + done + ".",
                      proglink::Box::Warning, {});
  return false;
}

}  // namespace memprog
