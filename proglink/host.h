// The seam between the programs' logic and what shows it. Everything a routine shows or asks
// (control captions and states, message areas, message boxes and questions, file dialogs, the
// message pump and the reply timer) goes through this interface, which the windows implement
// with widgets, the command line with stdout/stderr and the tests with a recorder.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace proglink {

class Message_Area;

enum class Colour { Default, Yellow, Lime, Red, Silver, Blue };

enum class Box { Information, Warning, Error };

// A screen position for a message box; negative: wherever the toolkit puts it.
struct Screen_Pos {
  int x = -1, y = -1;
};

// Where the boxes with a fixed place go: the search's and the file load's boxes, and the
// question before programming an unloaded buffer just above them.
inline constexpr Screen_Pos kBox_Pos{375, 325};
inline constexpr Screen_Pos kQuestion_Pos{375, 300};

// One file dialog: the buffer-file dialogs and the firmware-update dialog.
struct File_Dialog {
  bool save = false;
  std::string filter = "Bin|*.Bin|Hex|*.Hex|All|*.*";
  int filter_index = 1;
  std::string default_ext;
  std::string file_name;  // the name the dialog starts with
};

// What the logic knows of one control of the window.
struct Control_State {
  std::string caption;
  bool enabled = true;
  bool visible = true;
  bool checked = false;
  Colour colour = Colour::Default;
  int height = -1;
  int top = -1;
  int item_index = -1;
  std::vector<std::string> lines;  // the text of a multi-line control
  int caret_line = 0;              // where a text control's caret sits
  int caret_column = 0;
};

enum class Field {
  Caption,
  Enabled,
  Visible,
  Checked,
  Colour,
  Height,
  Top,
  Item_Index,
  Lines,
  Focus,
  Caret,
};

// Logged: a line of the link's log inserted as the first line.
enum class Memo_Event { Cleared, Inserted, Added, Logged, Shown, Hidden };

struct Window_Geometry {
  int width = 0, height = 0, top = 0, left = 0;
};

class Host {
 public:
  virtual ~Host() = default;

  // A control changed; `field` says which part of its state.
  virtual void Control_Changed(const std::string& name, const Control_State& state,
                               Field field) = 0;
  // A message area changed; `line` is the line inserted or added, if any.
  virtual void Memo_Changed(const Message_Area& area, Memo_Event event,
                            const std::string& line) = 0;
  virtual void Show_Message(const std::string& text, Box kind, Screen_Pos at) = 0;
  virtual bool Ask_Yes_No(const std::string& text, Screen_Pos at) = 0;
  // The chosen file, or nullopt when the user cancelled.
  virtual std::optional<std::string> Choose_File(const File_Dialog& dialog) = 0;
  // Lets pending window events run: the Quit button and the reply timer act here.
  virtual void Pump_Messages() = 0;
  // Starts or stops the reply timer; when it runs out, call Timer_Event.
  virtual void Set_Timer(bool enabled, int interval_ms) = 0;
  // Closes the main window (after Reset Defaults).
  virtual void Close_Window() {}
  virtual Window_Geometry Geometry() const { return {}; }
  virtual void Set_Geometry(const Window_Geometry&) {}

  std::function<void()> Timer_Event;
};

}  // namespace proglink
