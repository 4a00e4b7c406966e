// Checks the diagram tests of both programs make of a drawn panel.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/tests/socket_reader.h"

namespace common::testing {

inline bool Has_Line_With(const std::vector<std::string>& lines, const std::string& text) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& l) { return l.find(text) != std::string::npos; });
}

// No more lines than the page holds, each within its width and of printable ASCII.
inline void Expect_Within_Page(const std::vector<std::string>& lines, int width, int height) {
  EXPECT_LE(static_cast<int>(lines.size()), height);
  for (const std::string& line : lines) {
    EXPECT_LE(static_cast<int>(line.size()), width) << line;
    for (char c : line) EXPECT_TRUE(c >= ' ' && c <= '~') << line;
  }
}

// A part in rows `first` to `last` of `zif`: the pin-1 arrow beside the row of its pin 1, and
// the notch of its outline at that end.
inline void Expect_Pin1_End(const std::vector<std::string>& lines, const Drawn_Socket& zif,
                            int first, int last, bool pin1_bottom_right) {
  const int pin1_row = pin1_bottom_right ? last : first;
  const std::string& pin1_line = lines[zif.Row(pin1_row).line];
  if (pin1_bottom_right) {
    EXPECT_EQ(pin1_line.find("<-Pin 1"), static_cast<size_t>(zif.column + 26));
    EXPECT_NE(zif.Row(last).body.find("/ \\"), std::string::npos);
  } else {
    EXPECT_EQ(pin1_line.find("Pin 1->"), static_cast<size_t>(zif.column - 8));
    EXPECT_NE(zif.Row(first).body.find("\\_/"), std::string::npos);
  }
}

}  // namespace common::testing
