// Win_KV9's device operations end to end on the simulated programmer: program, verify and read
// of a 4 MiB part (27C322), with the window's work left out. The USB full-speed link moves about
// 1 KiB per millisecond, so each operation costs the user about 1 ms per KiB on the wire; the
// host (and the simulated programmer in the same process) should add at most a tenth of that.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "bench/quiet_host.h"
#include "memprog/core/kv9.h"
#include "memprog/core/selection.h"
#include "memprog/ops/program.h"
#include "memprog/ops/read_ops.h"
#include "progsim/ftd2xx_sim.h"
#include "progsim/programmer.h"

namespace {

constexpr int k27C322 = 80;
constexpr double kLink_Us_Per_KiB = 1000.0;
constexpr int kRounds = 5;

// The best of a few rounds: the least disturbed by the rest of the machine.
template <typename F>
double Best_Micros(F&& f) {
  double best = 1e300;
  for (int i = 0; i < kRounds; ++i) {
    auto t0 = std::chrono::steady_clock::now();
    f();
    auto t1 = std::chrono::steady_clock::now();
    best = std::min(best, std::chrono::duration<double, std::micro>(t1 - t0).count());
  }
  return best;
}

bool Report(const char* what, double micros, double kib, const std::string& status,
            const char* want) {
  double per_kib = micros / kib;
  bool ok = status == want;
  std::printf("%-8s %9.1f ms  %7.2f us/KiB host  %7.0f us/KiB link  ratio %.4f  %s%s\n", what,
              micros / 1000, per_kib, kLink_Us_Per_KiB, per_kib / kLink_Us_Per_KiB,
              per_kib <= kLink_Us_Per_KiB / 10 ? "(goal met)" : "(GOAL MISSED)",
              ok ? "" : ("  status: " + status).c_str());
  return ok;
}

}  // namespace

int main() {
  progsim::Options o;
  o.keep_log = false;
  progsim::Install(o);
  Ftd2xx_Install(progsim::Backend());
  Quiet_Host host(true);
  memprog::Kv9 k(host);
  k.link.Find_Programmer();
  if (k.link.Connection != proglink::connection::Ready) {
    std::fprintf(stderr, "no simulated programmer\n");
    return 1;
  }
  k.Device_Code = k27C322;
  memprog::Select_Device(k);
  const uint32_t size = static_cast<uint32_t>(k.Dev_End_Add) + 1;
  const double kib = size / 1024.0;
  uint32_t x = 12345;
  for (uint32_t i = 0; i < size; ++i) {
    x ^= x << 13, x ^= x >> 17, x ^= x << 5;
    k.Image_Buffer[i] = static_cast<uint8_t>(x);
  }
  k.Buffer_Loaded = 1;
  k.Auto_Verify = 0;
  auto status = [&] { return k.ui["StaticText3"].caption; };

  std::printf("%s, %u bytes, best of %d rounds\n", k.ui["Device"].caption.c_str(), size, kRounds);
  double program = Best_Micros([&] { memprog::Program_EpromClick(k); });
  bool ok = Report("program", program, kib, status(), "Device is Programmed....");
  double verify = Best_Micros([&] { memprog::Verify_EpromClick(k); });
  ok &= Report("verify", verify, kib, status(), "Device Verified to Buffer....");
  std::vector<uint8_t> want(k.Image_Buffer.get(), k.Image_Buffer.get() + size);
  double read = Best_Micros([&] {
    std::memset(k.Image_Buffer.get(), 0, size);
    memprog::Move_EpromClick(k);
  });
  ok &= Report("read", read, kib, status(), "Device Has Been Moved to Buffer....");
  ok &= std::memcmp(k.Image_Buffer.get(), want.data(), size) == 0;
  return ok ? 0 : 1;
}
