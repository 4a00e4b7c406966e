#include "memprog/gui/kv9_window.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <map>

#include "memprog/catalogue/device_list.h"
#include "memprog/core/electronic_id.h"
#include "memprog/core/file_buttons.h"
#include "memprog/core/form.h"
#include "memprog/core/main_form.h"
#include "memprog/core/ranges.h"
#include "memprog/core/selection.h"
#include "memprog/core/settings.h"
#include "memprog/core/test_panel.h"
#include "memprog/diagrams/diagrams.h"
#include "memprog/ops/calibration.h"
#include "memprog/ops/clock.h"
#include "memprog/ops/erase.h"
#include "memprog/ops/program.h"
#include "memprog/ops/read_ops.h"

namespace memprog {

namespace {

using Handler = void (*)(Kv9&);

const std::map<std::string, Handler>& Click_Handlers() {
  static const std::map<std::string, Handler> handlers = {
      {"Device", DeviceClick},
      {"Vpp_But", Vpp_ButClick},
      {"Prg_Type_But", Prg_Type_ButClick},
      {"Quit_Func_But", Quit_Func_ButClick},
      {"StaticText3", StaticText3Click},
      {"Chk_Sum_But", Checksum},
      {"Fill", FillClick},
      {"Flash_x16", Flash_x16Click},
      {"Lo_Hi", Flash_x16Click},
      {"Hi_Lo", Flash_x16Click},
      {"Blank_Chk", Blank_ChkClick},
      {"Move_Eprom", Move_EpromClick},
      {"Verify_Eprom", Verify_EpromClick},
      {"Compare", CompareClick},
      {"Program_Eprom", Program_EpromClick},
      {"Auto_Verify", Auto_VerifyClick},
      {"Auto_ID", Auto_IDClick},
      {"Quit_Test", Quit_TestClick},
      {"Quit_Vpp", Quit_TestClick},
      {"Erase_But", Erase_ButClick},
      {"Erase_But2", Erase_ButClick},
      {"Security", SecurityClick},
      {"Prg_Time", Prg_TimeClick},
      {"Read_Time", Read_TimeClick},
      {"Vpp_Test", Vpp_TestClick},
      {"Vxx_Test", Vxx_TestClick},
      {"Vpp_Up", Vpp_UpClick},
      {"Vpp_Down", Vpp_DownClick},
      {"Test_Adapter", Test_AdapterClick},
      {"File_But", File_ButClick},
      {"Load_But", Load_ButClick},
      {"Save_But", Save_ButClick},
      {"Default", DefaultClick},
      {"Flash", FlashClick},
      {"Help", HelpClick},
  };
  return handlers;
}

bool Is_Range_Button(const std::string& name) {
  for (const char* b : {"Start_Buf_Add", "Start_Add", "End_Add", "Start_Hex", "End_Hex", "Offset",
                        "Chg_Pass", "Program_Pulse"})
    if (name == b) return true;
  return false;
}

// The character a key press delivers, as the logic's key filters see it; 0 for keys that type
// nothing (arrows, function keys), which the filters leave alone.
char Typed(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) return '\r';
  if (e->key() == Qt::Key_Backspace) return '\b';
  QString t = e->text();
  return t.size() == 1 && t[0].unicode() < 128 ? static_cast<char>(t[0].unicode()) : 0;
}

}  // namespace

Kv9_Window::Kv9_Window() : form_(Kv9_Form()), kv9_(form_) {
  form_.On_Click = [this](const std::string& name) { Click(name); };
  form_.On_Item = [this](const std::string& name, int index) { Item(name, index); };
  form_.On_Item_Double = [this](const std::string& name, int index) {
    if (name == "Prg_Type") Prg_TypeClick(kv9_, index);
  };
  form_.On_Key = [this](const std::string& name, QKeyEvent* e) { return Key(name, e); };
  form_.On_Text = [this](const std::string& name, const std::string& text) {
    kv9_.ui.User_Caption(name, text);
  };
  form_.On_Focus_In = [this](const std::string& name) {
    for (const char* b : {"Vpp_But", "Auto_Verify", "Edit", "Help", "Chk_Sum_But"})
      if (name == b) Hide_Sockets(kv9_);
  };
  form_.On_Activate = [this] { FormActivate(kv9_); };
  form_.On_Close = [this] { FormCloseQuery(kv9_); };
  FormCreate(kv9_);
}

void Kv9_Window::Click(const std::string& name) {
  // Radio buttons and check boxes tell the logic their state before it acts on them.
  for (const char* r : {"Lo_Hi", "Hi_Lo"})
    if (auto* b = qobject_cast<QAbstractButton*>(form_.Control(r)))
      kv9_.ui.User_Checked(r, b->isChecked());
  auto it = Click_Handlers().find(name);
  if (it != Click_Handlers().end()) return it->second(kv9_);
  if (Is_Range_Button(name)) return Edit_Range_Click(kv9_, name);
  // A click on a diagram, the clock fields, the calibration text or the file name hides the
  // diagrams, as a click on the form does.
  for (std::string_view d : kDiagram_Names)
    if (name == d) return FormClick(kv9_);
  if (name == "T_Keeper" || name == "Cal_Vpp" || name == "StaticText4") FormClick(kv9_);
}

void Kv9_Window::Item(const std::string& name, int index) {
  if (name == "Device_Box1")
    Device_Box1Click(kv9_, index);
  else if (name == "FillBox")
    FillBoxClick(kv9_, index);
  else if (name == "File_Type")
    File_TypeClick(kv9_, index);
  else if (name == "Security_List")
    Security_ListClick(kv9_, index);
}

bool Kv9_Window::Key(const std::string& name, QKeyEvent* e) {
  char c = Typed(e);
  if (c == 0) return false;
  if (name == "Edit_Add") return !Edit_AddKeyPress(kv9_, c);
  if (name == "Fill_Edit") return !Fill_EditKeyPress(kv9_, c);
  if (name == "Vpp_But" || name == "Help") return Vpp_ButKeyPress(kv9_, c);
  return false;
}

}  // namespace memprog
