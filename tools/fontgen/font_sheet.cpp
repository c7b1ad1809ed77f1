// kalvero-fontsheet: draws every glyph of the three fonts, straight from the
// generated font tables, into a PNG sheet for review.
//   kalvero-fontsheet <output.png>
#include <cstdint>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "gui/core/gui_font.h"
#include "png_image.h"

namespace {

using fontgen::PngImage;

constexpr uint8_t kPaper = 0;
constexpr uint8_t kInk = 1;
constexpr uint8_t kTint = 2;  // every other glyph cell, so each glyph's width shows
constexpr uint8_t kRule = 3;
constexpr std::array<fontgen::Rgb, PngImage::kColours> kPalette = {
    {{0xD8, 0xDE, 0xC8}, {0x1C, 0x22, 0x18}, {0xC4, 0xCC, 0xAE}, {0x80, 0x88, 0x70}}};

constexpr int kSheetWidth = 960;
constexpr int kMargin = 16;

std::vector<uint16_t> decodeUtf8(const std::string& text) {
  std::vector<uint16_t> codes;
  for (size_t i = 0; i < text.size();) {
    const auto b = static_cast<uint8_t>(text[i]);
    const int length = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : 3;
    uint16_t code = length == 1 ? b : length == 2 ? (b & 0x1F) : (b & 0x0F);
    for (int k = 1; k < length && i + k < text.size(); ++k)
      code = static_cast<uint16_t>((code << 6) | (static_cast<uint8_t>(text[i + k]) & 0x3F));
    codes.push_back(code);
    i += static_cast<size_t>(length);
  }
  return codes;
}

const GUI_GlyphInfo* findGlyph(const GUI_Font& font, uint16_t code) {
  for (const GUI_CharRange* range = font.firstRange; range; range = range->next)
    if (code >= range->first && code <= range->last) return &range->glyphs[code - range->first];
  return nullptr;
}

class Sheet {
 public:
  Sheet() : image_(kSheetWidth, 6000, kPalette) {}

  void title(const std::string& text) {
    y_ += kMargin;
    text_(FontNormal, decodeUtf8(text), 2, false);
    image_.fill(kMargin, y_ + 2, kSheetWidth - 2 * kMargin, 2, kRule);
    y_ += 8;
  }

  void caption(const std::string& text) { text_(FontSmall, decodeUtf8(text), 2, false); }

  // All glyphs of the font, a new line for each block of 256 code points.
  void allGlyphs(const GUI_Font& font, int scale) {
    std::vector<uint16_t> line;
    int block = -1;
    for (const GUI_CharRange* range = font.firstRange; range; range = range->next) {
      if ((range->first >> 8) != block && !line.empty()) {
        text_(font, line, scale, true);
        line.clear();
      }
      block = range->first >> 8;
      for (unsigned code = range->first; code <= range->last; ++code)
        line.push_back(static_cast<uint16_t>(code));
    }
    text_(font, line, scale, true);
  }

  void sample(const GUI_Font& font, const std::string& text, int scale) {
    text_(font, decodeUtf8(text), scale, false);
  }

  void save(const std::string& path) {
    image_.crop(y_ + kMargin);
    image_.save(path);
  }

 private:
  void glyph(const GUI_Font& font, const GUI_GlyphInfo& info, int x, int scale, uint8_t paper) {
    image_.fill(x, y_, info.width * scale, font.height * scale, paper);
    for (int row = 0; row < font.height; ++row)
      for (int col = 0; col < info.width; ++col) {
        const uint8_t byte = info.bitmap[row * info.bytesPerRow + col / 8];
        if (byte & (0x80 >> (col % 8))) image_.fill(x + col * scale, y_ + row * scale, scale, scale, kInk);
      }
  }

  // Draws the codes as text lines, wrapped at the sheet's width.
  void text_(const GUI_Font& font, const std::vector<uint16_t>& codes, int scale, bool tintCells) {
    int x = kMargin;
    bool tinted = false;
    for (uint16_t code : codes) {
      const GUI_GlyphInfo* info = findGlyph(font, code);
      if (!info) continue;
      if (x + info->width * scale > kSheetWidth - kMargin) {
        x = kMargin;
        y_ += (font.lineDistance + 2) * scale;
      }
      glyph(font, *info, x, scale, tintCells && tinted ? kTint : kPaper);
      tinted = !tinted;
      x += info->advance * scale;
    }
    y_ += (font.lineDistance + 2) * scale;
  }

  PngImage image_;
  int y_ = 0;
};

const char* const kSamples[] = {"Kalvero 200 KM3D   Raumtemperatur 21,5 °C   12:45",
                                "Ändern mit ♰   Zurück mit ♳   ♴ Menü   ♬ HK ♭   ♮ ♯ ♱ ♲",
                                "ÄÉČ Łódź Ćwiczenie Ångström Œuvre ŽŠĐ ÿ ő ű",
                                "Температура воды 55 °C  Ґ Қ Ң Ү Һ Ә Ө"};

struct SheetFont {
  const GUI_Font& font;
  const char* name;
  int scale;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: kalvero-fontsheet <output.png>\n";
    return 2;
  }
  try {
    Sheet sheet;
    const SheetFont fonts[] = {{FontSmall, "FontSmall  (8 px, shown 3x)", 3},
                               {FontNormal, "FontNormal  (20 px, shown 2x)", 2},
                               {FontLarge, "FontLarge  (32 px, shown 2x)", 2}};
    for (const SheetFont& entry : fonts) {
      sheet.title(entry.name);
      sheet.allGlyphs(entry.font, entry.scale);
      sheet.caption("Samples:");
      for (const char* text : kSamples) sheet.sample(entry.font, text, entry.scale);
    }
    sheet.save(argv[1]);
  } catch (const std::exception& e) {
    std::cerr << "kalvero-fontsheet: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
