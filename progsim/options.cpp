#include "progsim/options.h"

#include <algorithm>
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
    int64_t n =
        at == std::string::npos ? 0 : common::Parse_Decimal(item.substr(at + 1)).value_or(0);
    Fault f{};
    if (kind == "lose")
      f.kind = Fault::Lose;
    else if (kind == "silent")
      f.kind = Fault::Silent;
    else if (kind == "failblock")
      f.kind = Fault::Fail_Block;
    else if (kind == "shortwrite")
      f.kind = Fault::Short_Write;
    else if (kind == "failerase")
      f.kind = Fault::Fail_Erase;
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

std::optional<std::vector<uint8_t>> Parse_Hex_Bytes(const std::string& text, size_t count) {
  std::vector<uint8_t> bytes;
  size_t pos = 0;
  while (bytes.size() < count) {
    if (pos > text.size()) return std::nullopt;  // fewer than `count`
    size_t end = std::min(text.find(',', pos), text.size());
    auto b = common::Parse_Hex(std::string_view(text).substr(pos, end - pos));
    if (!b || *b > 0xFF) return std::nullopt;
    bytes.push_back(static_cast<uint8_t>(*b));
    pos = end + 1;
  }
  if (pos <= text.size()) return std::nullopt;  // more than `count`
  return bytes;
}

std::optional<std::pair<uint8_t, uint8_t>> Parse_Id(const std::string& text) {
  auto b = Parse_Hex_Bytes(text, 2);
  if (!b) return std::nullopt;
  return std::pair<uint8_t, uint8_t>((*b)[0], (*b)[1]);
}

std::optional<uint8_t> Parse_Id_Methods(const std::string& text) {
  auto m = common::Parse_Decimal(text);
  if (!m || *m < 1 || *m > kAllIdMethods) return std::nullopt;
  return static_cast<uint8_t>(*m);
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
    if (auto ver = Parse_Version(v))
      std::tie(o.fw_major, o.fw_minor) = *ver;
    else
      complain("KV9_SIM_FIRMWARE: '" + v + "' is not a version like 3.61");
  }
  if (std::string v = env("KV9_SIM_ID"); !v.empty()) {
    auto at = v.find('@');
    auto id = Parse_Id(v.substr(0, at));
    auto methods = at == std::string::npos ? kAllIdMethods : Parse_Id_Methods(v.substr(at + 1));
    if (id && methods)
      o.id = id, o.id_methods = *methods;
    else
      complain("KV9_SIM_ID: '" + v + "' is not two hex bytes like 89,8C or 89,8C@4");
  }
  if (std::string v = env("KV9_SIM_ADAPTER"); !v.empty()) {
    if (auto b = Parse_Hex_Bytes(v, 4))
      std::copy(b->begin(), b->end(), o.adapter.begin());
    else
      complain("KV9_SIM_ADAPTER: '" + v + "' is not four hex bytes like 50,54,28,28");
  }
  if (std::string v = env("KV9_SIM_PIC"); !v.empty()) {
    if (Find_Pic_Part(v))
      o.pic = v;
    else
      complain("KV9_SIM_PIC: '" + v + "' is not a PIC of the catalogue, like 16F877A");
  }
  if (std::string v = env("KV9_SIM_FAULT"); !v.empty()) {
    std::string reason;
    if (auto f = Parse_Faults(v, &reason))
      o.faults = *f;
    else
      complain("KV9_SIM_FAULT: " + reason);
  }
  return o;
}

}  // namespace progsim
