// kv9: Win_KV9's operations without a window, for scripts and production lines.
#include <iostream>
#include <string>
#include <vector>

#include "proglink/console_host.h"
#include "proglink/link.h"

namespace {

constexpr int kGood = 0;
constexpr int kUsage = 2;
constexpr int kNoProgrammer = 3;

int Usage(const std::string& why) {
  if (!why.empty()) std::cerr << "kv9: " << why << "\n";
  std::cerr << "usage: kv9 probe\n"
               "  probe   search for the programmer and show its firmware version\n";
  return kUsage;
}

int Probe() {
  proglink::Console_Host host(std::cout, std::cerr);
  proglink::Controls controls(host);
  proglink::Device_Setup device;
  proglink::Link link(host, controls, device, proglink::Variant::Kv9());
  link.Find_Programmer();
  std::cout << host.Status() << "\n";
  bool found = link.Connection == 2;
  if (found) link.Reset_Programmer();
  D2XXUnit::USB_Close();
  return found ? kGood : kNoProgrammer;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage("");
  if (args[0] == "probe" && args.size() == 1) return Probe();
  if (args[0] == "-h" || args[0] == "--help") {
    Usage("");
    return kGood;
  }
  return Usage("unknown command '" + args[0] + "'");
}
