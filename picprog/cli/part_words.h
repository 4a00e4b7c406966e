// Words that belong to the part in the socket rather than to a buffer file: the factory
// oscillator calibration in the last program word of the 12-bit 8-pin parts and the 12F629/675,
// the 12F629/675's band-gap bits (13..12 of the configuration word), and the reserved words and
// device ID of the 14-bit parts' configuration space.
//
// A file compiled for a part does not hold this part's calibration: programmed as it stands it
// would overwrite the factory value (for good on a one-time-programmable part), and a verify
// against it would fail. So the part is read first and its own words go into the buffer.
#pragma once

#include <memory>
#include <string>

#include "picprog/cli/session.h"

namespace picprog::cli {

// What the part holds, read as the window's "Move Device" reads it, with the buffer left as it
// was.
struct Part_Read {
  int status;                      // of the read; its verdict has been printed unless kGood
  std::unique_ptr<Pic_Buf> words;  // nullptr unless the read was good
};
Part_Read Read_Part(Session& s);

// Which words of a 14-bit part's configuration space the buffer takes from the part.
enum class Config_Words {
  None,
  Unwritten,  // the reserved words and the device ID, where the buffer still holds the fill
  All,        // all of it, for a part whose programming leaves it as it is
};

// Puts the part's words into the buffer loaded from `file`: the calibration word whenever the
// part holds one (the user is told when the file held another value there, or when the part
// holds none), the band-gap bits and the configuration words `config` names. The part is read
// for them unless `part` is what it holds already; nothing is read when there is nothing to
// keep. Returns kGood to go on, else the exit status of the read, whose verdict has been printed.
int Keep_Part_Words(Session& s, const std::string& file, Config_Words config,
                    const Pic_Buf* part = nullptr);

// Whether the family's parts hold a factory calibration in their last program word.
bool Holds_Calibration(int family);

}  // namespace picprog::cli
