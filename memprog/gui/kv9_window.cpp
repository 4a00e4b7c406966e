#include "memprog/gui/kv9_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <functional>
#include <map>

#include "memprog/catalogue/device_list.h"
#include "memprog/core/edit_buffer.h"
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
#include "proglink/window/key_events.h"
#include "proglink/window/svg_icon.h"

namespace memprog {

namespace {

// The window has no use for an operation's outcome: what it shows is in the controls.
using Handler = std::function<void(Kv9&)>;

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
      {"Edit", EditClick},
      {"Edit_Info", Edit_InfoClick},
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

}  // namespace

Kv9_Window::Kv9_Window() : form_(Kv9_Form()), kv9_(form_) {
  form_.setWindowIcon(proglink::Svg_Icon(":/icons/Win_KV9.svg"));
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
  form_.On_Key_Up = [this](const std::string& name, QKeyEvent*) {
    if (name == "Edit1") Edit1KeyUp(kv9_);
  };
  form_.On_Mouse = [this](const std::string& name, int line, int column) {
    if (name == "Edit1") Edit1MouseDown(kv9_, line, column);
  };
  form_.On_Focus_Out = [this](const std::string& name) {
    if (name == "Chg_Edit_Add") Chg_Edit_AddExit(kv9_);
    if (name != "Edit1" && name != "Chg_Edit_Add") return;
    // Where the focus went is known once the change is complete: moving between the view and
    // its address field does not close the editor.
    QTimer::singleShot(0, &form_, [this] {
      QWidget* now = QApplication::focusWidget();
      if (now != form_.Control("Edit1") && now != form_.Control("Chg_Edit_Add")) Edit1Exit(kv9_);
    });
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
  if (name == "Edit1") {
    Edit1KeyDown(kv9_, proglink::Edit_Key_Of(e->key()));
    QString t = e->text();
    if (t.size() == 1 && t[0].unicode() >= 0x20) Edit1KeyPress(kv9_, t[0].unicode());
    return true;  // the view's text belongs to the editor
  }
  if (name == "Chg_Edit_Add") {
    char typed = proglink::Typed(e);
    if (typed != 0) Chg_Edit_AddKeyPress(kv9_, static_cast<unsigned char>(typed));
    return typed != 0;
  }
  char c = proglink::Typed(e);
  if (c == 0) return false;
  if (name == "Edit_Add") return !Edit_AddKeyPress(kv9_, c);
  if (name == "Fill_Edit") return !Fill_EditKeyPress(kv9_, c);
  if (name == "Vpp_But" || name == "Help") return Vpp_ButKeyPress(kv9_, c);
  return false;
}

}  // namespace memprog
