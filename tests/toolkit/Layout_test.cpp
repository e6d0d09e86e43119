#include "toolkit/Layout.h"

#include <gtest/gtest.h>

namespace {

using toolkit::LayoutValue;
using toolkit::ParseLayout;

TEST(LayoutValue, ReadsTextNumbersAndBooleansAsAFormDesignerWritesThem) {
  EXPECT_EQ(LayoutValue("\"KV-3050P Setup\"").AsText(), "KV-3050P Setup");
  EXPECT_EQ(LayoutValue("\"say \"\"hi\"\"\"").AsText(), "say \"hi\"");
  EXPECT_EQ(LayoutValue("\"\"").AsText(), "");
  EXPECT_EQ(LayoutValue("res:SKIN").AsText(), "res:SKIN");
  EXPECT_EQ(LayoutValue("8450").AsInteger(), 8450);
  EXPECT_EQ(LayoutValue("-3").AsInteger(), -3);
  EXPECT_EQ(LayoutValue("&H00E0E0E0&").AsInteger(), 0xE0E0E0);
  EXPECT_EQ(LayoutValue("&H80000005&").AsInteger(), 0x80000005);
  EXPECT_EQ(LayoutValue("&HFF").AsInteger(), 0xFF);
  EXPECT_EQ(LayoutValue("True").AsInteger(), -1);
  EXPECT_EQ(LayoutValue("false").AsBool(), false);
  EXPECT_EQ(LayoutValue("0").AsBool(), false);
  EXPECT_FALSE(LayoutValue("12px").AsInteger().has_value());
  EXPECT_FALSE(LayoutValue("&H&").AsInteger().has_value());
  EXPECT_FALSE(LayoutValue("&HFFFFFFFFF&").AsInteger().has_value()) << "wider than 32 bits";
}

TEST(ParseLayout, NestsBlocksAndKeepsGroupsInTheirPlace) {
  const auto parsed = ParseLayout(
      "\xEF\xBB\xBF' comment\r\n"
      "Begin Form frmTest\r\n"
      "   Caption = \"A 'quoted' title\"  ' trailing comment\r\n"
      "   Begin ButtonEx btnOne\r\n"
      "      _extentx = 397\r\n"
      "      BeginProperty font\r\n"
      "         Name = \"Arial\"\r\n"
      "      EndProperty\r\n"
      "      picture = res:PIC\r\n"
      "   End\r\n"
      "End\r\n");
  ASSERT_TRUE(parsed.root) << parsed.error;
  const toolkit::LayoutNode& form = *parsed.root;
  EXPECT_EQ(form.kind, "Form");
  EXPECT_EQ(form.Text("caption"), "A 'quoted' title");
  const toolkit::LayoutNode* button = form.Child("BTNONE");
  ASSERT_NE(button, nullptr);
  ASSERT_EQ(button->properties.size(), 3u);
  EXPECT_EQ(button->properties[0].first, "_extentx");
  EXPECT_EQ(button->properties[1].first, "font");
  EXPECT_EQ(button->properties[2].first, "picture");
  ASSERT_NE(button->Group("Font"), nullptr);
  EXPECT_EQ(button->Group("Font")->Text("Name"), "Arial");
  EXPECT_EQ(button->Child("font"), nullptr) << "a group is not a control";
  EXPECT_EQ(button->Integer("missing", 42), 42);
}

TEST(ParseLayout, RefusesMalformedTextWithTheLine) {
  struct Case {
    const char* text;
    const char* error;
  };
  for (const Case& c : {
           Case{"", "no form in the layout"},
           Case{"Begin Form f\nEnd\nBegin Form g\nEnd\n", "line 3: text after the end"},
           Case{"Begin Form f\n", "block f from line 1 has no End"},
           Case{"End\n", "line 1: End without its Begin"},
           Case{"Begin Form f\nEndProperty\nEnd\n", "line 2: EndProperty without its Begin"},
           Case{"Begin Form f\nBeginProperty g\nEnd\n", "line 3: End without its Begin"},
           Case{"BeginProperty font\n", "line 1: a property group outside"},
           Case{"Begin Form\nEnd\n", "line 1: malformed Begin"},
           Case{"Begin Form f\nCaption \"x\"\nEnd\n", "line 2: expected Key = Value"},
           Case{"Caption = 1\n", "line 1: expected Key = Value"},
           Case{"Begin Form f\nCaption = \"open\nEnd\n", "line 2: unterminated text"},
           Case{"Begin Form f\nmy key = 1\nEnd\n", "line 2: bad property name"},
       }) {
    const auto parsed = ParseLayout(c.text);
    EXPECT_FALSE(parsed.root) << c.text;
    EXPECT_EQ(parsed.error.rfind(c.error, 0), 0u) << parsed.error;
  }
}

}  // namespace
