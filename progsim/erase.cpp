// Sector tables of the sector-erasing families, one row per sector address the host sends.
//   start  the sector address of bytes 2-4 of command 0x40 (bits 16-23, 8-15, 0-7)
//   end    the first address past the sector: the next address of the host's list for the part
// The x16 parts count sector addresses in 16-bit words, two chip bytes each.
#include "progsim/erase.h"

#include <algorithm>
#include <iterator>
#include <span>

namespace progsim {

namespace {

struct Sector {
  uint32_t start;
  uint32_t end;
};

// 28F200 (list 00000 ... 10000, 1C000, 1D000, 1E000) and 28F400 (... 10000, 20000 ... 3E000)
// share the family. At 10000 their lists part: erasing on to 1FFFF suits both, since the 28F200
// erases 1C000 to 1FFFF next anyway.
constexpr Sector k28F200_400[] = {
    {.start = 0x00000, .end = 0x02000}, {.start = 0x02000, .end = 0x03000},
    {.start = 0x03000, .end = 0x04000}, {.start = 0x04000, .end = 0x10000},
    {.start = 0x10000, .end = 0x20000}, {.start = 0x1C000, .end = 0x1D000},
    {.start = 0x1D000, .end = 0x1E000}, {.start = 0x1E000, .end = 0x20000},
    {.start = 0x20000, .end = 0x30000}, {.start = 0x30000, .end = 0x3C000},
    {.start = 0x3C000, .end = 0x3D000}, {.start = 0x3D000, .end = 0x3E000},
    {.start = 0x3E000, .end = 0x40000},
};

constexpr Sector k28F800[] = {
    {.start = 0x00000, .end = 0x02000}, {.start = 0x02000, .end = 0x03000},
    {.start = 0x03000, .end = 0x04000}, {.start = 0x04000, .end = 0x10000},
    {.start = 0x10000, .end = 0x20000}, {.start = 0x20000, .end = 0x30000},
    {.start = 0x30000, .end = 0x40000}, {.start = 0x40000, .end = 0x50000},
    {.start = 0x50000, .end = 0x60000}, {.start = 0x60000, .end = 0x70000},
    {.start = 0x70000, .end = 0x7C000}, {.start = 0x7C000, .end = 0x7D000},
    {.start = 0x7D000, .end = 0x7E000}, {.start = 0x7E000, .end = 0x80000},
};

constexpr Sector k28F001BX[] = {
    {.start = 0x00000, .end = 0x02000}, {.start = 0x02000, .end = 0x03000},
    {.start = 0x03000, .end = 0x04000}, {.start = 0x04000, .end = 0x1C000},
    {.start = 0x1C000, .end = 0x1D000}, {.start = 0x1D000, .end = 0x1E000},
    {.start = 0x1E000, .end = 0x20000},
};

// Per family:
//   family   algorithm family
//   words    sector addresses count 16-bit words
//   failed   reply byte 6 of a failed sector erase (the host tests bits 5 and 4, or bit 5)
//   sectors  the sector table
struct Sector_Map {
  int family;
  bool words;
  uint8_t failed;
  std::span<const Sector> sectors;
};

constexpr Sector_Map kSectorMaps[] = {
    {.family = 35, .words = true, .failed = 0x30, .sectors = k28F200_400},
    {.family = 36, .words = true, .failed = 0x30, .sectors = k28F800},
    {.family = 37, .words = false, .failed = kEraseFailed, .sectors = k28F001BX},
};

// A failed erase leaves this cell programmed.
void Stick(Memory_Chip& chip, uint32_t address) {
  chip.Poke(address, static_cast<uint8_t>(~chip.Erased_Value()));
}

Erase_Outcome Erase_Sector(Memory_Chip& chip, const uint8_t* p, bool fail) {
  auto map = std::find_if(std::begin(kSectorMaps), std::end(kSectorMaps),
                          [&](const Sector_Map& m) { return m.family == chip.Family(); });
  if (map == std::end(kSectorMaps)) return {};
  uint32_t address = static_cast<uint32_t>(p[2]) << 16 | p[3] << 8 | p[4];
  auto sector = std::find_if(map->sectors.begin(), map->sectors.end(),
                             [&](const Sector& s) { return s.start == address; });
  if (sector == map->sectors.end()) return {.status = map->failed};  // not a sector of the part
  uint32_t unit = map->words ? 2 : 1;
  chip.Erase(sector->start * unit, sector->end * unit - 1);
  if (!fail) return {.status = kErased};
  Stick(chip, sector->start * unit);
  return {.status = map->failed};
}

bool Zero_Parameters(const uint8_t* p) {
  return std::all_of(p + 1, p + 7, [](uint8_t b) { return b == 0; });
}

}  // namespace

Erase_Outcome Erase(Memory_Chip& chip, const uint8_t* packet, bool fail) {
  switch (Traits_Of_Family(chip.Family()).erase) {
    case Erase_Kind::None:
      return {};
    case Erase_Kind::Protect:
      return {.protection_on = Zero_Parameters(packet)};
    case Erase_Kind::Sectors:
      return Erase_Sector(chip, packet, fail);
    case Erase_Kind::Chip:
      chip.Erase_All();
      if (!fail) return {.status = kErased, .chip_erased = true};
      Stick(chip, 0);
      return {.status = kEraseFailed, .chip_erased = true};
  }
  return {};
}

}  // namespace progsim
