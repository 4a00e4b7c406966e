#include "proglink/testing/front_end_test.h"

#include <fstream>
#include <iterator>

#include "common/text_file.h"

namespace proglink {

int Front_End_Test::Run(std::vector<std::string> args) {
  out.str("");
  err.str("");
  return run_(args, out, err, false);
}

std::vector<std::string> Front_End_Test::Out_Lines() const {
  return common::Split_Lines(out.str());
}

void Front_End_Test::Write(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

void Front_End_Test::Write_Text(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::vector<uint8_t> Front_End_Test::Read(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

}  // namespace proglink
