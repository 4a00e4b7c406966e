// Loading and saving Intel hex and S-record files of 1, 4 and 16 MiB images, against objcopy and
// srec_cat doing the same conversion (file to binary, binary to file) in the same run. Times are
// the best of three; the goal is at most half the faster peer's time. Our save includes the sync
// that makes the new file safe on disk before it replaces the old one; the peers do not sync.
// The folder is the first argument, else the system's temporary folder: on a memory file
// system (/dev/shm) the sync costs nothing and the times compare the work alone.
#include <stdlib.h>

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

double Best_Ms(const std::function<bool()>& run) {
  double best = 1e300;
  for (int i = 0; i < 3; ++i) {
    auto t0 = std::chrono::steady_clock::now();
    if (!run()) return -1;
    auto t1 = std::chrono::steady_clock::now();
    best = std::min(best, std::chrono::duration<double, std::milli>(t1 - t0).count());
  }
  return best;
}

double Tool_Ms(const std::string& command) {
  return Best_Ms([&] { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; });
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

void Row(const char* what, double ours, double objcopy, double srec_cat) {
  double peer = std::min(objcopy, srec_cat);
  std::printf(
      "  %-5s ours %8.1f ms   objcopy %8.1f ms   srec_cat %8.1f ms   ratio %.3f (goal <= 0.5)\n",
      what, ours, objcopy, srec_cat, ours / peer);
}

}  // namespace

int main() {
  std::string dir_template =
      (std::filesystem::temp_directory_path() / "files_bench.XXXXXX").string();
  if (::mkdtemp(dir_template.data()) == nullptr) {
    std::perror("mkdtemp");
    return 1;
  }
  const std::string dir = dir_template;
  std::vector<uint8_t> image(memprog::kImage_Size);
  Quiet_Progress progress;
  int status = 0;

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
      std::string peer_file = dir + "/peer.hex";
      std::string sc = std::string(" ") + f.srec_name;
      if (std::system(("srec_cat " + bin + " -binary -o " + peer_file + sc).c_str()) != 0) {
        std::fprintf(stderr, "srec_cat is missing or failed\n");
        return 1;
      }
      double load = Best_Ms([&] {
        auto o = memprog::Load_Buffer_File(peer_file, f.type, image.data(), ranges, progress);
        return o.kind == memprog::Load_Outcome::Loaded && o.stored == size;
      });
      double load_objcopy = Tool_Ms(std::string("objcopy -I ") + f.objcopy_name + " -O binary " +
                                    peer_file + " " + dir + "/out.bin");
      double load_srec = Tool_Ms("srec_cat " + peer_file + sc + " -o " + dir + "/out.bin -binary");
      std::string ours_file = dir + "/ours.hex";
      double save = Best_Ms([&] {
        return memprog::Save_Buffer_File(ours_file, f.type, image.data(), ranges, progress).ok;
      });
      double save_objcopy = Tool_Ms(std::string("objcopy -I binary -O ") + f.objcopy_name + " " +
                                    bin + " " + dir + "/out.hex");
      double save_srec = Tool_Ms("srec_cat " + bin + " -binary -o " + dir + "/out.hex" + sc);
      if (load < 0 || save < 0 || load_objcopy < 0 || load_srec < 0 || save_objcopy < 0 ||
          save_srec < 0) {
        std::fprintf(stderr, "a conversion failed\n");
        status = 1;
      }
      Row("load", load, load_objcopy, load_srec);
      Row("save", save, save_objcopy, save_srec);
    }
  }
  std::filesystem::remove_all(dir);
  return status;
}
