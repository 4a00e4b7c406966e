#include "memprog/core/kv9.h"

#include "memprog/core/form.h"
#include "memprog/core/main_form.h"

namespace memprog {

Kv9::Kv9(proglink::Host& h)
    : host(h),
      ui(h),
      link(h, ui, *this, proglink::Variant::Kv9()),
      Image_Buffer(std::make_unique<uint8_t[]>(kImageSize)) {
  proglink::Start_Controls(ui, Kv9_Form());
  link.Enable_Controls = [this] { Enable_All(*this); };
  link.Disable_Controls = [this] { Disable_All(*this); };
  link.Open_Dialog_Name = &Open_File_Name;
}

}  // namespace memprog
