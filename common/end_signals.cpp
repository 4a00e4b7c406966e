#include "common/end_signals.h"

#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstring>

namespace common {

namespace {

constexpr int kEnd_Signals[] = {SIGINT, SIGTERM, SIGHUP};

// More than the saves one program has open at a time.
constexpr int kSlots = 8;

// Only async-signal-safe work reads these in the handler: a slot is filled before it is marked
// used and unmarked before it is reused.
struct Temporary {
  volatile std::sig_atomic_t used = 0;
  int dir_fd = -1;
  char name[NAME_MAX + 1] = {};
};
Temporary g_temporaries[kSlots];

volatile std::sig_atomic_t g_hold = 0;
volatile std::sig_atomic_t g_held = 0;

extern "C" void On_End_Signal(int sig) {
  if (g_hold != 0 && g_held == 0) {
    g_held = sig;
    return;
  }
  for (Temporary& t : g_temporaries)
    if (t.used != 0) ::unlinkat(t.dir_fd, t.name, 0);
  // Ends the process as the signal would have once the handler returns, so the caller sees it.
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

// Where a signal still has its default action: one ignored (nohup, a background job) stays so,
// and one the program handles itself is left to it.
void Install_Handlers() {
  for (int sig : kEnd_Signals) {
    struct sigaction old {};
    ::sigaction(sig, nullptr, &old);
    if (old.sa_handler != SIG_DFL) continue;
    struct sigaction action {};
    action.sa_handler = On_End_Signal;
    sigemptyset(&action.sa_mask);
    for (int other : kEnd_Signals) sigaddset(&action.sa_mask, other);
    action.sa_flags = SA_RESTART;
    ::sigaction(sig, &action, nullptr);
  }
}

}  // namespace

int Track_Temporary(int dir_fd, const char* name) {
  if (std::strlen(name) > NAME_MAX) return -1;
  Install_Handlers();
  for (int i = 0; i < kSlots; ++i) {
    Temporary& t = g_temporaries[i];
    if (t.used != 0) continue;
    t.dir_fd = dir_fd;
    std::strcpy(t.name, name);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    t.used = 1;
    return i;
  }
  return -1;
}

void Untrack_Temporary(int slot) {
  if (slot >= 0 && slot < kSlots) g_temporaries[slot].used = 0;
  std::atomic_signal_fence(std::memory_order_seq_cst);
}

void Hold_End_Signals(bool hold) {
  Install_Handlers();
  if (hold) g_held = 0;
  g_hold = hold ? 1 : 0;
}

int Held_Signal() {
  return g_held;
}

void Ignore_File_Size_Signal() {
  struct sigaction old {};
  ::sigaction(SIGXFSZ, nullptr, &old);
  if (old.sa_handler == SIG_DFL) std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace common
