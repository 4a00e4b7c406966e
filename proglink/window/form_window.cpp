#include "proglink/window/form_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>

namespace proglink {

namespace {

constexpr int kRender_Interval_Ms = 100;  // redraw a busy message area at most this often

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

QFont Fixed_Font(bool bold) {
  QFont f("DejaVu Sans Mono");
  f.setStyleHint(QFont::Monospace);
  f.setFixedPitch(true);
  f.setPixelSize(12);
  f.setBold(bold);
  return f;
}

QColor Colour_Of(Colour c) {
  switch (c) {
    case Colour::Yellow:
      return QColor(255, 255, 0);
    case Colour::Lime:
      return QColor(0, 255, 0);
    case Colour::Red:
      return QColor(255, 0, 0);
    case Colour::Silver:
      return QColor(192, 192, 192);
    case Colour::Blue:
      return QColor(0, 0, 255);
    case Colour::Default:
      break;
  }
  return QColor();
}

// "Bin|*.Bin|Hex|*.Hex" -> "Bin (*.Bin *.bin *.BIN);;Hex (...)": file names on this platform
// are case-sensitive, the dialog's patterns must not be.
QStringList Name_Filters(const std::string& filter) {
  QStringList parts = Q(filter).split('|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString pattern = parts[i + 1];
    QStringList variants{pattern};
    if (pattern != "*.*") variants << pattern.toLower() << pattern.toUpper();
    variants.removeDuplicates();
    out << parts[i] + " (" + variants.join(' ') + ")";
  }
  return out;
}

}  // namespace

Form_Window::Form_Window(const proglink::Form_Design& design) {
  setWindowTitle(design.title);
  resize(design.width, design.height);
  QFont f = font();
  f.setPixelSize(11);  // the size the layout was designed for
  setFont(f);
  for (const auto& c : design.controls) Build(c);
  connect(&reply_timer_, &QTimer::timeout, this, [this] {
    if (Timer_Event) Timer_Event();
  });
  since_render_.start();
}

QWidget* Form_Window::Control(const std::string& name) const {
  auto it = widgets_.find(name);
  return it == widgets_.end() ? nullptr : it->second;
}

void Form_Window::Build(const proglink::Control_Design& c) {
  QWidget* parent = c.parent ? widgets_.at(c.parent) : this;
  QWidget* w = nullptr;
  const std::string name = c.name;
  switch (c.kind) {
    case Kind::Button: {
      auto* b = new QPushButton(c.caption, parent);
      connect(b, &QPushButton::clicked, this, [this, name] {
        if (On_Click) On_Click(name);
      });
      b->setFocusPolicy(Qt::StrongFocus);
      w = b;
      break;
    }
    case Kind::Label: {
      auto* l = new QLabel(c.caption, parent);
      l->setAutoFillBackground(true);
      w = l;
      break;
    }
    case Kind::Panel: {
      auto* f = new QFrame(parent);
      f->setFrameShape(QFrame::StyledPanel);
      f->setAutoFillBackground(true);
      w = f;
      break;
    }
    case Kind::Group:
    case Kind::Radio_Group: {
      auto* g = new QGroupBox(c.caption, parent);
      g->setAutoFillBackground(true);
      w = g;
      if (c.kind == Kind::Radio_Group) {
        auto* layout = new QVBoxLayout(g);
        for (size_t i = 0; i < c.items.size(); ++i) {
          auto* r = new QRadioButton(Q(c.items[i]), g);
          layout->addWidget(r);
          connect(r, &QRadioButton::clicked, this, [this, name, i] {
            if (On_Item) On_Item(name, static_cast<int>(i));
          });
        }
      }
      break;
    }
    case Kind::List: {
      auto* l = new QListWidget(parent);
      for (const auto& item : c.items) l->addItem(Q(item));
      connect(l, &QListWidget::itemClicked, this, [this, name, l](QListWidgetItem* item) {
        if (On_Item) On_Item(name, l->row(item));
      });
      connect(l, &QListWidget::itemDoubleClicked, this, [this, name, l](QListWidgetItem* item) {
        if (On_Item_Double) On_Item_Double(name, l->row(item));
      });
      w = l;
      break;
    }
    case Kind::Edit: {
      auto* e = new QLineEdit(c.caption, parent);
      if (c.max_length > 0) e->setMaxLength(c.max_length);
      bool upper = c.upper_case;
      connect(e, &QLineEdit::textEdited, this, [this, name, e, upper](const QString& text) {
        if (upper && text != text.toUpper()) {
          int pos = e->cursorPosition();
          e->setText(text.toUpper());
          e->setCursorPosition(pos);
        }
        if (On_Text) On_Text(name, e->text().toStdString());
      });
      w = e;
      break;
    }
    case Kind::Memo:
    case Kind::Text_Panel: {
      auto* t = new QPlainTextEdit(parent);
      t->setReadOnly(true);
      // Read-only, but with a visible caret: the buffer editor places it on the byte in hand. A
      // picture has no caret.
      t->setTextInteractionFlags(c.kind == Kind::Text_Panel
                                     ? Qt::NoTextInteraction
                                     : Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
      t->setLineWrapMode(QPlainTextEdit::NoWrap);
      if (c.kind == Kind::Text_Panel) t->setFrameShape(QFrame::Box);
      t->viewport()->installEventFilter(this);
      names_[t->viewport()] = name;
      w = t;
      break;
    }
    case Kind::Radio: {
      auto* r = new QRadioButton(c.caption, parent);
      r->setChecked(c.checked);
      connect(r, &QRadioButton::clicked, this, [this, name] {
        if (On_Click) On_Click(name);
      });
      w = r;
      break;
    }
    case Kind::Check: {
      auto* x = new QCheckBox(c.caption, parent);
      x->setChecked(c.checked);
      connect(x, &QCheckBox::clicked, this, [this, name] {
        if (On_Click) On_Click(name);
      });
      w = x;
      break;
    }
  }
  w->setObjectName(c.name);
  if (c.font == proglink::Font::Fixed || c.font == proglink::Font::Fixed_Bold)
    w->setFont(Fixed_Font(c.font == proglink::Font::Fixed_Bold));
  if (c.font == proglink::Font::Bold) {
    QFont f = w->font();
    f.setBold(true);
    f.setPixelSize(12);
    w->setFont(f);
  }
  if (*c.hint) w->setToolTip(c.hint);
  w->setGeometry(c.x, c.y, c.w, c.h);
  Set_Colour(w, c.colour);
  w->setEnabled(c.enabled);
  w->setVisible(c.visible);
  w->installEventFilter(this);
  widgets_[name] = w;
  names_[w] = name;
  designs_[name] = &c;
  if (!c.items.empty() && (c.kind == Kind::Text_Panel || c.kind == Kind::Memo))
    Set_Lines(w, &c, c.items);
}

void Form_Window::Set_Colour(QWidget* w, Colour c) {
  QPalette p = w->palette();
  QColor q = Colour_Of(c);
  if (!q.isValid()) q = QApplication::palette().color(QPalette::Window);
  p.setColor(QPalette::Window, q);
  p.setColor(QPalette::WindowText, c == Colour::Blue ? Qt::white : Qt::black);
  w->setPalette(p);
}

void Form_Window::Set_Lines(QWidget* w, const proglink::Control_Design* design,
                            const std::vector<std::string>& lines) {
  if (auto* l = qobject_cast<QListWidget*>(w)) {
    l->clear();
    for (const auto& line : lines) l->addItem(Q(line));
    return;
  }
  auto* t = qobject_cast<QPlainTextEdit*>(w);
  if (!t) return;
  QStringList text;
  for (const auto& line : lines) text << Q(line);
  t->setPlainText(text.join('\n'));
  if (design && design->kind == Kind::Text_Panel && design->w == 0) {
    // A picture made of text: exactly as large as its lines.
    // Glyph advances are fractional: the width of a whole line, not a rounded glyph times the
    // columns, or a long line is cut off.
    QFontMetricsF fm(t->font());
    int columns = 0;
    for (const auto& line : lines) columns = std::max(columns, static_cast<int>(line.size()));
    int margin = 2 * (t->frameWidth() + static_cast<int>(t->document()->documentMargin())) + 4;
    t->resize(fm.horizontalAdvance(QString(columns, 'M')) + margin,
              static_cast<int>(lines.size()) * fm.lineSpacing() + margin);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }
}

void Form_Window::Control_Changed(const std::string& name, const proglink::Control_State& s,
                                  Field field) {
  if (name == "MainForm") {
    if (field == Field::Enabled) setEnabled(s.enabled);
    return;
  }
  QWidget* w = Control(name);
  if (!w) {
    qWarning("Form_Window: no control named %s", name.c_str());  // the design lacks it: a bug
    return;
  }
  switch (field) {
    case Field::Caption:
      if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(Q(s.caption));
      else if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(Q(s.caption));
      else if (auto* g = qobject_cast<QGroupBox*>(w))
        g->setTitle(Q(s.caption));
      else if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(Q(s.caption));
      break;
    case Field::Enabled:
      w->setEnabled(s.enabled);
      break;
    case Field::Visible:
      w->setVisible(s.visible);
      // What pops up comes to the front; panels that are simply shown again stay behind it.
      if (s.visible && designs_.at(name)->kind != proglink::Kind::Panel) w->raise();
      break;
    case Field::Checked:
      if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        QSignalBlocker block(b);
        b->setChecked(s.checked);
      }
      break;
    case Field::Colour:
      Set_Colour(w, s.colour);
      break;
    case Field::Height:
      w->resize(w->width(), s.height);
      break;
    case Field::Top:
      w->move(w->x(), s.top);
      break;
    case Field::Item_Index:
      if (auto* l = qobject_cast<QListWidget*>(w)) {
        QSignalBlocker block(l);
        l->setCurrentRow(s.item_index);
        if (s.item_index >= 0) l->scrollToItem(l->item(s.item_index));
      } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        auto radios = g->findChildren<QRadioButton*>();
        for (int i = 0; i < radios.size(); ++i) {
          QSignalBlocker block(radios[i]);
          radios[i]->setChecked(i == s.item_index);
        }
      }
      break;
    case Field::Lines:
      Set_Lines(w, designs_.at(name), s.lines);
      break;
    case Field::Focus:
      w->setFocus();
      break;
    case Field::Caret:
      if (auto* t = qobject_cast<QPlainTextEdit*>(w)) {
        QTextBlock block = t->document()->findBlockByNumber(s.caret_line);
        if (block.isValid()) {
          QTextCursor c(block);
          c.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor,
                         std::min(s.caret_column, block.length() - 1));
          t->setTextCursor(c);
        }
      }
      break;
  }
}

