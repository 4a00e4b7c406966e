#include "picprog/gui/operation_buttons.h"

namespace picprog {

// The handlers are the device operations of picprog/ops/pic_ops.h (library picprog_ops). Until
// that library is linked, each button's handler is named in its comment and left out.
const std::array<Operation_Button, 8> kOperation_Buttons = {{
    {"Blank_Chk", nullptr},      // Blank_ChkClick
    {"Program_Eprom", nullptr},  // Program_EpromClick
    {"Verify_Eprom", nullptr},   // Verify_EpromClick
    {"Move_Eprom", nullptr},     // Move_EpromClick
    {"Erase_But", nullptr},      // Erase_ButClick
    {"Prg_EE", nullptr},         // Prg_EEClick
    {"Verify_EE", nullptr},      // Verify_EEClick
    {"Quit_Add", nullptr},       // Quit_AddClick
}};

}  // namespace picprog
