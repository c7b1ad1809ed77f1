// The generated pictures must be what their names promise: the menus place
// them by the size in the name, and the drawing core reads bytesPerLine and
// the palette to decide how to draw them.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "menus/pictures/pictures.h"

namespace {

struct NamedSize {
  int width;
  int height;
};

// "PIC_Heizung45" -> 45 x 45, "SYM_Brenner28x22" -> 28 x 22, "SYM_Phase1_18" -> 18 x 18.
bool sizeFromName(const std::string& name, NamedSize& size) {
  const auto trailingNumber = [&name](size_t end, size_t& begin) {
    begin = end;
    while (begin > 0 && std::isdigit(static_cast<unsigned char>(name[begin - 1]))) --begin;
    return begin < end ? std::stoi(name.substr(begin, end - begin)) : -1;
  };
  size_t begin = 0;
  const int last = trailingNumber(name.size(), begin);
  if (last < 0 || begin == 0) return false;
  size_t widthBegin = 0;
  const int width = name[begin - 1] == 'x' ? trailingNumber(begin - 1, widthBegin) : -1;
  if (width > 0 && widthBegin > 0 &&
      (std::isalpha(static_cast<unsigned char>(name[widthBegin - 1])) || name[widthBegin - 1] == '_')) {
    size = {width, last};
  } else {
    if (!std::isalpha(static_cast<unsigned char>(name[begin - 1])) && name[begin - 1] != '_') return false;
    size = {last, last};
  }
  return true;
}

bool inkAt(const GUI_Bitmap& bitmap, int x, int y) {
  return (bitmap.data[y * bitmap.bytesPerLine + x / 8] >> (7 - x % 8)) & 1;
}

TEST(GeneratedPictures, SizeAndFormatMatchTheName) {
  for (const PictureInfo& info : kPictureCatalogue) {
    SCOPED_TRACE(info.name);
    const GUI_Bitmap& bitmap = *info.bitmap;
    NamedSize named{};
    ASSERT_TRUE(sizeFromName(info.name, named)) << "name carries no size";
    EXPECT_EQ(bitmap.width, named.width);
    EXPECT_EQ(bitmap.height, named.height);
    EXPECT_EQ(bitmap.bitsPerPixel, 1);
    EXPECT_EQ(bitmap.bytesPerLine, (bitmap.width + 7) / 8);
    ASSERT_NE(bitmap.palette, nullptr);
    EXPECT_EQ(bitmap.palette->numEntries, 2);
    EXPECT_EQ(bitmap.palette->hasTransparency, 0) << "would be drawn transparently";
    EXPECT_EQ(bitmap.palette->entries, nullptr) << "must take the context's colours";
    EXPECT_EQ(bitmap.method, nullptr);
    ASSERT_NE(bitmap.data, nullptr);
  }
}

TEST(GeneratedPictures, HaveInkAndCleanRowPadding) {
  for (const PictureInfo& info : kPictureCatalogue) {
    SCOPED_TRACE(info.name);
    const GUI_Bitmap& bitmap = *info.bitmap;
    bool anyInk = false;
    for (int y = 0; y < bitmap.height; ++y) {
      for (int x = 0; x < bitmap.width; ++x) anyInk |= inkAt(bitmap, x, y);
      // Padding bits are never drawn, but set ones mean the rows were packed shifted.
      for (int x = bitmap.width; x < bitmap.bytesPerLine * 8; ++x)
        EXPECT_FALSE(inkAt(bitmap, x, y)) << "row " << y;
    }
    EXPECT_TRUE(anyInk);
  }
}

}  // namespace
