#include "proglink/message_area.h"

#include <gtest/gtest.h>

#include "proglink/testing/recording_host.h"

namespace proglink {
namespace {

TEST(MessageArea, InsertGoesOnTopAddGoesBelow) {
  Recording_Host host;
  Message_Area m("Memo1", host);
  m.Insert("b");
  m.Insert("a");
  m.Add("c");
  EXPECT_EQ(m.Lines(), (std::deque<std::string>{"a", "b", "c"}));
  m.Clear();
  EXPECT_TRUE(m.Lines().empty());
}

TEST(MessageArea, KeepsTheNewestLinesAndCountsTheRest) {
  Recording_Host host;
  Message_Area m("Memo1", host, 3);
  for (int i = 0; i < 10; ++i) m.Insert(std::to_string(i));
  EXPECT_EQ(m.Lines(), (std::deque<std::string>{"9", "8", "7"}));
  EXPECT_EQ(m.Omitted(), 7u);
  m.Clear();
  EXPECT_EQ(m.Omitted(), 0u);
}

}  // namespace
}  // namespace proglink
