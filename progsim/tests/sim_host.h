// A host that builds packets the way the programs do: in one transmit buffer whose header bytes
// keep what the previous packet left there unless a command sets them, with the checksum of
// bytes 0-6 in byte 7.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

#include "progsim/programmer.h"

namespace progsim {

class Sim_Host {
 public:
  using Bytes = std::vector<uint8_t>;
  using Set = std::initializer_list<std::pair<int, uint8_t>>;

  // A fresh simulated programmer, opened.
  explicit Sim_Host(Options options = {}) : sim(Install(std::move(options))) {
    sim.Open(Programmer::kSerial);
  }

  // Byte 0 = `code`, the listed header bytes set, the rest as they were; header and `data` go
  // out in one write. Returns the reply (empty when none came).
  Bytes Send(uint8_t code, Set bytes = {}, const Bytes& data = {}) {
    header[0] = code;
    for (auto [index, value] : bytes) header[index] = value;
    unsigned sum = 0;
    for (int i = 0; i < 7; ++i) sum += header[i];
    header[7] = static_cast<uint8_t>(sum);
    Bytes packet(header.begin(), header.end());
    packet.insert(packet.end(), data.begin(), data.end());
    sim.Write(packet.data(), packet.size());
    Bytes reply(sim.Rx_Queued());
    sim.Read(reply.data(), reply.size());
    return reply;
  }

  // Set_Vpp (0x10) and Begin_Operation (0x1C) as every device operation starts.
  void Begin_Operation(uint8_t family, uint8_t op_kind, uint8_t vpp_code = 1, uint8_t pass = 0,
                       uint8_t pulse = 3, uint8_t page = 0) {
    Send(0x10, {{1, 2}, {2, vpp_code}, {3, family}});
    Send(0x1C, {{1, op_kind}, {2, pass}, {3, pulse}, {4, page}});
  }

  // A 0x20 block read; the reply's data bytes.
  Bytes Read(uint32_t address, uint32_t count) {
    Bytes r = Send(0x20, {{1, B(address >> 24)},
                          {2, B(address >> 16)},
                          {3, B(address >> 8)},
                          {4, B(address)},
                          {5, B(count >> 8)},
                          {6, B(count)}});
    return r.size() > 8 ? Bytes(r.begin() + 8, r.end()) : Bytes{};
  }

  // A 0x30 programming block; reply byte 6 (0x55 when no reply came, as the host marks it).
  uint8_t Program(uint32_t address, const Bytes& data) {
    uint32_t n = static_cast<uint32_t>(data.size());
    Bytes r = Send(0x30,
                   {{1, 0},
                    {2, B(address >> 16)},
                    {3, B(address >> 8)},
                    {4, B(address)},
                    {5, B(n >> 8)},
                    {6, B(n)}},
                   data);
    return r.size() == 8 ? r[6] : 0x55;
  }

  static uint8_t B(uint32_t v) { return static_cast<uint8_t>(v); }

  Programmer& sim;
  std::array<uint8_t, 8> header{};
};

}  // namespace progsim
