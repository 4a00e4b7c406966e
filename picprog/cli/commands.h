// The commands of mcu9, each on a session whose device (when the command names one) is selected
// and whose options are applied. Each returns the exit status.
#pragma once

#include "picprog/cli/arguments.h"
#include "picprog/cli/session.h"

namespace picprog::cli {

// The device list, what a selection sets and the configuration word (catalogue_commands.cpp).
int List_Command(const Arguments& a, Session& s);
int Info_Command(const Arguments& a, Session& s);
int Socket_Command(const Arguments& a, Session& s);
int Fuse_Command(const Arguments& a, Session& s);

// Buffer files without the programmer (file_commands.cpp).
int Convert_Command(const Arguments& a, Session& s);
int Checksum_Command(const Arguments& a, Session& s);

// The device operations (device_commands.cpp).
int Read_Command(const Arguments& a, Session& s);
int Program_Command(const Arguments& a, Session& s);
int Verify_Command(const Arguments& a, Session& s);
int Blank_Command(const Arguments& a, Session& s);
int Erase_Command(const Arguments& a, Session& s);
int Program_EE_Command(const Arguments& a, Session& s);
int Verify_EE_Command(const Arguments& a, Session& s);

// The programmer itself (device_commands.cpp).
int Probe_Command(const Arguments& a, Session& s);
int Firmware_Command(const Arguments& a, Session& s);

// The buffer as a command's input file makes it: filled, loaded and, with --fuse, given its
// configuration word. Returns kGood, or kUsage when the file or the word will not do (the reason
// has been shown).
int Load_Input(const Arguments& a, Session& s);

// A usage problem found once the device is known: the message and where the usage is.
int Usage_Error(Session& s, const Usage_Problem& problem);
// A command the selected device does not have.
int Not_For_Device(Session& s, const std::string& what);

}  // namespace picprog::cli
