// Words that belong to the part in the socket rather than to a buffer file: the factory
// oscillator calibration in the last program word of the 12-bit 8-pin parts and the 12F629/675,
// the 12F629/675's band-gap bits (13..12 of the configuration word), and the reserved words and
// device ID of the 14-bit parts' configuration space.
//
// A file compiled for a part does not hold this part's calibration: programmed as it stands it
// would overwrite the factory value (for good on a one-time-programmable part), and a verify
// against it would fail. So the part is read first and its own words go into the buffer.
#pragma once

#include <string>

#include "picprog/cli/session.h"

namespace picprog::cli {

// Reads the part (the window's "Move Device") and puts its words into the buffer loaded from
// `file`: the calibration word whenever the part holds one (the user is told when the file held
// another value there, or when the part holds none) and the band-gap bits, and, with
// `config_space`, the reserved words and device ID where the buffer still holds the fill. Nothing
// is read when there is nothing to keep. Returns kGood to go on, else the exit status of the read,
// whose verdict has been printed.
int Keep_Part_Words(Session& s, const std::string& file, bool config_space);

}  // namespace picprog::cli
