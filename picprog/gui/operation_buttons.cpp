#include "picprog/gui/operation_buttons.h"

#include "picprog/ops/pic_ops.h"

namespace picprog {

const std::array<Operation_Button, 8> kOperation_Buttons = {{
    {"Blank_Chk", Blank_ChkClick},
    {"Program_Eprom", Program_EpromClick},
    {"Verify_Eprom", Verify_EpromClick},
    {"Move_Eprom", Move_EpromClick},
    {"Erase_But", Erase_ButClick},
    {"Prg_EE", Prg_EEClick},
    {"Verify_EE", Verify_EEClick},
    {"Quit_Add", Quit_AddClick},
}};

}  // namespace picprog
