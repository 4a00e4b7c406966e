// The configuration word through the fuse editor: --fuse before programming, and the fuse
// command's decoding.
#include "mcu9_fixture.h"

namespace picprog::cli {
namespace {

using progsim::Pic_Chip;

class Mcu9FuseTest : public Mcu9Test {};

TEST_F(Mcu9FuseTest, FuseWordIsProgrammedFromTheEditor) {
  Plug("12C508/A");
  Write_Words("image.bin", Words(0x0FFF, 0x1FE, 0x0FFF));
  ASSERT_EQ(Run({"-d", "12C508/A", "--fuse", "1d", "program", "image.bin"}), 0) << err.str();
  EXPECT_EQ(out.str(), "Device is Programmed...\nDevice Verified to Buffer...\n");
  EXPECT_EQ(Chip().Word(Pic_Chip::kConfig12), 0x001D);
  const auto blocks = Sent_With(0x30);
  ASSERT_FALSE(blocks.empty());
  EXPECT_EQ(Data_Word(blocks.back(), 0), 0x001D);  // the last packet: the configuration word
  ASSERT_EQ(Run({"-d", "12C508/A", "--fuse", "001D", "verify", "image.bin"}), 0);

  // Into a file: the word at 0x2107.
  ASSERT_EQ(Run({"-d", "16F628", "--fuse", "3F62", "convert", "image.bin", "fused.hex"}), 0);
  ASSERT_EQ(Run({"-d", "16F628", "convert", "fused.hex", "fused.bin"}), 0);
  EXPECT_EQ(Read_Words("fused.bin")[kConfig_Word], 0x3F62);
}

TEST_F(Mcu9FuseTest, AWordTheEditorCannotRepresentIsAUsageError) {
  Plug("12C508/A");
  Write_Words("image.bin", Words(0x0FFF, 0x1FE, 0x0FFF));
  EXPECT_EQ(Run({"-d", "12C508/A", "--fuse", "0FFF", "program", "image.bin"}), 2);
  EXPECT_EQ(err.str().rfind("mcu9: --fuse: the 12C508/A's fuse editor cannot represent 0FFF: its "
                            "settings for it give 001F (bits 0FE0 differ)\nmcu9 --help shows",
                            0),
            0u);
  EXPECT_TRUE(sim->Sent().empty());

  // A part whose programming leaves the configuration word alone cannot take one.
  Write_Words("big.bin", Words(0x3FFF, 0x1FFF, 0x3FFF));
  EXPECT_EQ(Run({"-d", "16F877A", "--fuse", "3F72", "program", "big.bin"}), 2);
  EXPECT_EQ(err.str().rfind("mcu9: --fuse: programming the 16F877A does not write its "
                            "configuration word\n",
                            0),
            0u);
  EXPECT_TRUE(sim->Sent().empty());
}

TEST_F(Mcu9FuseTest, FuseDecodesAWordIntoTheEditorsSettings) {
  ASSERT_EQ(Run({"-d", "12C508/A", "fuse", "001D"}), 0);
  EXPECT_EQ(out.str(),
            "Code Protect On: unchecked\n"
            "Watch Dog Timer On: checked\n"
            "MCLR Internal: unchecked\n"
            "Osc Selection: Xtal\n"
            "Fuse = 001D\n");

  ASSERT_EQ(Run({"-d", "16F628", "fuse", "3FFF"}), 0);
  EXPECT_EQ(out.str(),
            "Code Protect On: unchecked\n"
            "Watch Dog Timer On: checked\n"
            "Power Up Timer On: unchecked\n"
            "Brown Out Det. On: checked\n"
            "MCLR Internal: unchecked\n"
            "Lo Volt Progam On: checked\n"
            "Code Protect EE On: unchecked\n"
            "Osc Selection: Ext R Clk Out\n"
            "Fuse = 3FFF\n");

  // The brown-out voltage, disabled while brown-out detection is off.
  ASSERT_EQ(Run({"-d", "16C717", "fuse", "3FBC"}), 0);
  EXPECT_EQ(Out_Lines()[Out_Lines().size() - 3], "Osc Selection: Int RC I/O");
  EXPECT_EQ(Out_Lines()[Out_Lines().size() - 2], "Brown Out Reset: 2.5 Volts (disabled)");
  EXPECT_EQ(Out_Lines().back(), "Fuse = 3FBC");
  EXPECT_TRUE(sim->Sent().empty());
}

TEST_F(Mcu9FuseTest, CodeProtectionShowsOnWhenAnyCodeProtectBitIsClear) {
  // 16F628A: bit 13 alone protects the code; its unused bits stay 1.
  EXPECT_EQ(Run({"-d", "16F628A", "fuse", "1FFF"}), 0) << err.str();
  EXPECT_EQ(Out_Lines().front(), "Code Protect On: checked");
  EXPECT_EQ(Out_Lines().back(), "Fuse = 1FFF");
  Run({"-d", "16F628A", "fuse", "3BFF"});  // bit 10 clear: unused there
  EXPECT_EQ(Out_Lines().front(), "Code Protect On: unchecked");

  // 16F628: three quarters protected, which the editor cannot write.
  EXPECT_EQ(Run({"-d", "16F628", "fuse", "17FF"}), 2);
  EXPECT_EQ(Out_Lines().front(), "Code Protect On: checked");
  EXPECT_EQ(err.str(),
            "mcu9: the 16F628's fuse editor cannot represent 17FF: its settings for it give 03FF "
            "(bits 1400 differ; partial code protection has no choice there)\n");
}

TEST_F(Mcu9FuseTest, FuseSaysWhyAWordDoesNotComeBack) {
  // 011 is no oscillator of the 12C671: the radio of the blank word stays checked.
  EXPECT_EQ(Run({"-d", "12C671", "fuse", "3FFB"}), 2);
  EXPECT_EQ(Out_Lines().back(), "Fuse = 3FFF");
  EXPECT_EQ(err.str(),
            "mcu9: the 12C671's fuse editor cannot represent 3FFB: its settings for it give 3FFF "
            "(bits 0004 differ; the oscillator value 011 has no choice there)\n");
}

}  // namespace
}  // namespace picprog::cli
