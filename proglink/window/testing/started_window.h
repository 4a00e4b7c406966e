// Support for the window tests: a program's window made offscreen on a fresh simulated
// programmer, the texts of its message boxes kept, and its controls found and clicked by name.
#pragma once

#include <QColor>
#include <QDir>
#include <QListWidget>
#include <QPalette>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string>

#include "proglink/host.h"
#include "progsim/ftd2xx_sim.h"
#include "progsim/programmer.h"

namespace proglink {

// A fresh temporary folder as the current one, for a window that keeps a settings file. Derive
// from it before Started_Window, so that the folder outlives the window.
struct In_Temporary_Folder {
  QTemporaryDir dir;
  In_Temporary_Folder() { QDir::setCurrent(dir.path()); }
};

// `Window` has Form(), the Form_Window, and Logic(), the program's state.
template <class Window>
struct Started_Window {
  progsim::Programmer* sim = nullptr;
  std::unique_ptr<Window> w;
  QStringList messages;  // the message boxes' texts, in order

  // The simulated programmer and the window on it, not shown yet: the test sets its hooks, shows
  // the window and waits for the first activation.
  void Create(progsim::Options o) {
    sim = &progsim::Install(o);
    Ftd2xx_Install(progsim::Backend());
    w = std::make_unique<Window>();
    w->Form().Message_Hook = [this](const std::string& text, proglink::Box) {
      messages << QString::fromStdString(text);
    };
  }

  template <typename T>
  T* Find(const char* name) {
    T* c = w->Form().template findChild<T*>(name);
    if (!c) qFatal("no control %s", name);
    return c;
  }
  QColor Background(const char* name) {
    return Find<QWidget>(name)->palette().color(QPalette::Window);
  }
  // Clicks line `row` of `list`, scrolled into view, as a user would.
  static void Click_Item(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
  }
};

}  // namespace proglink
