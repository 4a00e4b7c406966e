#include "picprog/gui/mcu9_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <functional>
#include <map>

#include "picprog/core/checksum_fill.h"
#include "picprog/core/editor_glue.h"
#include "picprog/core/file_buttons.h"
#include "picprog/core/form.h"
#include "picprog/core/fuse_panel.h"
#include "picprog/core/main_form.h"
#include "picprog/core/selection.h"
#include "picprog/diagrams/diagrams.h"
#include "picprog/editor/word_page.h"
#include "picprog/gui/operation_buttons.h"
#include "proglink/window/key_events.h"
#include "proglink/window/svg_icon.h"

namespace picprog {

namespace {

// The window has no use for what a handler returns: what it shows is in the controls.
using Handler = std::function<void(Mcu9&)>;

const std::map<std::string, Handler>& Click_Handlers() {
  static const std::map<std::string, Handler> handlers = [] {
    std::map<std::string, Handler> h = {
        {"Device", DeviceClick},
        {"StaticText3", StaticText3Click},
        {"Chk_Sum_But", Chk_Sum_ButClick},
        {"Fill", FillClick},
        {"Edit", EditClick},
        {"File_But", File_ButClick},
        {"Load_But", Load_ButClick},
        {"Save_But", Save_ButClick},
        {"Buf_Start", Buf_StartClick},
        {"EE_Start", EE_StartClick},
        {"ID_Start", ID_StartClick},
        // The labels and panels only tidy the window, as a click on it does.
        {"StaticText1", FormClick},
        {"StaticText2", FormClick},
        {"StaticText4", FormClick},
        {"StaticText5", FormClick},
        {"Fuse_Data", FormClick},
    };
    for (std::string_view p : kDiagram_Names) h.emplace(std::string(p), FormClick);
    return h;
  }();
  return handlers;
}

}  // namespace

Mcu9_Window::Mcu9_Window() : form_(Mcu9_Form()), mcu9_(form_) {
  form_.setWindowIcon(proglink::Svg_Icon(":/icons/Win_Mcu9.svg"));
  // Edit_1 is read-only but shows a caret and takes the keys, which the editor interprets.
  auto* edit = qobject_cast<QPlainTextEdit*>(form_.Control("Edit_1"));
  edit->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
  edit->setFocusPolicy(Qt::StrongFocus);
  edit->setTabChangesFocus(true);
  edit->setCursorWidth(2);
  edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  qobject_cast<QLabel*>(form_.Control("Fuse_Data"))->setFrameStyle(QFrame::Panel | QFrame::Sunken);

  form_.On_Click = [this](const std::string& name) { Click(name); };
  form_.On_Item = [this](const std::string& name, int index) { Item(name, index); };
  form_.On_Key = [this](const std::string& name, QKeyEvent* e) { return Key(name, e); };
  form_.On_Key_Up = [this](const std::string& name, QKeyEvent*) {
    if (name != "Edit_1") return;
    Edit_1KeyUp(mcu9_);
    Place_Caret();
  };
  form_.On_Text = [this](const std::string& name, const std::string& text) {
    if (name == "FillEdit") FillEditChange(mcu9_, text);
    if (name == "Chg_Edit_Add") Chg_Edit_AddChange(mcu9_);
  };
  form_.On_Mouse = [this](const std::string& name, int line, int column) {
    if (name != "Edit_1") return;
    Edit_1MouseDown(mcu9_, kEdit_1_Grid.Position({line, column}));
    Place_Caret();
  };
  form_.On_Focus_Out = [this](const std::string& name) { Focus_Out(name); };
  form_.On_Form_Click = [this] { FormClick(mcu9_); };
  form_.On_Activate = [this] { FormActivate(mcu9_); };
  form_.On_Close = [this] { FormCloseQuery(mcu9_); };
  FormCreate(mcu9_);
}

void Mcu9_Window::Click(const std::string& name) {
  if (auto it = Click_Handlers().find(name); it != Click_Handlers().end()) return it->second(mcu9_);
  if (Is_Fuse_Control(name)) {
    if (auto* b = qobject_cast<QAbstractButton*>(form_.Control(name)))
      mcu9_.ui.User_Checked(name, b->isChecked());
    return Osc_SettingsClick(mcu9_, name);
  }
  for (const Operation_Button& op : kOperation_Buttons) {
    if (name != op.control || !op.click) continue;
    op.click(mcu9_);
    Show_Fuse(mcu9_);  // reading the device may have brought a new configuration word
    return;
  }
}

void Mcu9_Window::Item(const std::string& name, int index) {
  if (name == "Device_Box") {
    Device_BoxClick(mcu9_, index);
  } else if (name == "FillBox") {
    FillBoxClick(mcu9_, index);
  } else if (name == "File_Type") {
    File_TypeClick(mcu9_, index);
  } else if (name == "V_Verify") {
    V_VerifyClick(mcu9_, index);
  } else if (Is_Fuse_Control(name)) {
    mcu9_.ui.User_Item_Index(name, index);
    Osc_SettingsClick(mcu9_, name);
  }
}

bool Mcu9_Window::Key(const std::string& name, QKeyEvent* e) {
  if (name == "Edit_1") return Edit_1_Key(e);
  char c = proglink::Typed(e);
  if (c == 0) return false;
  if (name == "Chg_Edit_Add") {
    Chg_Edit_AddKeyPress(mcu9_, static_cast<unsigned char>(c));
    Place_Caret();
    return true;
  }
  if (name == "FillEdit") return FillEditKeyPress(mcu9_, c);
  if (name == "Start_Add") return Start_AddKeyPress(mcu9_, c);
  return false;
}

bool Mcu9_Window::Edit_1_Key(QKeyEvent* e) {
  if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) return false;  // focus moves on
  Edit_1KeyDown(mcu9_, proglink::Edit_Key_Of(e->key()));
  for (char32_t c : e->text().toUcs4()) Edit_1KeyPress(mcu9_, c);
  Place_Caret();
  return true;
}

void Mcu9_Window::Focus_Out(const std::string& name) {
  if (name != "Edit_1" && name != "Chg_Edit_Add") return;
  QWidget* now = QApplication::focusWidget();
  // Another window (a message box) taking the focus leaves the editor as it is.
  if (!now || !form_.isAncestorOf(now)) return;
  if (name == "Chg_Edit_Add") Chg_Edit_AddExit(mcu9_);
  if (now != form_.Control("Edit_1") && now != form_.Control("Chg_Edit_Add")) Edit_1Exit(mcu9_);
}

void Mcu9_Window::Place_Caret() {
  auto* edit = qobject_cast<QPlainTextEdit*>(form_.Control("Edit_1"));
  common::Line_Col at = kEdit_1_Grid.At(mcu9_.Editor.Caret());
  QTextBlock block = edit->document()->findBlockByNumber(at.line);
  if (!block.isValid()) return;
  QTextCursor cursor(block);
  cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor,
                      std::min(at.column, block.length() - 1));
  edit->setTextCursor(cursor);
}

}  // namespace picprog
