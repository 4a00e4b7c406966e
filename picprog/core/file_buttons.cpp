#include "picprog/core/file_buttons.h"

#include "picprog/core/checksum_fill.h"
#include "picprog/core/fuse_panel.h"
#include "picprog/core/main_form.h"
#include "picprog/files/bin_file.h"
#include "picprog/files/hex_file.h"

namespace picprog {

namespace {

bool Is_Hex(const Mcu9& m) {
  return m.File_Type == 1;
}

proglink::File_Dialog Dialog(const Mcu9& m, bool save) {
  proglink::File_Dialog d;
  d.save = save;
  d.default_ext = Is_Hex(m) ? "Hex" : "Bin";
  d.filter_index = Is_Hex(m) ? 2 : 1;
  d.file_name = m.Open_File_Name;
  return d;
}

void Progress(Mcu9& m, const char* text) {
  m.ui.Caption("StaticText2", text);
  m.ui.Visible("StaticText2", true);
  m.host.Pump_Messages();
}

}  // namespace

void Show_File_Type(Mcu9& m) {
  m.ui.Caption("File_But", Is_Hex(m) ? "Hex File" : "Binary File");
}

void File_ButClick(Mcu9& m) {
  m.ui.Visible("File_Type", true);
}

void File_TypeClick(Mcu9& m, int index) {
  if (index != 0 && index != 1) return;
  m.File_Type = index;
  Show_File_Type(m);
  Enable_Step(m);
}

bool Load_File(Mcu9& m, const std::string& path) {
  std::string message;
  bool loaded;
  if (Is_Hex(m)) {
    Progress(m, "Loading Buffer from Hex File....");
    Hex_Load load = Load_Hex(path, m.Buf(), m.Fuse_Blank, m.Refuse_Beyond_Part);
    m.ui.Visible("StaticText2", false);
    loaded = load.Ok();
    message = load.Message();
    m.Beyond_Part = load.refused_beyond ? load.Bytes_Beyond() : 0;
  } else {
    m.Beyond_Part = 0;
    message = Load_Bin(path, m.Buf(), m.Refuse_Beyond_Part ? &m.Beyond_Part : nullptr);
    loaded = message.empty();
  }
  if (loaded) m.ui.Caption("StaticText1", "Last File Loaded in Buffer=" + path);
  if (!message.empty())
    m.host.Show_Message(message, loaded ? proglink::Box::Warning : proglink::Box::Error, {});
  return loaded;
}

void After_Load(Mcu9& m) {
  Show_Config_Word(m);
  Show_Checksum(m);
  Enable_Step(m);
}

bool Load_ButClick(Mcu9& m) {
  Hide_Panels(m);
  m.ui.Enabled("MainForm", false);
  bool loaded = false;
  if (auto path = m.host.Choose_File(Dialog(m, false))) {
    m.Open_File_Name = *path;
    loaded = Load_File(m, *path);
  }
  After_Load(m);
  m.ui.Enabled("MainForm", true);
  return loaded;
}

bool Save_ButClick(Mcu9& m) {
  Hide_Panels(m);
  m.ui.Enabled("MainForm", false);
  bool saved = false;
  if (auto path = m.host.Choose_File(Dialog(m, true))) {
    std::string error;
    if (Is_Hex(m)) {
      Progress(m, "Saving Buffer to Hex File....");
      error = Save_Hex(*path, m.Buf());
      m.ui.Visible("StaticText2", false);
    } else {
      error = Save_Bin(*path, m.Buf());
    }
    if (!error.empty()) m.host.Show_Message(error, proglink::Box::Error, {});
    saved = error.empty();
  }
  m.ui.Enabled("MainForm", true);
  return saved;
}

}  // namespace picprog
