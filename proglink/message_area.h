// A message area of the window (Memo1, Memo2): lines the logic inserts at the top or adds at the
// bottom. It keeps at most `capacity` lines, dropping the oldest, and counts what it dropped, so
// that a run listing millions of mismatches neither grows without bound nor freezes the window.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "proglink/host.h"

namespace proglink {

class Message_Area {
 public:
  static constexpr size_t kCapacity = 5000;

  Message_Area(std::string name, Host& host, size_t capacity = kCapacity)
      : name_(std::move(name)), host_(host), capacity_(capacity) {}

  const std::string& Name() const { return name_; }
  const std::deque<std::string>& Lines() const { return lines_; }  // top line first
  uint64_t Omitted() const { return omitted_; }
  bool Visible() const { return visible_; }

  void Clear();
  void Insert(std::string line);      // as the first line
  void Insert_Log(std::string line);  // as the first line, a line of the link's log
  void Add(std::string line);         // as the last line
  void Show(bool on);

 private:
  void Push_Front(std::string line, Memo_Event event);

  std::string name_;
  Host& host_;
  size_t capacity_;
  std::deque<std::string> lines_;
  uint64_t omitted_ = 0;
  bool visible_ = false;
};

}  // namespace proglink
