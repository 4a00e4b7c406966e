// Win_Mcu9's main window: start-up, shut-down, the programmer search on the status text, the
// firmware-update key and the clicks that only tidy the window.
#pragma once

#include "picprog/core/mcu9.h"

namespace picprog {

// The letter that, typed on Start_Add in either case, starts the firmware update.
constexpr char kFlash_Update_Key = 'F';

void FormCreate(Mcu9& m);
void FormActivate(Mcu9& m);    // the start-up sequence; runs at the first activation only
void FormCloseQuery(Mcu9& m);  // the shut-down sequence; closing is always allowed
void FormClick(Mcu9& m);       // also the click of the socket panels and most labels

void Hide_Panels(Mcu9& m);  // every socket panel

void StaticText3Click(Mcu9& m);
// A key typed on Start_Add; true when it was the firmware-update key.
bool Start_AddKeyPress(Mcu9& m, char key);
// The firmware update that key starts; without a programmer nothing is sent: Lost.
proglink::Outcome Firmware_Update(Mcu9& m);
void V_VerifyClick(Mcu9& m, int index);

}  // namespace picprog
