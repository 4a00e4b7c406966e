// Loading and saving Intel hex and S-record files of 1, 4 and 16 MiB images, against objcopy and
// srec_cat doing the same conversion (file to binary, binary to file) in the same run. Times are
// the best of three, wall clock and CPU (user + system; the peers' include their start-up); the
// goal is at most half the faster peer's time. Our save includes the sync that makes the new
// file safe on disk before it replaces the old one, which the peers do not do: the wall time
// waits for the disk, the CPU time does not. The folder is the first argument, else the
// system's temporary folder.
#include <stdlib.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/atomic_file.h"
#include "memprog/files/buffer_file.h"

namespace {

using memprog::File_Type;

class Quiet_Progress : public memprog::File_Progress {
 public:
  void Status(const std::string&) override {}
  void Quit_Address(uint32_t) override {}
  void Pump() override {}
};

struct Timing {
  double wall = 1e300, cpu = 1e300;  // ms
  bool ok = true;
};

double Cpu_Ms(int who) {
  rusage u{};
  ::getrusage(who, &u);
  auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
  return ms(u.ru_utime) + ms(u.ru_stime);
}

// `who` is RUSAGE_SELF for our code, RUSAGE_CHILDREN for a tool.
Timing Best_Of_Three(int who, const std::function<bool()>& run) {
  Timing best;
  for (int i = 0; i < 3; ++i) {
    double c0 = Cpu_Ms(who);
    auto t0 = std::chrono::steady_clock::now();
    best.ok = best.ok && run();
    auto t1 = std::chrono::steady_clock::now();
    best.cpu = std::min(best.cpu, Cpu_Ms(who) - c0);
    best.wall = std::min(best.wall, std::chrono::duration<double, std::milli>(t1 - t0).count());
  }
  return best;
}

Timing Tool(const std::string& command) {
  return Best_Of_Three(RUSAGE_CHILDREN,
                       [&] { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; });
}

struct Format {
  const char* name;
  File_Type type;
  const char* objcopy_name;  // objcopy's name of the format
  const char* srec_name;     // srec_cat's
};

constexpr Format kFormats[] = {
    {"Intel hex", File_Type::Intel, "ihex", "-intel"},
    {"S-record", File_Type::Motorola, "srec", "-motorola"},
};

bool Row(const char* what, const Timing& ours, const Timing& objcopy, const Timing& srec_cat) {
  double wall = std::min(objcopy.wall, srec_cat.wall), cpu = std::min(objcopy.cpu, srec_cat.cpu);
  std::printf(
      "  %-4s ours %6.1f ms (cpu %6.1f)  objcopy %6.1f (cpu %6.1f)  srec_cat %7.1f (cpu %7.1f)"
      "  ratio %.2f (cpu %.2f)\n",
      what, ours.wall, ours.cpu, objcopy.wall, objcopy.cpu, srec_cat.wall, srec_cat.cpu,
      ours.wall / wall, ours.cpu / cpu);
  return ours.ok && objcopy.ok && srec_cat.ok;
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::path base = argc > 1 ? argv[1] : std::filesystem::temp_directory_path();
  std::string dir_template = (base / "files_bench.XXXXXX").string();
  if (::mkdtemp(dir_template.data()) == nullptr) {
    std::perror("mkdtemp");
    return 1;
  }
  const std::string dir = dir_template;
  std::vector<uint8_t> image(memprog::kImage_Size);
  Quiet_Progress progress;
  bool ok = true;
  std::printf("goal: ratio to the faster peer <= 0.5\n");

  for (uint32_t mib : {1u, 4u, 16u}) {
    uint32_t size = mib << 20;
    uint32_t x = 12345;
    for (uint32_t i = 0; i < size; ++i) {
      x = x * 1103515245u + 12345u;
      image[i] = static_cast<uint8_t>(x >> 16);
    }
    std::string bin = dir + "/image.bin";
    common::Write_Whole_File(bin, std::string(image.begin(), image.begin() + size));
    memprog::File_Ranges ranges{.Dev_End_Add = static_cast<int32_t>(size - 1),
                                .Dev_Last_Add = static_cast<int32_t>(size - 1)};

    for (const Format& f : kFormats) {
      std::printf("%s, %u MiB\n", f.name, mib);
      // The file to load as the peer writes it (Intel hex with extended linear records).
      std::string peer_file = dir + "/peer.hex";
      std::string sc = std::string(" ") + f.srec_name;
      if (std::system(("srec_cat " + bin + " -binary -o " + peer_file + sc).c_str()) != 0) {
        std::fprintf(stderr, "srec_cat is missing or failed\n");
        return 1;
      }
      Timing load = Best_Of_Three(RUSAGE_SELF, [&] {
        auto o = memprog::Load_Buffer_File(peer_file, f.type, image.data(), ranges, progress);
        return o.kind == memprog::Load_Outcome::Loaded && o.stored == size;
      });
      Timing load_objcopy = Tool(std::string("objcopy -I ") + f.objcopy_name + " -O binary " +
                                 peer_file + " " + dir + "/out.bin");
      Timing load_srec = Tool("srec_cat " + peer_file + sc + " -o " + dir + "/out.bin -binary");
      std::string ours_file = dir + "/ours.hex";
      Timing save = Best_Of_Three(RUSAGE_SELF, [&] {
        return memprog::Save_Buffer_File(ours_file, f.type, image.data(), ranges, progress).ok;
      });
      Timing save_objcopy = Tool(std::string("objcopy -I binary -O ") + f.objcopy_name + " " + bin +
                                 " " + dir + "/out.hex");
      Timing save_srec = Tool("srec_cat " + bin + " -binary -o " + dir + "/out.hex" + sc);
      ok = Row("load", load, load_objcopy, load_srec) && ok;
      ok = Row("save", save, save_objcopy, save_srec) && ok;
    }
  }
  std::filesystem::remove_all(dir);
  if (!ok) std::fprintf(stderr, "a conversion failed\n");
  return ok ? 0 : 1;
}
