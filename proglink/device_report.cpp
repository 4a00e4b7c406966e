#include "proglink/device_report.h"

#include <cstdio>

#include "proglink/link.h"

namespace proglink {

namespace {

std::string Name(const Seen_Device& d) {
  char name[64];
  int n = std::snprintf(name, sizeof name, "FTDI device %04x:%04x", d.vendor, d.product);
  if (d.bus > 0)
    std::snprintf(name + n, sizeof name - static_cast<size_t>(n), " (bus %03d device %03d)", d.bus,
                  d.address);
  return name;
}

std::string State(const Seen_Device& d) {
  bool programmer = d.serial == Link::kSerial;
  switch (d.access) {
    case Device_Access::In_Use_Here:
      return "opened";
    case Device_Access::Openable:
      return programmer ? "not opened" : "not the programmer, not opened";
    case Device_Access::No_Permission:
      return "cannot be opened: no permission";
    case Device_Access::Busy:
      return "cannot be opened: in use by another program (" + d.detail + ")";
    case Device_Access::Failed:
      return "cannot be opened (" + d.detail + ")";
  }
  return {};
}

}  // namespace

std::vector<std::string> Device_Lines(const std::vector<Seen_Device>& seen) {
  if (seen.empty()) return {"No FTDI device seen"};
  std::vector<std::string> lines;
  for (const Seen_Device& d : seen)
    lines.push_back(Name(d) + " serial " + (d.serial.empty() ? "unknown" : d.serial) + ": " +
                    State(d));
  return lines;
}

std::vector<std::string> Permission_Advice(const std::vector<Seen_Device>& seen) {
  std::vector<std::string> lines;
  for (const Seen_Device& d : seen)
    if (d.access == Device_Access::No_Permission)
      lines.push_back("No permission to open " + Name(d) + ": it may be the programmer.");
  if (lines.empty()) return lines;
  lines.push_back(
      "Install the udev rule 99-kv9-programmer.rules into /etc/udev/rules.d/ and run "
      "'udevadm control --reload-rules' as root;");
  lines.push_back(
      "join the plugdev group ('usermod -aG plugdev USER' as root, then log in again) and plug "
      "the programmer in again.");
  return lines;
}

}  // namespace proglink
