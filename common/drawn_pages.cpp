#include "common/drawn_pages.h"

namespace common {

Drawn_Pages::Drawn_Pages(std::span<const std::string_view> names, Draw draw) {
  for (std::string_view name : names) pages_.emplace(name, draw(name));
}

const std::vector<std::string>& Drawn_Pages::Lines(std::string_view name) const {
  static const std::vector<std::string> none;
  auto it = pages_.find(name);
  return it == pages_.end() ? none : it->second;
}

}  // namespace common
