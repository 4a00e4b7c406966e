// The commands of kv9, each on a session whose device (when the command names one) is selected
// and whose options are applied. Each returns the exit status.
#pragma once

#include "memprog/cli/arguments.h"
#include "memprog/cli/session.h"

namespace memprog::cli {

// The device list and what a selection sets (catalogue_commands.cpp).
int List_Command(const Arguments& a, Session& s);
int Info_Command(const Arguments& a, Session& s);
int Socket_Command(const Arguments& a, Session& s);

// Buffer files without the programmer (file_commands.cpp).
int Convert_Command(const Arguments& a, Session& s);
int Checksum_Command(const Arguments& a, Session& s);

// The device operations (device_commands.cpp).
int Read_Command(const Arguments& a, Session& s);
int Program_Command(const Arguments& a, Session& s);
int Verify_Command(const Arguments& a, Session& s);
int Compare_Command(const Arguments& a, Session& s);
int Blank_Command(const Arguments& a, Session& s);
int Erase_Command(const Arguments& a, Session& s);
int Security_Command(const Arguments& a, Session& s);

// The programmer itself, the electronic ID and the clock (programmer_commands.cpp).
int Probe_Command(const Arguments& a, Session& s);
int Id_Command(const Arguments& a, Session& s);
int Clock_Command(const Arguments& a, Session& s);
int Firmware_Command(const Arguments& a, Session& s);

// program --check-id: the electronic ID read on the selected device's set-up; kGood only when it
// names that device (what it names is printed either way).
int Check_Id(Session& s);

// The input file (the first operand) loaded into the buffer in its format, settled by what it
// holds where no option names it. Returns kGood, or kUsage when it will not load (the reason has
// been shown).
int Load_Input(const Arguments& a, Session& s);

// A usage problem found once the device is known: the message and where the usage is.
int Usage_Error(Session& s, const Usage_Problem& problem);
// A command the selected device does not have.
int Not_For_Device(Session& s, const std::string& what);

}  // namespace memprog::cli
