// Win_KV9: the memory-device programmer.
#include <QApplication>
#include <iostream>

#include "memprog/gui/kv9_window.h"
#include "progsim/ftd2xx_sim.h"
#include "usblink/backend_choice.h"

int main(int argc, char** argv) {
  if (!Install_Backend_From_Environment(progsim::Backend(), "Win_KV9", std::cerr)) return 2;
  QApplication app(argc, argv);
  memprog::Kv9_Window window;
  window.Form().show();
  return app.exec();
}
