// kv9 as a user runs it, a whole process, against objcopy doing the same conversion in the same
// run: `kv9 -d 27C322 convert` of a 4 MiB binary to Intel hex (save) and of that Intel hex back
// to binary (load). The rounds take turns, so that both meet the same load of the machine; each
// time is the wall clock and the CPU time (user + system) of the child alone, and the table shows
// the best and the median of the rounds. The goal: at most half of objcopy's time.
//
// kv9 syncs each new file to the disk before it replaces the old one, which objcopy does not: on
// a disk folder the wall time waits for the disk, the CPU time does not. The folder is the first
// argument (a tmpfs such as /dev/shm measures the programs alone), else the system's temporary
// folder. Usage: process_bench [FOLDER [ROUNDS]]
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Sample {
  double wall = 0, cpu = 0;  // ms
};

// One run of `argv` with its output thrown away; false when it could not start or failed.
bool Run(const std::vector<std::string>& argv, Sample& sample) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
  auto t0 = std::chrono::steady_clock::now();
  pid_t pid;
  int err = posix_spawnp(&pid, args[0], &quiet, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&quiet);
  if (err != 0) return false;
  int status = 0;
  rusage use{};
  if (::wait4(pid, &status, 0, &use) != pid) return false;
  auto t1 = std::chrono::steady_clock::now();
  auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
  sample.wall = std::chrono::duration<double, std::milli>(t1 - t0).count();
  sample.cpu = ms(use.ru_utime) + ms(use.ru_stime);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct Summary {
  double best_wall, median_wall, best_cpu, median_cpu;
};

Summary Summarize(std::vector<Sample> s) {
  auto median = [&](auto key) {
    std::sort(s.begin(), s.end(),
              [&](const Sample& a, const Sample& b) { return key(a) < key(b); });
    return key(s[s.size() / 2]);
  };
  auto wall = [](const Sample& x) { return x.wall; };
  auto cpu = [](const Sample& x) { return x.cpu; };
  Summary r{};
  r.median_wall = median(wall);
  r.best_wall = wall(s.front());
  r.median_cpu = median(cpu);
  r.best_cpu = cpu(s.front());
  return r;
}

struct Contest {
  const char* name;
  std::vector<std::string> ours, peer;
};

// Prints one contest; false when a run failed.
bool Race(const Contest& c, int rounds) {
  std::vector<Sample> ours, peer;
  bool ran = true;
  for (int i = 0; i < rounds && ran; ++i) {
    Sample a, b;
    ran = Run(c.ours, a) && Run(c.peer, b);
    ours.push_back(a);
    peer.push_back(b);
  }
  if (!ran) {
    std::fprintf(stderr, "%s: a run failed (%s or %s)\n", c.name, c.ours[0].c_str(),
                 c.peer[0].c_str());
    return false;
  }
  Summary o = Summarize(ours), p = Summarize(peer);
  std::printf("%s\n", c.name);
  std::printf("  kv9      wall %6.1f ms (median %6.1f)  cpu %6.1f ms (median %6.1f)\n", o.best_wall,
              o.median_wall, o.best_cpu, o.median_cpu);
  std::printf("  objcopy  wall %6.1f ms (median %6.1f)  cpu %6.1f ms (median %6.1f)\n", p.best_wall,
              p.median_wall, p.best_cpu, p.median_cpu);
  double wall = o.median_wall / p.median_wall, cpu = o.median_cpu / p.median_cpu;
  std::printf("  ratio    wall %.2f (best %.2f)  cpu %.2f (best %.2f)\n", wall,
              o.best_wall / p.best_wall, cpu, o.best_cpu / p.best_cpu);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::path base = argc > 1 ? argv[1] : std::filesystem::temp_directory_path();
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;
  std::string dir_template = (base / "process_bench.XXXXXX").string();
  if (::mkdtemp(dir_template.data()) == nullptr) {
    std::perror("mkdtemp");
    return 1;
  }
  const std::string dir = dir_template, kv9 = KV9_BINARY;
  std::vector<char> image(4 << 20);
  uint32_t x = 12345;
  for (char& b : image) {
    x ^= x << 13, x ^= x >> 17, x ^= x << 5;
    b = static_cast<char>(x);
  }
  const std::string bin = dir + "/image.bin", hex = dir + "/image.hex";
  std::ofstream(bin, std::ios::binary)
      .write(image.data(), static_cast<std::streamsize>(image.size()));
  Sample first;
  if (!Run({"objcopy", "-I", "binary", "-O", "ihex", bin, hex}, first)) {
    std::fprintf(stderr, "objcopy is missing or failed\n");
    return 1;
  }
  std::printf("kv9 -d 27C322 convert against objcopy, 4 MiB, %d rounds in turn, in %s\n", rounds,
              base.c_str());
  std::printf("goal: ratio <= 0.5\n");
  const Contest contests[] = {
      {"save: binary to Intel hex",
       {kv9, "-d", "27C322", "convert", bin, dir + "/ours.hex"},
       {"objcopy", "-I", "binary", "-O", "ihex", bin, dir + "/peer.hex"}},
      {"load: Intel hex to binary",
       {kv9, "-d", "27C322", "convert", hex, dir + "/ours.bin"},
       {"objcopy", "-I", "ihex", "-O", "binary", hex, dir + "/peer.bin"}},
  };
  bool ok = true;
  for (const Contest& c : contests) ok = Race(c, rounds) && ok;
  std::filesystem::remove_all(dir);
  return ok ? 0 : 1;
}
