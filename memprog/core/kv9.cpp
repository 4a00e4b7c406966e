#include "memprog/core/kv9.h"

#include "memprog/catalogue/device_list.h"
#include "memprog/core/form.h"
#include "memprog/core/main_form.h"
#include "memprog/diagrams/diagrams.h"

namespace memprog {

Kv9::Kv9(proglink::Host& h)
    : host(h),
      ui(h),
      link(h, ui, *this, proglink::Variant::Kv9()),
      Image_Buffer(Allocate_Image()),
      Editor(Image_Buffer.get()) {
  proglink::Start_Controls(ui, Kv9_Form());
  ui.Lines("Device_Box1", Device_List_Lines());
  for (std::string_view d : kDiagram_Names) ui.Lines(std::string(d), Diagram_Lines(d));
  ui.Lines("Cal_Vpp", Cal_Vpp_Lines());
  link.Enable_Controls = [this] { Enable_All(*this); };
  link.Disable_Controls = [this] { Disable_All(*this); };
  link.Open_Dialog_Name = &Open_File_Name;
}

}  // namespace memprog
