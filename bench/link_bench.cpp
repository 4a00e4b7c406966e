// Host time per round trip on the simulated programmer: identify requests and 2,048-byte block
// reads. The USB link itself needs about 125 us for an 8-byte exchange and 2 ms for 2 KiB at
// full speed; the host should stay at least ten times below that.
#include <chrono>
#include <cstdio>

#include "bench/quiet_host.h"
#include "proglink/commands.h"
#include "proglink/link.h"
#include "progsim/ftd2xx_sim.h"
#include "progsim/programmer.h"

namespace {

template <typename F>
double Micros_Per_Call(int n, F&& f) {
  auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < n; ++i) f();
  auto t1 = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::micro>(t1 - t0).count() / n;
}

}  // namespace

int main() {
  progsim::Options o;
  o.keep_log = false;
  progsim::Install(o);
  Ftd2xx_Install(progsim::Backend());
  Quiet_Host host(false);
  proglink::Controls controls(host);
  proglink::Device_Setup dev;
  proglink::Link link(host, controls, dev, proglink::Variant::Kv9());
  link.Find_Programmer();
  if (link.Connection != proglink::connection::Ready) {
    std::fprintf(stderr, "no simulated programmer\n");
    return 1;
  }
  dev.Dev_End_Add = 0x3FFFFF;

  const int n = 200000;
  double identify = Micros_Per_Call(n, [&] {
    link.Packet()[0] = proglink::cmd::Identify;
    link.Send_Packet();
  });
  double block = Micros_Per_Call(n / 10, [&] {
    link.Cur_Add = (link.Cur_Add + 2048) & 0x3FFFFF;
    link.Read_Block();
  });
  std::printf("identify round trip     %8.2f us host time (goal < 20 us; USB about 125 us)\n",
              identify);
  std::printf("2 KiB block read        %8.2f us host time (goal < 200 us; USB about 2000 us)\n",
              block);
  std::printf("ratio to the USB link   identify %.3f, block %.3f\n", identify / 125.0,
              block / 2000.0);
  return 0;
}
