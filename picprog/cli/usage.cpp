#include "picprog/cli/arguments.h"

namespace picprog::cli {

const char* Usage_Text() {
  return R"(usage: mcu9 [OPTIONS] COMMAND [ARGUMENTS]

Without the programmer:
  list [TEXT]                the device list; with TEXT, the device lines holding it
  -d DEVICE info             what selecting the device sets, as Key=Value fields
  -d DEVICE socket           how the device goes into the ZIF socket
  -d DEVICE fuse HEX         the fuse editor's settings for a configuration word
  -d DEVICE convert IN OUT   load IN into the buffer and save the buffer as OUT
  -d DEVICE checksum IN      load IN and show the checksum of program memory
With the programmer:
  probe                      search for the programmer and show its firmware version
  -d DEVICE read OUT         read the device into the buffer and save it as OUT
  -d DEVICE program IN       program IN into the device, then verify it
  -d DEVICE verify IN        the words where the device differs from IN
  -d DEVICE blank            blank check: the words that are not blank
  -d DEVICE erase            erase (electrically erasable parts; no text when it succeeds)
  -d DEVICE program-ee IN    program the data EEPROM from IN
  -d DEVICE verify-ee IN     the bytes where the data EEPROM differs from IN
  firmware FILE              update the programmer's firmware from FILE
IN may be - for standard input (its format from -f, else from what it holds), OUT - for
standard output (binary unless --out-format; the texts then go to stderr).

The buffer starts as the blank part (0FFF or 3FFF in every word) before IN is loaded. Where the
part holds its factory oscillator calibration (12C5xx, 12F508/509, 12F629/675), program and
verify read the part first and keep its own calibration word, whatever IN holds there.

Blank check and verify list the first 20 words that differ, then their count and the first
one's address, then the verdict.

Options:
  -d, --device DEVICE        device code, caption or part name in any case, with or without
                             PIC (PIC16F877A, 16F84A); mcu9 list shows them
  -f, --format FORMAT        format of the input file
      --out-format FORMAT    format of the output file
                             FORMAT: bin or hex; by default from the extension: .bin .rom
                             .img, .hex .ihx .ihex; an input file whose content is plainly
                             another format than its name says is refused
      --wrap                 load a file with data beyond a buffer file (hex addresses from
                             8000, a binary past 16,928 bytes) as the window does instead of
                             refusing it
      --fill HEX             fill the buffer with this word instead of the blank part's
      --fuse HEX             the configuration word, set through the fuse editor
      --verify-voltage V     verify at 3, 5 (the default) or 6 volts
      --no-verify            program without reading the device back (a configuration word
                             with code protection on needs it: protected code reads as 0000)
      --check-id             program: first read the device ID; program only when it names
                             the selected part (not for the parts without one: the 12-bit and
                             EPROM parts, the 16F83; a first 16F84 answers none either)
      --erase                program: first erase the part and check it blank (the parts the
                             erase command serves; the calibration word stays)
      --all                  list every word that differs, not only the first 20
      --json                 print one JSON object instead of the text: program, command,
                             device, device_code, verdict, exit_status, count, first_address,
                             checksum, files, steps (step, verdict, text, count,
                             first_address, lines), output (the other lines) and seconds
  -y, --yes                  answer Yes to the questions the window would ask (the firmware
                             update offer, erasing a part whose calibration word looks lost);
                             without it the answer is No
      --version              the version of mcu9 and the programmer firmware it requires
  -h, --help                 this text

Exit status: 0 good; 1 the device failed the operation, or list TEXT found nothing;
2 bad usage or a bad input file (nothing was sent); 3 programmer not found, stopped answering
or lost; 128 + N stopped by signal N: 130 Ctrl-C, 143 SIGTERM, 129 SIGHUP (the operation stops
at its next block and the programmer is reset; a second one ends mcu9 at once).
)";
}

}  // namespace picprog::cli
