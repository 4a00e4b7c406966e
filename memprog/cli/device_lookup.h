// The device a command line names: by device code, or by caption in any case (failing that, by
// a part name as the device list writes it).
#pragma once

#include <string_view>

#include "proglink/console/device_lookup.h"

namespace memprog::cli {

using proglink::console::Device_Match;

// Win_KV9's catalogue and device list as the lookup and the list command see them.
const proglink::console::Catalogue_View& Kv9_Catalogue();

Device_Match Find_Device(std::string_view name);

}  // namespace memprog::cli
