// kalvero-picturesheet: draws every menu picture, straight from the generated
// bitmap data, into a PNG contact sheet for review.
//   kalvero-picturesheet <output.png>
// Each picture is shown three times enlarged in the display's own look (light
// ink on the dark panel), with its name and an actual-size copy below it.
#include <algorithm>
#include <cstdint>
#include <exception>
#include <iostream>
#include <string>

#include "gui/core/gui_font.h"
#include "menus/pictures/pictures.h"
#include "png_image.h"

namespace {

using fontgen::PngImage;

constexpr uint8_t kPaper = 0;
constexpr uint8_t kText = 1;
constexpr uint8_t kPanel = 2;
constexpr uint8_t kLit = 3;
constexpr std::array<fontgen::Rgb, PngImage::kColours> kPalette = {
    {{0xE4, 0xE4, 0xE0}, {0x20, 0x20, 0x20}, {0x14, 0x1C, 0x2C}, {0xE8, 0xF0, 0xFF}}};

constexpr int kZoom = 3;
constexpr int kSheetWidth = 1100;
constexpr int kMargin = 12;
constexpr int kGap = 14;
constexpr int kBorder = 3;  // panel colour round each enlarged picture

bool pixelOf(const GUI_Bitmap& bitmap, int x, int y) {
  return (bitmap.data[y * bitmap.bytesPerLine + x / 8] >> (7 - x % 8)) & 1;
}

const GUI_GlyphInfo* findGlyph(const GUI_Font& font, uint16_t code) {
  for (const GUI_CharRange* range = font.firstRange; range; range = range->next)
    if (code >= range->first && code <= range->last) return &range->glyphs[code - range->first];
  return nullptr;
}

int textWidth(const std::string& text) {
  int width = 0;
  for (char c : text)
    if (const GUI_GlyphInfo* glyph = findGlyph(FontSmall, static_cast<uint8_t>(c))) width += glyph->advance;
  return width;
}

void drawText(PngImage& image, const std::string& text, int x, int y) {
  for (char c : text) {
    const GUI_GlyphInfo* glyph = findGlyph(FontSmall, static_cast<uint8_t>(c));
    if (!glyph) continue;
    for (int row = 0; row < FontSmall.height; ++row)
      for (int col = 0; col < glyph->width; ++col)
        if ((glyph->bitmap[row * glyph->bytesPerRow + col / 8] >> (7 - col % 8)) & 1)
          image.fill(x + col, y + row, 1, 1, kText);
    x += glyph->advance;
  }
}

void drawBitmap(PngImage& image, const GUI_Bitmap& bitmap, int x, int y, int zoom, int border) {
  image.fill(x, y, bitmap.width * zoom + 2 * border, bitmap.height * zoom + 2 * border, kPanel);
  for (int row = 0; row < bitmap.height; ++row)
    for (int col = 0; col < bitmap.width; ++col)
      if (pixelOf(bitmap, col, row))
        image.fill(x + border + col * zoom, y + border + row * zoom, zoom, zoom, kLit);
}

struct Cell {
  int width;
  int height;
};

Cell cellOf(const PictureInfo& info) {
  const GUI_Bitmap& bitmap = *info.bitmap;
  const int art = std::max(bitmap.width * kZoom + 2 * kBorder, textWidth(info.name));
  return {art, bitmap.height * kZoom + 2 * kBorder + 4 + FontSmall.height + 4 + bitmap.height + 2};
}

void drawCell(PngImage& image, const PictureInfo& info, int x, int y) {
  const GUI_Bitmap& bitmap = *info.bitmap;
  drawBitmap(image, bitmap, x, y, kZoom, kBorder);
  const int textY = y + bitmap.height * kZoom + 2 * kBorder + 4;
  drawText(image, info.name, x, textY);
  drawBitmap(image, bitmap, x, textY + FontSmall.height + 4, 1, 1);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: kalvero-picturesheet <output.png>\n";
    return 2;
  }
  try {
    PngImage image(kSheetWidth, 4000, kPalette);
    int x = kMargin, y = kMargin, rowHeight = 0;
    for (const PictureInfo& info : kPictureCatalogue) {
      const Cell cell = cellOf(info);
      if (x + cell.width > kSheetWidth - kMargin) {
        x = kMargin;
        y += rowHeight + kGap;
        rowHeight = 0;
      }
      drawCell(image, info, x, y);
      x += cell.width + kGap;
      rowHeight = std::max(rowHeight, cell.height);
    }
    image.crop(y + rowHeight + kMargin);
    image.save(argv[1]);
  } catch (const std::exception& error) {
    std::cerr << "kalvero-picturesheet: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
