#include "memprog/cli/arguments.h"

namespace memprog::cli {

const char* Usage_Text() {
  return R"(usage: kv9 [OPTIONS] COMMAND [ARGUMENTS]

Without the programmer:
  list [TEXT]               the device list; with TEXT, the device lines holding it
  -d DEVICE info            what selecting the device sets, as Key=Value fields
  -d DEVICE socket          how the device goes into the ZIF socket
  -d DEVICE convert IN OUT  load IN into the buffer and save the buffer as OUT
  -d DEVICE checksum IN     load IN and show the buffer checksum
With the programmer:
  probe                     search for the programmer and show its firmware version
  -d DEVICE read OUT        read the device into the buffer and save it as OUT
  -d DEVICE program IN      program IN into the device, then verify it
  -d DEVICE verify IN       the bytes where the device differs from IN
  -d DEVICE compare IN      whether IN can be programmed over the device without erasing
  -d DEVICE blank           blank check: the bytes that are not blank
  -d DEVICE erase           erase (electrically erasable devices)
  -d DEVICE security 1|2|3  program a security bit (microcontrollers with lock bits)
  [-d DEVICE] id            read the electronic ID and name the part
  -d DEVICE clock read      read the clock of a timekeeper
  -d DEVICE clock write YY MM DD DAY HH MM SS CAL CENTURY
                            set the clock: year, month, date, day of the week, hours,
                            minutes, seconds, calibration and century, in hex digits
  firmware FILE             update the programmer's firmware from FILE
IN may be - for standard input (its format from -f, else from what it holds), OUT - for
standard output (binary unless --out-format; the texts then go to stderr).

Each step of a command prints its verdict on stdout (program: "Device is Programmed....", then
the verify's). Blank check and verify list the first 20 bytes that differ, then their count and
the first one's address.

Options:
  -d, --device DEVICE      device code, caption or part name in any case, with or without the
                           maker's prefix (AT28C256, M27C322, 24C02); kv9 list shows them
  -f, --format FORMAT      format of the input file
      --out-format FORMAT  format of the output file
                           FORMAT: bin, intel, motorola, tektronix or ascii; by default from
                           the extension: .bin .rom .img, .hex .ihx .ihex, .s19 .s28 .s37 .srec
                           .mot, .tek, .asc; an input file whose content is plainly another
                           format than its name says is refused
      --wrap               load a file with data beyond the part as the window does (hex
                           addresses wrap at its size) instead of refusing it
      --split MODE         byte (the default), even (Word Even/High) or odd (Word Odd/Low)
      --swap               R/W as Hi/Lo: swap the two bytes of every pair
      --start HEX          Device Start= (0 to FFFFFF, cut to the device)
      --end HEX            Device End= (0 to FFFFFF, cut to the device)
      --buffer-start HEX   Buffer Start= (0 to FFFFFF)
      --hex-start HEX      Hex File Start=
      --hex-end HEX        Hex File End=
      --hex-offset HEX     Hex Offset=
      --fill HEX           fill the whole buffer with this byte first (it starts blank, as
                           the part is erased: FF, or 00 where the info shows Blank=00)
      --no-verify          program without reading the device back
      --check-id           program: first read the electronic ID; program only when it
                           names the selected device (not for devices no ID names)
      --erase              program: first erase the device and check it blank (flash,
                           electrically erasable EPROMs and micros; not for the others)
      --all                list every byte that differs, not only the first 20
      --json               print one JSON object instead of the text: program, command,
                           device, device_code, verdict, exit_status, count, first_address,
                           checksum, files, steps (step, verdict, text, count, first_address,
                           lines), output (the other lines) and seconds
  -y, --yes                answer Yes to the questions the window would ask (the firmware
                           update offer, say); without it the answer is No
      --version            the version of kv9 and the programmer firmware it requires
  -h, --help               this text

Exit status: 0 good; 1 the device failed the operation, or list TEXT found nothing;
2 bad usage or a bad input file (nothing was sent); 3 programmer not found, stopped answering
or lost; 128 + N stopped by signal N: 130 Ctrl-C, 143 SIGTERM, 129 SIGHUP (the operation stops
at its next block and the programmer is reset; a second one ends kv9 at once).
)";
}

}  // namespace memprog::cli
