// Win_Mcu9: the PIC programmer.
#include <QApplication>

#include "picprog/gui/mcu9_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  picprog::Mcu9_Window window;
  window.Form().show();
  return app.exec();
}
