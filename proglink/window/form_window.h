// A window built from a form design: one widget per control, named by the control's name, and
// the host of the program's logic (captions, states, message areas, boxes, dialogs, the pump and
// the reply timer). Both programs' windows are this class with their own design and wiring.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "proglink/form_design.h"
#include "proglink/host.h"
#include "proglink/message_area.h"

class QKeyEvent;

namespace proglink {

class Form_Window : public QWidget, public proglink::Host {
  Q_OBJECT

 public:
  explicit Form_Window(const proglink::Form_Design& design);

  QWidget* Control(const std::string& name) const;

  // ---- what the user does, passed to the program by control name
  std::function<void(const std::string&)> On_Click;
  std::function<void(const std::string&, int)> On_Item;         // a click on a list line
  std::function<void(const std::string&, int)> On_Item_Double;  // a double click on one
  std::function<bool(const std::string&, QKeyEvent*)> On_Key;   // true: the key is used up
  std::function<void(const std::string&, QKeyEvent*)> On_Key_Up;
  std::function<void(const std::string&)> On_Focus_In;
  std::function<void(const std::string&)> On_Focus_Out;
  std::function<void(const std::string&, int line, int column)> On_Mouse;  // text controls
  std::function<void(const std::string&, const std::string&)> On_Text;     // an entry field changed
  std::function<void()> On_Activate;                                       // once, when first shown
  std::function<void()> On_Form_Click;  // a click on the window itself, between its controls
  std::function<void()> On_Close;

  // ---- tests answer boxes and dialogs here instead of the user
  std::function<void(const std::string&, proglink::Box)> Message_Hook;
  std::function<bool(const std::string&)> Question_Hook;
  std::function<std::optional<std::string>(const proglink::File_Dialog&)> File_Hook;

  // ---- proglink::Host
  void Control_Changed(const std::string& name, const proglink::Control_State& state,
                       proglink::Field field) override;
  void Memo_Changed(const proglink::Message_Area& area, proglink::Memo_Event event,
                    const std::string& line) override;
  void Show_Message(const std::string& text, proglink::Box kind, proglink::Screen_Pos at) override;
  bool Ask_Yes_No(const std::string& text, proglink::Screen_Pos at) override;
  std::optional<std::string> Choose_File(const proglink::File_Dialog& dialog) override;
  void Pump_Messages() override;
  void Set_Timer(bool enabled, int interval_ms) override;
  void Close_Window() override;
  proglink::Window_Geometry Geometry() const override;
  void Set_Geometry(const proglink::Window_Geometry& g) override;

  // Shows every message area that changed since it was last drawn.
  void Render_Memos();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Build(const proglink::Control_Design& c);
  void Set_Lines(QWidget* w, const proglink::Control_Design* design,
                 const std::vector<std::string>& lines);
  void Set_Colour(QWidget* w, proglink::Colour c);

  std::map<std::string, QWidget*> widgets_;
  std::map<const QObject*, std::string> names_;
  std::map<std::string, const proglink::Control_Design*> designs_;
  std::map<std::string, const proglink::Message_Area*> dirty_memos_;
  QTimer reply_timer_;
  QElapsedTimer since_render_;
  bool activated_ = false;
  bool render_queued_ = false;
};

}  // namespace proglink
