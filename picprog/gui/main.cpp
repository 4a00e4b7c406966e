// Win_Mcu9: the PIC programmer.
#include <QApplication>
#include <iostream>

#include "picprog/gui/mcu9_window.h"
#include "progsim/ftd2xx_sim.h"
#include "progsim/programmer.h"
#include "usblink/backend_choice.h"

int main(int argc, char** argv) {
  progsim::Set_Chip_File_Kind(progsim::Chip_File_Kind::Pic);
  if (!Install_Backend_From_Environment(progsim::Backend(), "Win_Mcu9", std::cerr)) return 2;
  QApplication app(argc, argv);
  picprog::Mcu9_Window window;
  window.Form().show();
  return app.exec();
}
