// The signals that end a process: SIGINT (Ctrl-C), SIGTERM (what `timeout` and service managers
// send) and SIGHUP (a closed terminal). Whatever catches them, a temporary file of a save in
// progress is removed before the process ends, and a file-size limit never kills a save.
#pragma once

namespace common {

// A temporary file to remove, by its name in the folder `dir_fd`, should one of these signals end
// the process. Returns a slot for Untrack_Temporary, or -1 when every slot is taken.
int Track_Temporary(int dir_fd, const char* name);
void Untrack_Temporary(int slot);

// While held, the first of these signals is only recorded, so that a run can stop at a point of
// its choosing and end itself; a second one ends the process at once. Unheld, a signal ends the
// process as it would have, after removing the temporary files. Holding starts with nothing
// recorded. A signal the process was started ignoring stays ignored.
void Hold_End_Signals(bool hold);
// The recorded signal, 0 when none.
int Held_Signal();

// SIGXFSZ ignored unless the program handles it, so that writing past a file-size limit fails
// with EFBIG instead of killing the process.
void Ignore_File_Size_Signal();

}  // namespace common
