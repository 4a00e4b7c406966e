#include "picprog/fuse/controls.h"

namespace picprog {

const std::array<std::string_view, kCheck_Boxes> Check_Box_Names = {
    "Protec", "WDT",  "PUT",  "BOR",  "Cal_Byte", "MCLR", "LVP",
    "MPEEN",  "CPMX", "CPEE", "IESO", "FCMEN",    "WURE",
};

const std::array<std::string_view, kOsc_Radios> Osc_Names = {
    "LP_Osc", "Xtal", "Hi_Spd", "Ext_Clk", "Int_RC_IO", "Int_RC_Clk", "Ext_R_IO", "Ext_R_Clk",
};

const std::array<std::string_view, kBor_Groups> Bor_Group_Names = {"BORV1", "BORV2", "BORV3"};

const std::array<std::string_view, kCheck_Boxes> Check_Box_Captions = {
    "Code Protect On",   "Watch Dog Timer On", "Power Up Timer On",   "Brown Out Det. On",
    "Program Cal. Byte", "MCLR Internal",      "Lo Volt Progam On",   "Memory Parity Error",
    "CCP 1 Pin RB3",     "Code Protect EE On", "Int/Ext Switch Over", "Fail-Safe Clk Monitor",
    "Wake-Up Reset",
};

const std::array<std::string_view, kOsc_Radios> Osc_Captions = {
    "Low Power",  "Xtal",           "Hi Speed",  "External RC",
    "Int RC I/O", "Int RC Clk Out", "Ext R I/O", "Ext R Clk Out",
};

const std::array<std::array<std::string_view, 4>, kBor_Groups> Bor_Items = {{
    {"4.0 Volts", "2.5 Volts"},
    {"4.5 Volts", "4.2 Volts", "2.7 Volts", "2.5 Volts"},
    {"BOR = 00", "BOR = 01", "BOR = 10", "BOR = 11"},
}};

}  // namespace picprog
