#include "progsim/options.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace progsim {
namespace {

TEST(Options, VersionIdAndFaultsParse) {
  EXPECT_EQ(Parse_Version("3.61"), std::make_pair(3, 61));
  EXPECT_EQ(Parse_Version("3.5"), std::make_pair(3, 5));
  EXPECT_FALSE(Parse_Version("361"));
  EXPECT_FALSE(Parse_Version("3.x"));
  EXPECT_FALSE(Parse_Version("3.256"));
  EXPECT_EQ(Parse_Id("89,8C"), std::make_pair(uint8_t{0x89}, uint8_t{0x8C}));
  EXPECT_FALSE(Parse_Id("898C"));
  EXPECT_FALSE(Parse_Id("100,1"));

  std::string why;
  auto f = Parse_Faults("lose@5,silent@2,failblock@1,shortwrite@9", &why);
  ASSERT_TRUE(f) << why;
  ASSERT_EQ(f->size(), 4u);
  EXPECT_EQ((*f)[0].kind, Fault::Lose);
  EXPECT_EQ((*f)[0].n, 5u);
  EXPECT_EQ((*f)[3].kind, Fault::Short_Write);
  EXPECT_FALSE(Parse_Faults("melt@3", &why));
  EXPECT_NE(why.find("melt"), std::string::npos);
  EXPECT_FALSE(Parse_Faults("lose@0", &why));
  EXPECT_FALSE(Parse_Faults("lose", &why));
}

TEST(Options, EnvironmentSetsEachVariableAndReportsBadOnes) {
  ::setenv("KV9_SIM_FIRMWARE", "3.05", 1);
  ::setenv("KV9_SIM_ID", "1F,D5", 1);
  ::setenv("KV9_SIM_FAULT", "silent@4", 1);
  ::setenv("KV9_SIM_TRACE", "/tmp/t.txt", 1);
  std::vector<std::string> errors;
  Options o = Options::From_Environment(&errors);
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(o.fw_major, 3);
  EXPECT_EQ(o.fw_minor, 5);
  EXPECT_EQ(o.id, std::make_pair(uint8_t{0x1F}, uint8_t{0xD5}));
  ASSERT_EQ(o.faults.size(), 1u);
  EXPECT_EQ(o.trace_file, "/tmp/t.txt");

  ::setenv("KV9_SIM_FIRMWARE", "new", 1);
  ::setenv("KV9_SIM_FAULT", "boom@1", 1);
  errors.clear();
  o = Options::From_Environment(&errors);
  EXPECT_EQ(errors.size(), 2u);
  EXPECT_EQ(o.fw_minor, 61);  // the default stays
  EXPECT_TRUE(o.faults.empty());
  for (const char* v : {"KV9_SIM_FIRMWARE", "KV9_SIM_ID", "KV9_SIM_FAULT", "KV9_SIM_TRACE"})
    ::unsetenv(v);
}

}  // namespace
}  // namespace progsim
