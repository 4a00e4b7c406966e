// The PIC a command line names: by device code, or by caption in any case (failing that, by a
// part name as the device list writes it).
#pragma once

#include <string_view>

#include "proglink/console/device_lookup.h"

namespace picprog::cli {

using proglink::console::Device_Match;

// Win_Mcu9's catalogue and device list as the lookup and the list command see them.
const proglink::console::Catalogue_View& Mcu9_Catalogue();

// A part the list shows but the catalogue has no entry for is no device either; the problem
// then says so.
Device_Match Find_Device(std::string_view name);

// Index of the device list line that carries `code`; -1 when none does.
int Line_Of_Code(int code);

}  // namespace picprog::cli
