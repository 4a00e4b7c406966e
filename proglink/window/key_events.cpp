#include "proglink/window/key_events.h"

#include <QKeyEvent>

namespace proglink {

char Typed(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) return '\r';
  if (e->key() == Qt::Key_Backspace) return '\b';
  QString t = e->text();
  return t.size() == 1 && t[0].unicode() < 128 ? static_cast<char>(t[0].unicode()) : 0;
}

common::Edit_Key Edit_Key_Of(int key) {
  using common::Edit_Key;
  switch (key) {
    case Qt::Key_PageUp:
      return Edit_Key::Page_Up;
    case Qt::Key_PageDown:
      return Edit_Key::Page_Down;
    case Qt::Key_Home:
      return Edit_Key::Home;
    case Qt::Key_End:
      return Edit_Key::End;
    case Qt::Key_Left:
      return Edit_Key::Left;
    case Qt::Key_Right:
      return Edit_Key::Right;
    case Qt::Key_Up:
      return Edit_Key::Up;
    case Qt::Key_Down:
      return Edit_Key::Down;
    default:
      return Edit_Key::Other;
  }
}

}  // namespace proglink
