#include "progsim/options.h"

#include <cstdlib>

#include "common/hex.h"
#include "progsim/pic_parts.h"

namespace progsim {

std::optional<std::pair<int, int>> Parse_Version(const std::string& text) {
  auto dot = text.find('.');
  if (dot == std::string::npos) return std::nullopt;
  auto major = common::Parse_Decimal(text.substr(0, dot));
  auto minor = common::Parse_Decimal(text.substr(dot + 1));
  if (!major || !minor || *major < 0 || *major > 255 || *minor < 0 || *minor > 255)
    return std::nullopt;
  return std::pair<int, int>(static_cast<int>(*major), static_cast<int>(*minor));
}

std::optional<std::vector<Fault>> Parse_Faults(const std::string& text, std::string* reason) {
  std::vector<Fault> faults;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find(',', pos);
    if (end == std::string::npos) end = text.size();
    std::string item = text.substr(pos, end - pos);
    pos = end + 1;
    if (item.empty()) continue;
    auto at = item.find('@');
    std::string kind = item.substr(0, at);
    int64_t n = at == std::string::npos ? 0 : common::Parse_Decimal(item.substr(at + 1)).value_or(0);
    Fault f{};
    if (kind == "lose") f.kind = Fault::Lose;
    else if (kind == "silent") f.kind = Fault::Silent;
    else if (kind == "failblock") f.kind = Fault::Fail_Block;
    else if (kind == "shortwrite") f.kind = Fault::Short_Write;
    else {
      if (reason) *reason = "unknown fault '" + kind + "'";
      return std::nullopt;
    }
    if (n < 1) {
      if (reason) *reason = "fault '" + item + "' needs @N with N >= 1";
      return std::nullopt;
    }
    f.n = static_cast<uint64_t>(n);
    faults.push_back(f);
  }
  return faults;
}

std::optional<std::pair<uint8_t, uint8_t>> Parse_Id(const std::string& text) {
  auto comma = text.find(',');
  if (comma == std::string::npos) return std::nullopt;
  auto m = common::Parse_Hex(text.substr(0, comma));
  auto d = common::Parse_Hex(text.substr(comma + 1));
  if (!m || !d || *m > 0xFF || *d > 0xFF) return std::nullopt;
  return std::pair<uint8_t, uint8_t>(static_cast<uint8_t>(*m), static_cast<uint8_t>(*d));
}

Options Options::From_Environment(std::vector<std::string>* errors) {
  Options o;
  auto env = [](const char* name) -> std::string {
    const char* v = std::getenv(name);
    return v ? v : "";
  };
  auto complain = [&](const std::string& what) {
    if (errors) errors->push_back(what);
  };
  o.trace_file = env("KV9_SIM_TRACE");
  o.chip_file = env("KV9_SIM_CHIP");
  o.keep_log = false;  // nobody reads it outside tests
  if (std::string v = env("KV9_SIM_FIRMWARE"); !v.empty()) {
    if (auto ver = Parse_Version(v)) std::tie(o.fw_major, o.fw_minor) = *ver;
    else complain("KV9_SIM_FIRMWARE: '" + v + "' is not a version like 3.61");
  }
  if (std::string v = env("KV9_SIM_ID"); !v.empty()) {
    if (auto id = Parse_Id(v)) o.id = id;
    else complain("KV9_SIM_ID: '" + v + "' is not two hex bytes like 89,8C");
  }
  if (std::string v = env("KV9_SIM_PIC"); !v.empty()) {
    if (Find_Pic_Part(v)) o.pic = v;
    else complain("KV9_SIM_PIC: '" + v + "' is not a PIC of the catalogue, like 16F877A");
  }
  if (std::string v = env("KV9_SIM_FAULT"); !v.empty()) {
    std::string reason;
    if (auto f = Parse_Faults(v, &reason)) o.faults = *f;
    else complain("KV9_SIM_FAULT: " + reason);
  }
  return o;
}

}  // namespace progsim