void Form_Window::Memo_Changed(const proglink::Message_Area& area, proglink::Memo_Event event,
                               const std::string&) {
  QWidget* w = Control(area.Name());
  if (!w) return;
  if (event == proglink::Memo_Event::Shown || event == proglink::Memo_Event::Hidden) {
    bool on = event == proglink::Memo_Event::Shown;
    w->setVisible(on);
    if (on) w->raise();
    if (!on) return;
  }
  dirty_memos_[area.Name()] = &area;
  if (!render_queued_) {
    // A busy run changes a message area thousands of times a second: draw it at most every
    // interval, the last change included.
    render_queued_ = true;
    int wait = std::max<int>(0, kRender_Interval_Ms - static_cast<int>(since_render_.elapsed()));
    QTimer::singleShot(wait, this, [this] { Render_Memos(); });
  }
}

void Form_Window::Render_Memos() {
  render_queued_ = false;
  since_render_.restart();
  for (auto& [name, area] : dirty_memos_) {
    auto* t = qobject_cast<QPlainTextEdit*>(Control(name));
    if (!t) continue;
    QString text;
    for (const auto& line : area->Lines()) {
      text += Q(line);
      text += '\n';
    }
    if (area->Omitted() > 0) text += QString("(%1 older lines left out)\n").arg(area->Omitted());
    text.chop(1);
    t->setPlainText(text);
  }
  dirty_memos_.clear();
}

