// Part names as people write them, run through a front end's device lookup.
#pragma once

#include <gtest/gtest.h>

#include <span>
#include <string_view>

#include "proglink/console/device_lookup.h"

namespace proglink {

// `code` 0: none taken; `note`: stderr names the device taken; `candidates`: how many are
// offered when none is taken.
struct Name_Case {
  const char* name;
  int code;
  bool note;
  size_t candidates;
};

inline void Expect_Names(std::span<const Name_Case> cases,
                         console::Device_Match (*find)(std::string_view name)) {
  for (const Name_Case& c : cases) {
    SCOPED_TRACE(c.name);
    const console::Device_Match m = find(c.name);
    EXPECT_EQ(m.code, c.code);
    EXPECT_EQ(!m.note.empty(), c.note) << m.note;
    EXPECT_EQ(m.candidates.size(), c.candidates);
    EXPECT_EQ(m.problem.empty(), c.code != 0);
  }
}

}  // namespace proglink
