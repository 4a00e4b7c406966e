// The built mcu9 with the files people hand it, and the simulated PIC kept in KV9_SIM_CHIP from
// one run to the next.
#include "mcu9_fixture.h"
#include "proglink/testing/shell_command.h"

namespace picprog::cli {
namespace {

TEST_F(Mcu9Test, FilesAsPeopleHandThemOverAndThePicKeptBetweenRuns) {
  // Program words 0-2, data EEPROM byte 0 = 0x5A, a configuration word with code protection off.
  const std::string program =
      ":060000000A288316850120\n:024000005A0064\n:02420E00F23F7D\n:00000001FF\n";
  Write_Text("p.hex", program);
  Write_Text("p.ihx", program);
  Write_Text("ee.hex", ":024000005B0063\n:00000001FF\n");  // another data EEPROM byte 0
  Write_Text("fold.hex", ":0280000001027B\n:00000001FF\n");
  Write_Text("s.hex", "S1050000AABB94\nS9030000FC\n");
  Write("binary.hex", std::vector<uint8_t>(64, 0xFF));
  Write("long.bin", std::vector<uint8_t>(17000, 0xFF));
  Write_Text("memory.bin", "\x01\x02\x03");

  const proglink::Script_Case cases[] = {
      {"the PIC forgets what a run programmed",
       "KV9_SIM_PIC=16F628 $MCU9 -d 16F628 program p.hex && $MCU9 -d 16F628 verify p.hex", 0,
       "Device Verified to Buffer...", ""},
      {"the data EEPROM is forgotten",
       "KV9_SIM_PIC=16F628 $MCU9 -d 16F628 program-ee p.hex && $MCU9 -d 16F628 verify-ee p.hex && "
       "$MCU9 -d 16F628 verify-ee ee.hex",
       1, "2000  EXPECTED-005B  FOUND-005A", ""},
      {"a file of another part than KV9_SIM_PIC names is taken",
       "KV9_SIM_PIC=16F84/A $MCU9 -d 16F84/A blank", 3, "",
       "holds a 16F628, not the 16F84/A KV9_SIM_PIC names"},
      {"a memory chip's image is taken for a PIC", "KV9_SIM_CHIP=memory.bin $MCU9 -d 16F628 blank",
       3, "", "holds no simulated PIC (a memory chip's image, by its look)"},
      {"standard input is taken as a file named -",
       "$MCU9 -d 16F628 checksum p.hex; cat p.hex | $MCU9 -d 16F628 checksum -", 0,
       "Checksum=7815\nChecksum=7815\n", ""},
      {"texts written into the data on standard output", "$MCU9 -d 16F628 read - | wc -c", 0,
       "16928", "Device Has Been Moved to Buffer..."},
      {"the extensions of other tools are unknown", "$MCU9 -d 16F628 checksum p.ihx", 0,
       "Checksum=7815\n", ""},
      {"a binary named .hex fails in some line", "$MCU9 -d 16F628 checksum binary.hex", 2, "",
       "'binary.hex' looks like a binary file, not the Intel Hex its name says: give -f bin"},
      {"S-records are read as Intel hex", "$MCU9 -d 16F628 checksum s.hex", 2, "",
       "looks like Motorola S-records, not the Intel Hex its name says, and mcu9 does not read"},
      {"a record from 8000 folds onto word 0", "$MCU9 -d 16F628 checksum fold.hex", 2, "",
       "2 bytes of fold.hex lie beyond"},
      {"a binary longer than a buffer file is cut", "$MCU9 -d 16F628 checksum long.bin", 2, "",
       "72 bytes of long.bin lie beyond the 16928 of a buffer file"},
      {"--wrap does not load as the window does",
       "$MCU9 -d 16F628 --wrap checksum long.bin && $MCU9 -d 16F628 --wrap checksum fold.hex", 0,
       "Checksum=", ""},
  };
  // The PIC is kept in pic.sim.
  proglink::Expect_Scripts("KV9_SIM_CHIP=pic.sim MCU9=" MCU9_BINARY, cases);
}

}  // namespace
}  // namespace picprog::cli
