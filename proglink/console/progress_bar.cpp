#include "proglink/console/progress_bar.h"

#include <algorithm>
#include <ostream>

#include "common/hex.h"

namespace proglink::console {

namespace {
constexpr int kBar_Width = 20;
constexpr const char* kWipe = "\r\033[K";
}  // namespace

void Progress_Bar::Start(std::optional<std::pair<uint32_t, uint32_t>> range) {
  running_ = true;
  range_ = range;
}

void Progress_Bar::Stop() {
  Make_Room();
  running_ = false;
}

void Progress_Bar::Address(uint32_t address) {
  if (!running_) return;
  std::string line = status_;
  if (!line.empty()) line += ' ';
  if (range_) {
    auto [first, last] = *range_;
    uint64_t span = uint64_t{last} - first + 1;
    uint64_t done = address <= first ? 0 : std::min<uint64_t>(address - first, span);
    int percent = static_cast<int>(done * 100 / span);
    int filled = static_cast<int>(done * kBar_Width / span);
    line += "[" + std::string(filled, '#') + std::string(kBar_Width - filled, '.') + "] ";
    line += std::string(percent < 10 ? 2 : percent < 100 ? 1 : 0, ' ') + std::to_string(percent);
    line += "% ";
  }
  line += common::Hex(address, digits_);
  if (line == drawn_) return;
  tty_ << kWipe << line << std::flush;
  drawn_ = std::move(line);
}

void Progress_Bar::Make_Room() {
  if (drawn_.empty()) return;
  tty_ << kWipe << std::flush;
  drawn_.clear();
}

}  // namespace proglink::console
