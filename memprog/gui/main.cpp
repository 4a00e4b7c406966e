// Win_KV9: the memory-device programmer.
#include <QApplication>

#include "memprog/gui/kv9_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  memprog::Kv9_Window window;
  window.Form().show();
  return app.exec();
}
