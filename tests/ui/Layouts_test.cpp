// The shipped layouts against the assets: every picture a layout names is a
// resource of the program, and each skinned button gets the pictures the
// asset table assigns to it.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include "toolkit/Layout.h"
#include "ui/Assets.h"

namespace {

toolkit::LayoutNode Shipped(const std::string& file) {
  std::ifstream in(std::string(KV_SOURCE_DIR "/src/ui/") + file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  auto parsed = toolkit::ParseLayout(text.str());
  if (!parsed.root) ADD_FAILURE() << file << ": " << parsed.error;
  return parsed.root.value_or(toolkit::LayoutNode{});
}

void ExpectResourcesExist(const toolkit::LayoutNode& node) {
  for (const auto& [key, value] : node.properties) {
    const std::string& raw = value.Raw();
    if (raw.rfind("res:", 0) != 0) continue;
    const std::string name = raw.substr(4);
    const bool known = std::any_of(ui::assets::kAll.begin(), ui::assets::kAll.end(),
                                   [&](const auto& asset) { return name == asset.resource; });
    EXPECT_TRUE(known) << node.name << "." << key << " names the unknown resource " << name;
  }
  for (const toolkit::LayoutNode& child : node.children) ExpectResourcesExist(child);
}

TEST(ShippedLayouts, NameOnlyResourcesTheProgramHas) {
  ExpectResourcesExist(Shipped("frmMain.layout"));
  ExpectResourcesExist(Shipped("frmMenu.layout"));
}

TEST(ShippedLayouts, GiveEachSkinnedButtonItsStatePictures) {
  const toolkit::LayoutNode form = Shipped("frmMain.layout");
  for (const auto& pictures : ui::assets::kButtonPictures) {
    const toolkit::LayoutNode* button = form.Child(pictures.button);
    ASSERT_NE(button, nullptr) << pictures.button;
    EXPECT_EQ(button->kind, "ButtonEx");
    for (const auto& [key, asset] : {std::pair{"picture", pictures.picture},
                                     {"pictureover", pictures.over},
                                     {"picturedown", pictures.down},
                                     {"picturefocus", pictures.focus}}) {
      EXPECT_EQ(button->Text(key), std::string("res:") + asset.resource)
          << pictures.button << "." << key;
    }
    // The control's pixel size: its twips over 15.
    EXPECT_LE(std::abs(button->Integer("Width", 0) / 15 - (pictures.width - 1)), 1)
        << pictures.button;
  }
}

}  // namespace
