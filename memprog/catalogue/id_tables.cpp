// The electronic-ID tables: per manufacturer byte the Mfg caption and a device table.
//
// Fields of a device row (Id_Part):
//   dev    device byte
//   name   part name, shown in Dev
//   code   device code whose list line is pre-selected; kIdCodeNoEntry (999) for a named part
//          without a catalogue entry; 0 when the name is shown but the pair counts as not
//          identified
// Fields of a maker row (Id_Maker):
//   mfg      manufacturer byte
//   caption  Mfg caption
//   parts    its device table; makers that answer with two bytes share one table
#include "memprog/catalogue/id_tables.h"

#include <algorithm>

#include "memprog/catalogue/electronic_id.h"

namespace memprog {
namespace {

constexpr Id_Part kAmdParts[] = {
    {.dev = 0x04, .name = "27256", .code = 19},
    {.dev = 0x07, .name = "2732B", .code = 7},
    {.dev = 0x08, .name = "2764A", .code = 12},
    {.dev = 0x0E, .name = "27C010", .code = 32},
    {.dev = 0x10, .name = "27C256", .code = 20},
    {.dev = 0x15, .name = "27C64", .code = 13},
    {.dev = 0x16, .name = "27C128", .code = 16},
    {.dev = 0x1A, .name = "27C800", .code = 75},
    {.dev = 0x1C, .name = "27C080", .code = 53},
    {.dev = 0x20, .name = "29F010", .code = 100},
    {.dev = 0x23, .name = "29F400T", .code = 174},
    {.dev = 0x25, .name = "28F512", .code = 96},
    {.dev = 0x29, .name = "28F020A", .code = 98},
    {.dev = 0x2A, .name = "28F020", .code = 98},
    {.dev = 0x2F, .name = "28F256A", .code = 95},
    // Am29LV160 has no entry: its list line selects no device.
    {.dev = 0x49, .name = "29LV160B", .code = kIdCodeNoEntry},
    {.dev = 0x51, .name = "29F200T", .code = 173},
    {.dev = 0x57, .name = "29F200B", .code = 173},
    {.dev = 0x58, .name = "29F800B", .code = 175},
    {.dev = 0x91, .name = "27C512", .code = 27},
    {.dev = 0x97, .name = "27C020", .code = 42},
    {.dev = 0x9B, .name = "27C040", .code = 47},
    {.dev = 0x9D, .name = "27C400", .code = 72},
    {.dev = 0xA1, .name = "28F256", .code = 95},
    {.dev = 0xA2, .name = "28F010A", .code = 97},
    {.dev = 0xA4, .name = "29F040", .code = 102},
    {.dev = 0xA7, .name = "28F010", .code = 97},
    {.dev = 0xAB, .name = "29F400B", .code = 174},
    {.dev = 0xAD, .name = "29F016", .code = kIdCodeNoEntry},
    {.dev = 0xAE, .name = "28F512A", .code = 96},
    {.dev = 0xC4, .name = "29LV160T", .code = kIdCodeNoEntry},
    {.dev = 0xD5, .name = "29F080", .code = kIdCodeNoEntry},
    {.dev = 0xD6, .name = "29F800T", .code = 175},
    {.dev = 0xD9, .name = "29F100T", .code = 172},
    {.dev = 0xDF, .name = "29F100B", .code = 172},
};

constexpr Id_Part kFujitsuParts[] = {
    {.dev = 0x62, .name = "27C256", .code = 20},
};

constexpr Id_Part kNecParts[] = {
    {.dev = 0x86, .name = "27C1000", .code = 40},
};

constexpr Id_Part kAtmelOtpParts[] = {
    {.dev = 0x04, .name = "27C010", .code = 32},  {.dev = 0x05, .name = "27C010", .code = 32},
    {.dev = 0x0B, .name = "27C040", .code = 47},  {.dev = 0x86, .name = "27C020", .code = 42},
    {.dev = 0x8A, .name = "27C080", .code = 53},  {.dev = 0x8C, .name = "27C256", .code = 20},
    {.dev = 0xF1, .name = "27C1024", .code = 59},
};

constexpr Id_Part kAtmelFlashParts[] = {
    {.dev = 0x03, .name = "49F/BV512", .code = 111},
    {.dev = 0x04, .name = "49F001", .code = 116},
    {.dev = 0x05, .name = "49F001T", .code = 116},
    {.dev = 0x07, .name = "49F002", .code = 117},
    {.dev = 0x08, .name = "49F002T", .code = 117},
    {.dev = 0x0B, .name = "49F/BV020", .code = 114},
    {.dev = 0x13, .name = "49F/BV/LV040", .code = 115},
    {.dev = 0x17, .name = "49BV010", .code = 127},
    {.dev = 0x21, .name = "49F008T", .code = kIdCodeNoEntry},
    {.dev = 0x22, .name = "49F008", .code = kIdCodeNoEntry},
    {.dev = 0x23, .name = "49F080", .code = kIdCodeNoEntry},
    {.dev = 0x25, .name = "29C020/C1024", .code = 109},
    {.dev = 0x27, .name = "49F080T", .code = kIdCodeNoEntry},
    {.dev = 0x35, .name = "29LV/BV010", .code = 120},
    {.dev = 0x3D, .name = "29LV512", .code = 119},
    {.dev = 0x52, .name = "29C010", .code = 108},
    {.dev = 0x5D, .name = "29C512", .code = 107},
    {.dev = 0x82, .name = "49LV2048", .code = kIdCodeNoEntry},
    {.dev = 0x87, .name = "49F010/F/LV1024", .code = 112},
    {.dev = 0xA0, .name = "49F8192", .code = kIdCodeNoEntry},
    {.dev = 0xA3, .name = "49F8192T", .code = kIdCodeNoEntry},
    {.dev = 0xA4, .name = "29C040", .code = 110},
    {.dev = 0xBA, .name = "29LV/BV020", .code = 122},
    {.dev = 0xBC, .name = "29LV256", .code = 118},
    {.dev = 0xC1, .name = "49BV802", .code = kIdCodeNoEntry},
    {.dev = 0xC3, .name = "49BV802T", .code = kIdCodeNoEntry},
    {.dev = 0xC4, .name = "29LV/BV040", .code = 124},
    {.dev = 0xD5, .name = "29C010", .code = 108},
    {.dev = 0xDC, .name = "29C256/257", .code = 105},
};

constexpr Id_Part kStParts[] = {
    {.dev = 0x04, .name = "27256", .code = 19},    {.dev = 0x05, .name = "27C1001", .code = 37},
    {.dev = 0x0D, .name = "27512", .code = 26},    {.dev = 0x34, .name = "27C322", .code = 80},
    {.dev = 0x3D, .name = "27C512", .code = 27},   {.dev = 0x41, .name = "27C4001", .code = 52},
    {.dev = 0x42, .name = "27C801", .code = 55},   {.dev = 0x5B, .name = "29W800B", .code = 180},
    {.dev = 0x61, .name = "27C2001", .code = 43},  {.dev = 0x89, .name = "27128A", .code = 15},
    {.dev = 0x8D, .name = "27C256", .code = 20},   {.dev = 0xB1, .name = "27C160", .code = 78},
    {.dev = 0xB2, .name = "27C800", .code = 75},   {.dev = 0xB8, .name = "27C400", .code = 72},
    {.dev = 0xD0, .name = "29F100T", .code = 176}, {.dev = 0xD1, .name = "29F100B", .code = 176},
    {.dev = 0xD3, .name = "29F200T", .code = 177}, {.dev = 0xD4, .name = "29F200B", .code = 177},
    {.dev = 0xD5, .name = "29F400T", .code = 178}, {.dev = 0xD6, .name = "29F400B", .code = 178},
    {.dev = 0xD7, .name = "29W800T", .code = 180}, {.dev = 0xE2, .name = "29F040", .code = 102},
};

constexpr Id_Part kMicrochipParts[] = {
    {.dev = 0x02, .name = "27C64", .code = 13},
    {.dev = 0x0D, .name = "27C512", .code = 27},
    {.dev = 0x83, .name = "27C128", .code = 16},
    {.dev = 0x8C, .name = "27C256", .code = 20},
    {.dev = 0x94, .name = "27HC256", .code = 20},
    {.dev = 0x97, .name = "27HC1616", .code = kIdCodeNoEntry},
};

constexpr Id_Part kIntelParts[] = {
    {.dev = 0x01, .name = "2732A", .code = 6},
    {.dev = 0x04, .name = "27256", .code = 19},
    {.dev = 0x05, .name = "27010", .code = 32},
    {.dev = 0x07, .name = "27C64", .code = 13},
    {.dev = 0x08, .name = "2764A", .code = 12},
    {.dev = 0x0D, .name = "27512", .code = 26},
    {.dev = 0x0F, .name = "27513", .code = 30},
    {.dev = 0x24, .name = "87C257", .code = 24},
    {.dev = 0x27, .name = "68C257", .code = 24},
    {.dev = 0x31, .name = "27C011", .code = 41},
    {.dev = 0x32, .name = "27C100", .code = 38},
    {.dev = 0x34, .name = "27C020", .code = 42},
    {.dev = 0x35, .name = "27C010", .code = 32},
    {.dev = 0x37, .name = "87C64", .code = 12},
    {.dev = 0x3D, .name = "27C040", .code = 47},
    {.dev = 0x70, .name = "28F400_T", .code = 170},
    {.dev = 0x71, .name = "28F400_B", .code = 170},
    {.dev = 0x74, .name = "28F200_T", .code = 169},
    {.dev = 0x75, .name = "28F200_B", .code = 169},
    {.dev = 0x78, .name = "28F004_T", .code = 170},
    {.dev = 0x79, .name = "28F004_B", .code = 170},
    {.dev = 0x85, .name = "27011", .code = 41},
    {.dev = 0x89, .name = "27128A", .code = 15},
    {.dev = 0x8C, .name = "27C256", .code = 20},
    {.dev = 0x8D, .name = "27C256", .code = 20},
    // Intel's identifiers of the 28F001BX-T and -B (entry 99).
    {.dev = 0x94, .name = "28F001BX-T", .code = 99},
    {.dev = 0x95, .name = "28F001BX-B", .code = 99},
    {.dev = 0x9C, .name = "28F800_T", .code = 171},
    {.dev = 0x9D, .name = "28F800_B", .code = 171},
    {.dev = 0xB1, .name = "28F256", .code = 95},
    {.dev = 0xB2, .name = "28F256", .code = 95},
    {.dev = 0xB4, .name = "28F010", .code = 97},
    {.dev = 0xBD, .name = "28F020", .code = 98},
    {.dev = 0xF9, .name = "27C513", .code = 31},
    {.dev = 0xFC, .name = "27C128", .code = 16},
    {.dev = 0xFD, .name = "27C512", .code = 27},
};

constexpr Id_Part kNationalParts[] = {
    {.dev = 0x80, .name = "27C16", .code = 2},   {.dev = 0x85, .name = "27C512", .code = 27},
    {.dev = 0x86, .name = "27C010", .code = 32}, {.dev = 0xC2, .name = "27C64", .code = 13},
    {.dev = 0xC4, .name = "27C256", .code = 20},
};

constexpr Id_Part kTiParts[] = {
    {.dev = 0x02, .name = "27C291/2", .code = kIdCodeNoEntry},
    {.dev = 0x04, .name = "27C256", .code = 20},
    {.dev = 0x07, .name = "27C64", .code = 13},
    {.dev = 0x08, .name = "27C32", .code = 8},
    {.dev = 0x32, .name = "27C020", .code = 42},
    {.dev = 0x46, .name = "27C010", .code = 32},
    {.dev = 0x50, .name = "27C040", .code = 47},
    {.dev = 0x83, .name = "27C128", .code = 16},
    {.dev = 0x85, .name = "27C512", .code = 27},
    {.dev = 0x86, .name = "27C210", .code = 58},
    {.dev = 0xF2, .name = "27C49", .code = kIdCodeNoEntry},
};

constexpr Id_Part kToshibaParts[] = {
    {.dev = 0x54, .name = "27256", .code = 19},
    {.dev = 0x86, .name = "57C1000", .code = 36},
};

constexpr Id_Part kOkiParts[] = {
    {.dev = 0x85, .name = "271000", .code = 36},
    {.dev = 0x86, .name = "271024", .code = 59},
    {.dev = 0x89, .name = "272000", .code = 43},
    {.dev = 0x8C, .name = "27401", .code = 48},
};

constexpr Id_Part kSstParts[] = {
    {.dev = 0x04, .name = "28SF/VS040", .code = 147},
    {.dev = 0x07, .name = "29E/L/VE010", .code = 148},
    {.dev = 0x5D, .name = "29E/L/VE512", .code = 0},
    {.dev = 0xA3, .name = "27SF256", .code = 88},
    {.dev = 0xA4, .name = "27SF512", .code = 89},
    {.dev = 0xA5, .name = "27SF010", .code = 90},
    {.dev = 0xA6, .name = "27SF020", .code = 91},
};

constexpr Id_Part kWinbondParts[] = {
    {.dev = 0x01, .name = "W27E010", .code = 94}, {.dev = 0x02, .name = "W27E257", .code = 92},
    {.dev = 0x08, .name = "W27C512", .code = 93}, {.dev = 0x0B, .name = "49F002", .code = 166},
    {.dev = 0x45, .name = "29C020", .code = 163}, {.dev = 0x46, .name = "29C040", .code = 164},
    {.dev = 0x8C, .name = "49F020", .code = 167}, {.dev = 0xC1, .name = "29EE011", .code = 162},
};

constexpr Id_Maker kMakers[] = {
    {.mfg = 0x01, .caption = "Mfg. AMD", .parts = kAmdParts},
    {.mfg = 0x04, .caption = "Mfg. Fujitsu", .parts = kFujitsuParts},
    {.mfg = 0x10, .caption = "Mfg. NEC", .parts = kNecParts},
    {.mfg = 0x15, .caption = "Mfg. Atmel", .parts = kAtmelOtpParts},
    {.mfg = 0x1E, .caption = "Mfg. Atmel OTP", .parts = kAtmelOtpParts},
    {.mfg = 0x1F, .caption = "Mfg. Atmel Flash", .parts = kAtmelFlashParts},
    {.mfg = 0x20, .caption = "Mfg. ST", .parts = kStParts},
    {.mfg = 0x21, .caption = "Mfg. ST", .parts = kStParts},
    {.mfg = 0x29, .caption = "Mfg. Microchip", .parts = kMicrochipParts},
    {.mfg = 0x88, .caption = "Mfg. Intel OTP", .parts = kIntelParts},
    {.mfg = 0x89, .caption = "Mfg. Intel", .parts = kIntelParts},
    {.mfg = 0x8F, .caption = "Mfg. National", .parts = kNationalParts},
    {.mfg = 0x97, .caption = "Mfg. TI", .parts = kTiParts},
    {.mfg = 0x98, .caption = "Mfg. Toshiba", .parts = kToshibaParts},
    {.mfg = 0xAE, .caption = "Mfg. OKI", .parts = kOkiParts},
    {.mfg = 0xBF, .caption = "Mfg. SST", .parts = kSstParts},
    {.mfg = 0xDA, .caption = "Mfg. WinBond", .parts = kWinbondParts},
};

}  // namespace

const Id_Maker* Find_Id_Maker(uint8_t mfg) {
  const auto* it = std::find_if(std::begin(kMakers), std::end(kMakers),
                                [mfg](const Id_Maker& m) { return m.mfg == mfg; });
  return it == std::end(kMakers) ? nullptr : it;
}

}  // namespace memprog
