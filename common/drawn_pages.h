// Text pages drawn once, on first use, and then looked up by name: the socket diagrams both
// programs show.
#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace common {

class Drawn_Pages {
 public:
  using Draw = std::vector<std::string> (*)(std::string_view name);

  // Draws every page of `names`; the names must outlive the pages.
  Drawn_Pages(std::span<const std::string_view> names, Draw draw);

  // The page's lines; none for a name that is no page.
  const std::vector<std::string>& Lines(std::string_view name) const;

 private:
  std::map<std::string_view, std::vector<std::string>> pages_;
};

}  // namespace common
