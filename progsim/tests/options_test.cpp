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
  EXPECT_FALSE(Parse_Id("89"));
  EXPECT_FALSE(Parse_Id("89,8C,"));
  EXPECT_EQ(Parse_Hex_Bytes("50,54,28,0", 4), (std::vector<uint8_t>{0x50, 0x54, 0x28, 0x00}));
  EXPECT_FALSE(Parse_Hex_Bytes("50,54,28", 4));
  EXPECT_FALSE(Parse_Hex_Bytes("50,54,28,28,28", 4));
  EXPECT_EQ(Parse_Id_Methods("6"), 6);
  EXPECT_FALSE(Parse_Id_Methods("0"));
  EXPECT_FALSE(Parse_Id_Methods("32"));

  std::string why;
  auto f = Parse_Faults("lose@5,silent@2,failblock@1,shortwrite@9,failerase@2", &why);
  ASSERT_TRUE(f) << why;
  ASSERT_EQ(f->size(), 5u);
  EXPECT_EQ((*f)[0].kind, Fault::Lose);
  EXPECT_EQ((*f)[0].n, 5u);
  EXPECT_EQ((*f)[3].kind, Fault::Short_Write);
  EXPECT_EQ((*f)[4].kind, Fault::Fail_Erase);
  EXPECT_EQ((*f)[4].n, 2u);
  EXPECT_FALSE(Parse_Faults("melt@3", &why));
  EXPECT_NE(why.find("melt"), std::string::npos);
  EXPECT_FALSE(Parse_Faults("lose@0", &why));
  EXPECT_FALSE(Parse_Faults("lose", &why));
}

TEST(Options, EnvironmentSetsEachVariableAndReportsBadOnes) {
  ::setenv("KV9_SIM_FIRMWARE", "3.05", 1);
  ::setenv("KV9_SIM_ID", "1F,D5@4", 1);
  ::setenv("KV9_SIM_ADAPTER", "50,54,28,28", 1);
  ::setenv("KV9_SIM_FAULT", "silent@4", 1);
  ::setenv("KV9_SIM_TRACE", "/tmp/t.txt", 1);
  std::vector<std::string> errors;
  Options o = Options::From_Environment(&errors);
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(o.fw_major, 3);
  EXPECT_EQ(o.fw_minor, 5);
  EXPECT_EQ(o.id, std::make_pair(uint8_t{0x1F}, uint8_t{0xD5}));
  EXPECT_EQ(o.id_methods, 4);
  EXPECT_EQ(o.adapter, (std::array<uint8_t, 4>{'P', 'T', 0x28, 0x28}));
  ASSERT_EQ(o.faults.size(), 1u);
  EXPECT_EQ(o.trace_file, "/tmp/t.txt");

  ::setenv("KV9_SIM_FIRMWARE", "new", 1);
  ::setenv("KV9_SIM_FAULT", "boom@1", 1);
  ::setenv("KV9_SIM_ID", "1F,D5@0", 1);
  ::setenv("KV9_SIM_ADAPTER", "50,54", 1);
  errors.clear();
  o = Options::From_Environment(&errors);
  EXPECT_EQ(errors.size(), 4u);
  EXPECT_EQ(o.fw_minor, 61);  // the default stays
  EXPECT_TRUE(o.faults.empty());
  EXPECT_FALSE(o.id);
  EXPECT_EQ(o.id_methods, kAllIdMethods);
  EXPECT_EQ(o.adapter, (std::array<uint8_t, 4>{'B', 'G', 0x01, 0x00}));
  for (const char* v :
       {"KV9_SIM_FIRMWARE", "KV9_SIM_ID", "KV9_SIM_ADAPTER", "KV9_SIM_FAULT", "KV9_SIM_TRACE"})
    ::unsetenv(v);
}

}  // namespace
}  // namespace progsim
