#include "memprog/core/file_buttons.h"

#include "memprog/core/main_form.h"
#include "memprog/core/ranges.h"
#include "memprog/files/buffer_file.h"

namespace memprog {

namespace {

using proglink::kBox_Pos;

struct File_Kind {
  const char* caption;  // File_But
  const char* extension;
  int filter_index;
};

constexpr File_Kind kKinds[5] = {
    {"Binary File", ".Bin", 1},   {"Intel Hex File", "Hex", 2}, {"Motorola Hex File", "Hex", 2},
    {"Tektronics Hex", "Hex", 2}, {"Ascii Hex File", "Hex", 2},
};

// A file type from a settings file of another version may be out of range: it is kept, and
// treated as binary, the first type.
File_Type Type_Of(const Kv9& k) {
  return k.File_Type >= 0 && k.File_Type <= 4 ? static_cast<File_Type>(k.File_Type)
                                              : File_Type::Binary;
}

const File_Kind& Kind_Of(const Kv9& k) {
  return kKinds[static_cast<int>(Type_Of(k))];
}

proglink::File_Dialog Dialog(const Kv9& k, bool save) {
  proglink::File_Dialog d;
  d.save = save;
  d.default_ext = Kind_Of(k).extension;
  d.filter_index = Kind_Of(k).filter_index;
  d.file_name = k.Open_File_Name;
  return d;
}

File_Ranges Ranges_Of(const Kv9& k) {
  File_Ranges r;
  r.Buf_Start_Add = k.Buf_Start_Add;
  r.Dev_End_Add = k.Dev_End_Add;
  r.Dev_Last_Add = k.Dev_Last_Add;
  r.Hex_Start_Add = k.Hex_Start_Add;
  r.Hex_End_Add = k.Hex_End_Add;
  r.Hex_Offset = k.Hex_Offset;
  const auto prg_type = static_cast<int>(k.Prg_Type);
  r.Prg_Type = prg_type >= 0 && prg_type <= 2 ? prg_type : 0;
  r.Refuse_Beyond_Part = k.Refuse_Beyond_Part;
  return r;
}

class Window_Progress : public File_Progress {
 public:
  explicit Window_Progress(Kv9& k) : k_(k) {}
  void Status(const std::string& text) override { k_.link.Status(text); }
  void Quit_Address(uint32_t index) override {
    k_.link.Show_Quit_Address(static_cast<int32_t>(index));
  }
  void Pump() override { k_.host.Pump_Messages(); }

 private:
  Kv9& k_;
};

}  // namespace

void Show_File_Type(Kv9& k) {
  k.ui.Caption("File_But", Kind_Of(k).caption);
}

void File_ButClick(Kv9& k) {
  Begin_Busy(k);
  k.ui.Visible("File_Type", true);
}

void File_TypeClick(Kv9& k, int index) {
  k.File_Type = index;
  Show_File_Type(k);
  End_Busy(k);
}

bool Load_File(Kv9& k, const std::string& path) {
  Window_Progress progress(k);
  Load_Outcome out =
      Load_Buffer_File(path, Type_Of(k), k.Image_Buffer.get(), Ranges_Of(k), progress);
  if (!out.note.empty()) {
    k.link.Memo1().Insert(out.note);
    k.link.Memo1().Show(true);
  }
  const bool loaded = out.kind == Load_Outcome::Loaded || out.kind == Load_Outcome::Clipped;
  k.Beyond_Part = out.beyond;
  switch (out.kind) {
    case Load_Outcome::Loaded:
    case Load_Outcome::Clipped:
      Checksum(k);
      k.ui.Caption("StaticText4", "Last File Loaded in Buffer=" + path);
      if (!out.message.empty()) k.host.Show_Message(out.message, proglink::Box::Warning, kBox_Pos);
      break;
    case Load_Outcome::Stopped:
      if (out.stored > 0) Checksum(k);
      k.host.Show_Message(out.message, proglink::Box::Information, kBox_Pos);
      break;
    case Load_Outcome::Not_Opened:
    case Load_Outcome::No_Data:
    case Load_Outcome::Beyond_Part:
      k.host.Show_Message(out.message, proglink::Box::Information, kBox_Pos);
      break;
  }
  k.host.Pump_Messages();
  return loaded;
}

bool Save_File(Kv9& k, const std::string& path) {
  Window_Progress progress(k);
  Save_Outcome out =
      Save_Buffer_File(path, Type_Of(k), k.Image_Buffer.get(), Ranges_Of(k), progress);
  if (!out.ok) k.host.Show_Message(out.message, proglink::Box::Error, kBox_Pos);
  return out.ok;
}

bool Load_ButClick(Kv9& k) {
  Begin_Busy(k);
  bool loaded = false;
  if (auto path = k.host.Choose_File(Dialog(k, false))) {
    k.Open_File_Name = *path;
    loaded = Load_File(k, *path);
  }
  End_Busy(k);
  return loaded;
}

bool Save_ButClick(Kv9& k) {
  Begin_Busy(k);
  bool saved = false;
  if (auto path = k.host.Choose_File(Dialog(k, true))) saved = Save_File(k, *path);
  End_Busy(k);
  return saved;
}

}  // namespace memprog