void Form_Window::Show_Message(const std::string& text, proglink::Box kind,
                               proglink::Screen_Pos at) {
  if (Message_Hook) {
    Message_Hook(text, kind);
    return;
  }
  QMessageBox box(kind == proglink::Box::Error     ? QMessageBox::Critical
                  : kind == proglink::Box::Warning ? QMessageBox::Warning
                                                   : QMessageBox::Information,
                  windowTitle(), Q(text), QMessageBox::Ok, this);
  if (at.x >= 0) box.move(at.x, at.y);
  box.exec();
}

bool Form_Window::Ask_Yes_No(const std::string& text, proglink::Screen_Pos at) {
  if (Question_Hook) return Question_Hook(text);
  QMessageBox box(QMessageBox::Question, windowTitle(), Q(text), QMessageBox::Yes | QMessageBox::No,
                  this);
  if (at.x >= 0) box.move(at.x, at.y);
  return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> Form_Window::Choose_File(const proglink::File_Dialog& d) {
  if (File_Hook) return File_Hook(d);
  QFileDialog dialog(this);
  dialog.setAcceptMode(d.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(d.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  QStringList filters = Name_Filters(d.filter);
  dialog.setNameFilters(filters);
  if (d.filter_index >= 1 && d.filter_index <= filters.size())
    dialog.selectNameFilter(filters[d.filter_index - 1]);
  if (!d.default_ext.empty()) dialog.setDefaultSuffix(Q(d.default_ext).remove('.'));
  if (!d.file_name.empty()) dialog.selectFile(Q(d.file_name));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

void Form_Window::Pump_Messages() {
  if (!dirty_memos_.empty() && since_render_.elapsed() >= kRender_Interval_Ms) Render_Memos();
  QApplication::processEvents();
}

void Form_Window::Set_Timer(bool enabled, int interval_ms) {
  reply_timer_.setInterval(interval_ms);
  if (enabled)
    reply_timer_.start();
  else
    reply_timer_.stop();
}

void Form_Window::Close_Window() {
  close();
}

proglink::Window_Geometry Form_Window::Geometry() const {
  return {width(), height(), y(), x()};
}

void Form_Window::Set_Geometry(const proglink::Window_Geometry& g) {
  // A place from another screen is kept only as far as it leaves the window reachable.
  QRect screen = QApplication::primaryScreen() ? QApplication::primaryScreen()->availableGeometry()
                                               : QRect(0, 0, 1024, 768);
  int w = std::clamp(g.width, 200, std::max(200, screen.width()));
  int h = std::clamp(g.height, 150, std::max(150, screen.height()));
  int left = std::clamp(g.left, screen.left(), std::max(screen.left(), screen.right() - 100));
  int top = std::clamp(g.top, screen.top(), std::max(screen.top(), screen.bottom() - 100));
  resize(w, h);
  move(left, top);
}

bool Form_Window::eventFilter(QObject* watched, QEvent* event) {
  auto it = names_.find(watched);
  if (it == names_.end()) return QWidget::eventFilter(watched, event);
  const std::string& name = it->second;
  switch (event->type()) {
    case QEvent::KeyPress:
      if (On_Key && On_Key(name, static_cast<QKeyEvent*>(event))) return true;
      break;
    case QEvent::KeyRelease:
      if (On_Key_Up) On_Key_Up(name, static_cast<QKeyEvent*>(event));
      break;
    case QEvent::FocusIn:
      if (On_Focus_In) On_Focus_In(name);
      break;
    case QEvent::FocusOut:
      if (On_Focus_Out) On_Focus_Out(name);
      break;
    case QEvent::MouseButtonPress: {
      QWidget* w = Control(name);
      if (auto* t = qobject_cast<QPlainTextEdit*>(w); t && watched == t->viewport()) {
        if (On_Mouse) {
          QTextCursor c = t->cursorForPosition(static_cast<QMouseEvent*>(event)->pos());
          On_Mouse(name, c.blockNumber(), c.positionInBlock());
        }
        if (On_Click) On_Click(name);
      } else if (qobject_cast<QLabel*>(w) || qobject_cast<QFrame*>(w) ||
                 qobject_cast<QGroupBox*>(w)) {
        if (On_Click && !qobject_cast<QAbstractButton*>(w)) On_Click(name);
      }
      break;
    }
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void Form_Window::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (activated_) return;
  activated_ = true;
  QTimer::singleShot(0, this, [this] {
    if (On_Activate) On_Activate();
  });
}

void Form_Window::mousePressEvent(QMouseEvent* event) {
  // A press a child control let through is that control's, not the window's.
  if (On_Form_Click && !childAt(event->position().toPoint())) On_Form_Click();
  QWidget::mousePressEvent(event);
}

void Form_Window::closeEvent(QCloseEvent* event) {
  if (On_Close) On_Close();
  event->accept();
}

}  // namespace proglink
