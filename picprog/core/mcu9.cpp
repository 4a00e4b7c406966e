#include "picprog/core/mcu9.h"

#include "picprog/core/form.h"
#include "picprog/diagrams/diagrams.h"

namespace picprog {

const char* const kMcu9_Operation_Buttons[5] = {"Program_Eprom", "Verify_Eprom", "Move_Eprom",
                                                "Blank_Chk", "Erase_But"};
const char* const kMcu9_Busy_Controls[16] = {
    "Osc_Settings", "Fuse_Settings", "EEprom_Begin", "EEprom_End", "Chk_Sum_But", "Start_Add",
    "Verify_EE",    "Save_But",      "Load_But",     "File_But",   "V_Verify",    "End_Add",
    "Device",       "Prg_EE",        "Edit",         "Fill"};

Mcu9::Mcu9(proglink::Host& h)
    : host(h),
      ui(h),
      link(h, ui, *this, proglink::Variant::Mcu9()),
      Buffer(std::make_unique<Pic_Buf>()),
      Fuse(Fuse_Word, (*Buffer)[kConfig_Word]),
      Editor(Buffer->data()) {
  Buffer->fill(0);
  proglink::Start_Controls(ui, Mcu9_Form());
  for (std::string_view p : kDiagram_Names) ui.Lines(std::string(p), Diagram_Lines(p));
  ui.Item_Index("V_Verify", Verify_Volts);
  // The firmware update's dialog keeps no name here: were it to share the open dialog's name,
  // the update file would become the "last buffer file" that the next start loads.
}

void Busy_State(Mcu9& m) {
  m.Busy = true;
  for (std::string_view p : kDiagram_Names) m.ui.Visible(std::string(p), false);
  m.link.Memo1().Show(false);
  m.link.Reset_Programmer();
  for (const char* c : kMcu9_Operation_Buttons) m.ui.Enabled(c, false);
  for (const char* c : kMcu9_Busy_Controls) m.ui.Enabled(c, false);
  m.ui.Colour("StaticText3", proglink::Colour::Yellow);
  m.link.Clear_Status();
  m.host.Pump_Messages();
}

void Enable_Step(Mcu9& m) {
  if (m.link.Connection != proglink::connection::None)
    for (const char* c : kMcu9_Operation_Buttons) m.ui.Enabled(c, true);
  for (const char* c : kMcu9_Busy_Controls) m.ui.Enabled(c, true);
  for (const char* c :
       {"StaticText2", "File_Type", "Buf_Start", "EE_Start", "ID_Start", "FillEdit", "FillBox"})
    m.ui.Visible(c, false);
  m.ui.Colour("StaticText3", m.link.Status_Tag != proglink::status_tag::Good
                                 ? proglink::Colour::Red
                                 : proglink::Colour::Lime);
  m.link.Reset_Programmer();
  m.Busy = false;
  m.host.Pump_Messages();
}

}  // namespace picprog
