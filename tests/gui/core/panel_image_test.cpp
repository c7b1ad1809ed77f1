#include "sim/panel_image.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/panel_memory.h"

namespace {

namespace fs = std::filesystem;
using panel_image::Image;

class PanelImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("kalvero_panel_image_" +
           std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    panel.darkShade = 0x000000;
    panel.lightShade = 0xCECECE;
    panel.pixels[0][1] = 1;
    panel.pixels[159][239] = 7;
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string path(const char* name) const { return (dir / name).string(); }

  fs::path dir;
  PanelMemory panel;
};

TEST_F(PanelImageTest, RenderUsesTheTwoShadesAndZooms) {
  const Image one = panel_image::render(panel);
  EXPECT_EQ(one.width, 240);
  EXPECT_EQ(one.pixel(0, 0), 0x000000u);
  EXPECT_EQ(one.pixel(1, 0), 0xCECECEu);
  EXPECT_EQ(one.pixel(239, 159), 0xCECECEu);
  const Image three = panel_image::render(panel, 3);
  EXPECT_EQ(three.height, 480);
  EXPECT_EQ(three.pixel(3, 2), 0xCECECEu);
  EXPECT_EQ(three.pixel(6, 0), 0x000000u);
  EXPECT_EQ(panel_image::render(panel, 40).width, 240 * 8);
  EXPECT_EQ(panel_image::render(panel, 0).width, 240);
}

TEST_F(PanelImageTest, SavedPictureLoadsBackIdentical) {
  const Image shot = panel_image::render(panel, 2);
  ASSERT_EQ(panel_image::savePng(shot, path("shot.png")), "");
  const auto loaded = panel_image::loadPng(path("shot.png"), 480, 320);
  ASSERT_TRUE(loaded.image) << loaded.error;
  EXPECT_EQ(*loaded.image, shot);
  EXPECT_EQ(panel_image::compareWithPng(path("shot.png"), shot).differing, 0);
}

TEST_F(PanelImageTest, ComparisonCountsAndMarksDifferingPixels) {
  const Image expected = panel_image::render(panel);
  ASSERT_EQ(panel_image::savePng(expected, path("expected.png")), "");
  panel.pixels[10][20] = 1;
  panel.pixels[0][1] = 0;
  const Image actual = panel_image::render(panel);
  const auto result = panel_image::compareWithPng(path("expected.png"), actual, path("diff.png"));
  EXPECT_EQ(result.differing, 2);
  const auto diff = panel_image::loadPng(path("diff.png"));
  ASSERT_TRUE(diff.image) << diff.error;
  EXPECT_EQ(diff.image->pixel(20, 10), 0xFF0000u);
  EXPECT_EQ(diff.image->pixel(1, 0), 0xFF0000u);
  EXPECT_NE(diff.image->pixel(239, 159), 0xFF0000u);
  EXPECT_EQ(panel_image::compare(expected, panel_image::render(panel, 2), nullptr), -1);
}

TEST_F(PanelImageTest, BadFilesGiveReasonsInsteadOfPictures) {
  std::ofstream(path("garbage.png")) << "not a picture at all";
  const Image small(10, 10);
  ASSERT_EQ(panel_image::savePng(small, path("small.png")), "");
  std::string truncated;
  {
    std::ifstream in(path("small.png"), std::ios::binary);
    truncated.assign(std::istreambuf_iterator<char>(in), {});
  }
  std::ofstream(path("cut.png"), std::ios::binary) << truncated.substr(0, truncated.size() / 2);

  struct Case {
    const char* file;
    const char* reason;
  };
  for (const Case& c : {Case{"missing.png", "no such picture"}, Case{"garbage.png", "not a readable PNG"},
                        Case{"cut.png", "PNG"}, Case{"small.png", "expected 240x160"}}) {
    const auto loaded = panel_image::loadPng(path(c.file), 240, 160);
    EXPECT_FALSE(loaded.image) << c.file;
    EXPECT_NE(loaded.error.find(c.reason), std::string::npos) << loaded.error;
    const auto compared = panel_image::compareWithPng(path(c.file), panel_image::render(panel));
    EXPECT_EQ(compared.differing, -1);
    EXPECT_FALSE(compared.error.empty());
  }
  EXPECT_NE(panel_image::savePng(small, path("no/such/dir/x.png")), "");
}

}  // namespace
