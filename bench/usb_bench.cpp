// What a user waits on the real link: kv9 and mcu9 program and verify through the installed
// libftdi1 and libusb to an emulated FT245R that keeps full-speed timing in real time (about
// 1 MB/s each way, completions every 125 us, the latency timer as the program sets it), the
// simulated programmer behind it answering at once. Each run's wall time is set against the
// floor the protocol allows on that link: its bytes at the bus rate plus the latency-timer waits
// the chip makes before each reply, with a host that costs nothing.
// Usage: usb_bench [ROUNDS [NAME]]   (NAME: only the runs whose name holds it, e.g. 27C256)
#include <sched.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "memprog/cli/run.h"
#include "picprog/cli/run.h"
#include "progsim/programmer.h"
#include "progsim/testing/programmer_peer.h"
#include "usblink/ftd2xx_libftdi.h"
#include "usblink/testing/emulated_bus.h"

namespace {

using Run_Fn = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&, bool);

void Write_File(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> Noise(size_t n, uint32_t seed) {
  std::vector<uint8_t> v(n);
  for (uint8_t& b : v) {
    seed ^= seed << 13, seed ^= seed >> 17, seed ^= seed << 5;
    b = static_cast<uint8_t>(seed);
  }
  return v;
}

// The words of a 16F877A image as the binary buffer file holds them, low byte first: program
// memory filled, the rest erased.
std::vector<uint8_t> Pic_Image() {
  std::vector<uint8_t> bytes;
  std::vector<uint8_t> noise = Noise(0x2000 * 2, 7);
  for (unsigned w = 0; w < 0x2110; ++w) {
    uint16_t word = w < 0x2000
                        ? static_cast<uint16_t>((noise[2 * w] | noise[2 * w + 1] << 8) & 0x3FFF)
                        : 0x3FFF;
    bytes.push_back(static_cast<uint8_t>(word));
    bytes.push_back(static_cast<uint8_t>(word >> 8));
  }
  return bytes;
}

struct Runs {
  const char* name;
  progsim::Options options;
  Run_Fn run;
  std::vector<std::vector<std::string>> commands;  // run one after another, on one programmer
};

// One measured round: a fresh programmer behind a fresh chip; gives wall and floor in us, or a
// negative wall when a command failed.
std::pair<double, double> Round(const Runs& r) {
  usbemu::Bus& bus = usbemu::Bus::Get();
  bus.Clear();
  bus.clock.timing = usbemu::Bus_Timing::Full_Speed();
  progsim::Programmer& sim = progsim::Install(r.options);
  progsim::Programmer_Peer peer(sim);
  usbemu::Emulated_Chip& chip = bus.Plug({.peer = &peer});
  double wall = 0;
  for (const auto& args : r.commands) {
    std::ostringstream out, err;
    auto t0 = std::chrono::steady_clock::now();
    int status = r.run(args, out, err, false);
    wall +=
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count();
    if (status != 0) {
      std::fprintf(stderr, "%s: exit %d\n%s%s", r.name, status, out.str().c_str(),
                   err.str().c_str());
      return {-1, 0};
    }
  }
  double floor = usbemu::Protocol_Floor_Us(chip.log, bus.clock.timing);
  bus.Clear();
  return {wall, floor};
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  // The chip keeps its own time; on a busy machine a late wake-up would be charged to the link.
  sched_param priority{};
  priority.sched_priority = 10;
  bool real_time = sched_setscheduler(0, SCHED_FIFO, &priority) == 0;
  Ftd2xx_Install(Libftdi_Backend());
  Write_File("usb_bench_27c256.bin", Noise(0x8000, 1));
  Write_File("usb_bench_27c322.bin", Noise(0x400000, 2));
  Write_File("usb_bench_16f877a.bin", Pic_Image());
  progsim::Options pic;
  pic.pic = "16F877A";
  const Runs runs[] = {
      {"27C256 program+verify",
       {},
       memprog::cli::Run_Kv9,
       {{"-d", "27C256", "program", "usb_bench_27c256.bin"}}},
      {"27C322 program+verify",
       {},
       memprog::cli::Run_Kv9,
       {{"-d", "27C322", "program", "usb_bench_27c322.bin"}}},
      {"16F877A program+verify",
       pic,
       picprog::cli::Run_Mcu9,
       {{"-d", "16F877A", "program", "usb_bench_16f877a.bin"}}},
  };
  std::printf("full-speed FT245R, latency timer %d ms, best of %d rounds%s\n", kLibftdi_Latency_Ms,
              rounds, real_time ? "" : " (no real-time priority: other load counts against it)");
  bool ok = true;
  for (const Runs& r : runs) {
    if (argc > 2 && std::string(r.name).find(argv[2]) == std::string::npos) continue;
    double best = 1e300, floor = 0;
    for (int i = 0; i < rounds; ++i) {
      auto [wall, f] = Round(r);
      if (wall < 0) {
        ok = false;
        break;
      }
      if (wall < best) best = wall, floor = f;
    }
    if (floor <= 0) continue;
    double ratio = best / floor;
    ok &= ratio <= 1.25;
    std::printf("%-24s wall %9.1f ms  floor %9.1f ms  ratio to floor: %.3f\n", r.name, best / 1000,
                floor / 1000, ratio);
  }
  std::remove("usb_bench_27c256.bin");
  std::remove("usb_bench_27c322.bin");
  std::remove("usb_bench_16f877a.bin");
  return ok ? 0 : 1;
}
