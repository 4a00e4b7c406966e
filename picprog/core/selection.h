// Choosing the PIC: the device list and the selection procedure, which sets everything a device
// code selects and shows it.
#pragma once

#include "picprog/core/mcu9.h"

namespace picprog {

void DeviceClick(Mcu9& m);                 // the busy state, then the device list
void Device_BoxClick(Mcu9& m, int index);  // a click on a line of the list
// The selection procedure for the device code; ends with the enable step.
void Select_Device(Mcu9& m);

}  // namespace picprog
