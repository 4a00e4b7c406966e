#include "proglink/message_area.h"

namespace proglink {

void Message_Area::Clear() {
  lines_.clear();
  omitted_ = 0;
  host_.Memo_Changed(*this, Memo_Event::Cleared, {});
}

void Message_Area::Insert(std::string line) {
  Push_Front(std::move(line), Memo_Event::Inserted);
}

void Message_Area::Insert_Log(std::string line) {
  Push_Front(std::move(line), Memo_Event::Logged);
}

void Message_Area::Push_Front(std::string line, Memo_Event event) {
  lines_.push_front(std::move(line));
  if (lines_.size() > capacity_) {
    lines_.pop_back();
    ++omitted_;
  }
  host_.Memo_Changed(*this, event, lines_.front());
}

void Message_Area::Add(std::string line) {
  lines_.push_back(std::move(line));
  if (lines_.size() > capacity_) {
    lines_.pop_front();
    ++omitted_;
  }
  host_.Memo_Changed(*this, Memo_Event::Added, lines_.back());
}

void Message_Area::Show(bool on) {
  visible_ = on;
  host_.Memo_Changed(*this, on ? Memo_Event::Shown : Memo_Event::Hidden, {});
}

}  // namespace proglink
