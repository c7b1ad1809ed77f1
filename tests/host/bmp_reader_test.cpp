#include "host/bmp_reader.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <string>
#include <vector>

#include "host/device_pictures.h"

namespace {

using Bytes = std::vector<uint8_t>;

void put16(Bytes& b, size_t at, uint32_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void put32(Bytes& b, size_t at, uint32_t v) {
  for (int k = 0; k < 4; ++k) b[at + k] = static_cast<uint8_t>(v >> (8 * k));
}

// A 24-bit picture 3 x 2: top row red, green, blue; bottom row white, black, grey.
Bytes smallBitmap(bool topDown) {
  const uint32_t stride = 12;  // 9 bytes padded to 4
  Bytes b(54 + stride * 2, 0);
  b[0] = 'B';
  b[1] = 'M';
  put32(b, 2, static_cast<uint32_t>(b.size()));
  put32(b, 10, 54);
  put32(b, 14, 40);
  put32(b, 18, 3);
  put32(b, 22, topDown ? static_cast<uint32_t>(-2) : 2);
  put16(b, 26, 1);
  put16(b, 28, 24);
  const uint32_t top[3] = {0xFF0000, 0x00FF00, 0x0000FF};
  const uint32_t bottom[3] = {0xFFFFFF, 0x000000, 0x808080};
  for (int row = 0; row < 2; ++row) {
    const uint32_t* colours = (row == 0) == topDown ? top : bottom;
    for (int x = 0; x < 3; ++x) {
      const size_t at = 54 + row * stride + x * 3;
      b[at] = static_cast<uint8_t>(colours[x]);
      b[at + 1] = static_cast<uint8_t>(colours[x] >> 8);
      b[at + 2] = static_cast<uint8_t>(colours[x] >> 16);
    }
  }
  return b;
}

TEST(BmpReader, ReadsBottomUpAndTopDownRows) {
  for (bool topDown : {false, true}) {
    const Bytes file = smallBitmap(topDown);
    RgbImage image;
    std::string error;
    ASSERT_TRUE(BMP_Decode(file.data(), file.size(), &image, &error)) << error;
    ASSERT_EQ(image.width, 3);
    ASSERT_EQ(image.height, 2);
    EXPECT_EQ(image.at(0, 0), 0xFF0000u);
    EXPECT_EQ(image.at(2, 0), 0x0000FFu);
    EXPECT_EQ(image.at(2, 1), 0x808080u);
  }
}

TEST(BmpReader, RefusesMalformedFilesWithAReason) {
  struct Case {
    const char* what;
    void (*spoil)(Bytes&);
  };
  const Case cases[] = {
      {"cut short", [](Bytes& b) { b.resize(b.size() - 1); }},
      {"header only", [](Bytes& b) { b.resize(30); }},
      {"no signature", [](Bytes& b) { b[0] = 'X'; }},
      {"pixels beyond the end", [](Bytes& b) { put32(b, 10, 0xFFFFFFF0u); }},
      {"pixels inside the header", [](Bytes& b) { put32(b, 10, 20); }},
      {"zero width", [](Bytes& b) { put32(b, 18, 0); }},
      {"negative width", [](Bytes& b) { put32(b, 18, static_cast<uint32_t>(-3)); }},
      {"huge height", [](Bytes& b) { put32(b, 22, 0x7FFFFFFF); }},
      {"most negative height", [](Bytes& b) { put32(b, 22, 0x80000000u); }},
      {"16 bits per pixel", [](Bytes& b) { put16(b, 28, 16); }},
      {"run-length compressed", [](Bytes& b) { put32(b, 30, 1); }},
      {"two planes", [](Bytes& b) { put16(b, 26, 2); }},
      {"info header too small", [](Bytes& b) { put32(b, 14, 12); }},
      {"info header beyond the end", [](Bytes& b) { put32(b, 14, 0xFFFFFF00u); }},
      {"8 bits with a colour table past the pixels",
       [](Bytes& b) {
         put16(b, 28, 8);
         put32(b, 46, 256);
       }},
  };
  for (const Case& c : cases) {
    Bytes file = smallBitmap(false);
    c.spoil(file);
    RgbImage image;
    std::string error;
    EXPECT_FALSE(BMP_Decode(file.data(), file.size(), &image, &error)) << c.what;
    EXPECT_FALSE(error.empty()) << c.what;
  }
}

TEST(DevicePictureFiles, AMalformedDeviceBmpFallsBackToTheBuiltInPictureWithALogLine) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  {
    std::ofstream broken(QDir(dir.path()).filePath("Device.bmp").toStdString(), std::ios::binary);
    broken << "BM this is not a bitmap";
  }
  std::vector<std::string> lines;
  const DevicePictures pictures =
      HOST_LoadDevicePictures([&lines](const std::string& line) { lines.push_back(line); }, dir.path());
  const DevicePictures builtIn = HOST_BuiltInDevicePictures();
  EXPECT_EQ(pictures.device, builtIn.device);
  EXPECT_EQ(pictures.pressedKeys, builtIn.pressedKeys);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("Device.bmp"), std::string::npos);
  EXPECT_NE(lines[0].find("built-in"), std::string::npos);
}

TEST(DevicePictureFiles, AValidPairFromTheWorkingDirectoryIsUsed) {
  QTemporaryDir dir;
  const Bytes file = smallBitmap(false);
  for (const char* name : {"Device.bmp", "Device1.bmp"}) {
    std::ofstream out(QDir(dir.path()).filePath(name).toStdString(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  }
  std::vector<std::string> lines;
  const DevicePictures pictures =
      HOST_LoadDevicePictures([&lines](const std::string& line) { lines.push_back(line); }, dir.path());
  EXPECT_EQ(pictures.device.size(), QSize(3, 2));
  EXPECT_EQ(pictures.device.pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
  EXPECT_TRUE(lines.empty());
}

}  // namespace
