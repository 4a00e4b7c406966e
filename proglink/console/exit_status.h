// What a command-line front end tells its caller when it ends.
#pragma once

namespace proglink::console {

enum Exit_Status : int {
  kGood = 0,
  kFailed = 1,               // the device failed the operation
  kUsage = 2,                // bad usage, or an input file the window would not load
  kNoProgrammer = 3,         // the programmer was not found, or was lost during the run
  kInterrupted = 130,        // Ctrl-C, as shells report a command it ended
  kStopped_By_Signal = 128,  // plus the signal that stopped the run: 129 SIGHUP, 143 SIGTERM
};

}  // namespace proglink::console
