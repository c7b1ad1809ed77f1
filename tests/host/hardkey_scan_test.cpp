#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/device_pictures.h"
#include "host/hardkey_table.h"

namespace {

constexpr uint32_t kGreen = 0x00FF00;

struct Rect {
  int x0, x1, y0, y1;  // x1 one past the last column, y1 the last row
};

RgbImage greenPicture(int width, int height) {
  return {width, height,
          std::vector<uint32_t>(static_cast<size_t>(width) * static_cast<size_t>(height), kGreen)};
}

void paint(RgbImage& image, int x0, int y0, int x1, int y1, uint32_t colour = 0x202020) {
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) image.pixels[static_cast<size_t>(y) * image.width + x] = colour;
}

TEST(HardkeyScan, BuiltInPicturesGiveTheEightFrontKeys) {
  const DevicePictures pictures = HOST_BuiltInDevicePictures();
  ASSERT_EQ(pictures.device.size(), QSize(450, 311));
  ASSERT_EQ(pictures.pressedKeys.size(), QSize(450, 311));
  std::vector<std::string> errors;
  HardkeyTable table([&errors](const std::string& e) { errors.push_back(e); });
  table.scan(HOST_ToRgbImage(pictures.pressedKeys), kGreen);

  // back, up, left, OK, right, down, help, menu
  const Rect expected[] = {{335, 405, 32, 59},   {347, 388, 65, 83},  {319, 343, 90, 134},
                           {346, 392, 90, 134},  {395, 421, 90, 134}, {346, 392, 138, 160},
                           {332, 405, 164, 195}, {332, 405, 202, 229}};
  ASSERT_EQ(table.count(), 8);
  EXPECT_TRUE(errors.empty());
  for (int n = 0; n < 8; ++n) {
    const HardkeyRecord& key = table.record(n);
    EXPECT_EQ(key.x0, expected[n].x0) << "hardkey " << n;
    EXPECT_EQ(key.x1, expected[n].x1) << "hardkey " << n;
    EXPECT_EQ(key.y0, expected[n].y0) << "hardkey " << n;
    EXPECT_EQ(key.y1, expected[n].y1) << "hardkey " << n;
    EXPECT_TRUE(key.hasWindow());
  }
}

TEST(HardkeyScan, BuiltInDevicePictureShowsTheKeysWhereTheyAreFound) {
  // The key windows copy the device picture under each key: it must not be
  // the transparent colour there, or the key would look like a hole.
  const DevicePictures pictures = HOST_BuiltInDevicePictures();
  HardkeyTable table;
  table.scan(HOST_ToRgbImage(pictures.pressedKeys), kGreen);
  const RgbImage device = HOST_ToRgbImage(pictures.device);
  for (int n = 0; n < table.count(); ++n) {
    const HardkeyRecord& key = table.record(n);
    const int cx = (key.x0 + key.x1) / 2;
    const int cy = (key.y0 + key.y1) / 2;
    EXPECT_NE(device.at(cx, cy), kGreen) << "hardkey " << n;
  }
  EXPECT_NE(device.at(45 + 120, 30 + 80), kGreen) << "the LCD area";
}

TEST(HardkeyScan, MoreThan128KeysReportEachRunOfTheExtraKeyAndKeep128) {
  // 129 keys of 2 x 3 pixels in one row, 3 apart.
  RgbImage picture = greenPicture(129 * 4, 4);
  for (int k = 0; k < 129; ++k) paint(picture, k * 4, 0, k * 4 + 1, 2);
  std::vector<std::string> errors;
  HardkeyTable table([&errors](const std::string& e) { errors.push_back(e); });
  table.scan(picture, kGreen);
  EXPECT_EQ(table.count(), 128);
  ASSERT_EQ(errors.size(), 3u);  // one per row of the 129th key
  EXPECT_EQ(errors[0], "_AddHardkeyRegion: - Too many hardkeys defined in bitmap");
  EXPECT_EQ(table.record(127).x0, 127 * 4);
  EXPECT_EQ(table.record(127).y1, 2);
}

TEST(HardkeyScan, ShapesMergeByTouchingRowsAndThinKeysGetNoWindow) {
  RgbImage picture = greenPicture(40, 20);
  paint(picture, 2, 2, 5, 4);                // key A
  paint(picture, 6, 5, 8, 7);                // touches A diagonally in the next row: same key
  paint(picture, 20, 2, 30, 2);              // one row high
  paint(picture, 12, 10, 14, 12);            // separate key, starts lower
  paint(picture, 15, 10, 16, 10, 0x00FF01);  // colour differs from green in one bit: a key pixel
  HardkeyTable table;
  table.scan(picture, kGreen);
  ASSERT_EQ(table.count(), 3);
  const HardkeyRecord& merged = table.record(0);
  EXPECT_EQ((Rect{merged.x0, merged.x1, merged.y0, merged.y1}.x1), 9);
  EXPECT_EQ(merged.y1, 7);
  EXPECT_TRUE(merged.hasWindow());
  EXPECT_EQ(table.record(1).x0, 20);
  EXPECT_FALSE(table.record(1).hasWindow());
  EXPECT_EQ(table.record(2).x0, 12);
  EXPECT_EQ(table.record(2).x1, 17);
}

TEST(HardkeyTable, PressAndReleaseReachTheCallbackAndTogglesKeepTheirState) {
  HardkeyTable table;
  table.addRegion(0, 1, 3);
  std::vector<std::pair<int, bool>> calls;
  table.setCallback(0, [&calls](int n, bool pressed) { calls.emplace_back(n, pressed); });
  table.press(0);
  EXPECT_EQ(table.state(0), 1);
  table.release(0);
  EXPECT_EQ(table.state(0), 0);
  EXPECT_EQ(table.setToggle(0, 1), 0);
  table.press(0);
  table.release(0);
  EXPECT_EQ(table.state(0), 1) << "a toggle key stays down after release";
  table.press(0);
  EXPECT_EQ(table.state(0), 0);
  const std::vector<std::pair<int, bool>> expected = {
      {0, true}, {0, false}, {0, true}, {0, true}, {0, false}};
  EXPECT_EQ(calls, expected);
  // Numbers beyond the table are ignored.
  EXPECT_EQ(table.state(128), 0);
  EXPECT_EQ(table.setToggle(200, 1), 0);
  table.press(128);
}

}  // namespace
