#include "face_rasteriser.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <stdexcept>

namespace fontgen {
namespace {

GlyphBitmap fromMonoBitmap(const FT_Bitmap& bitmap) {
  GlyphBitmap out(static_cast<int>(bitmap.width), static_cast<int>(bitmap.rows));
  for (int y = 0; y < out.height(); ++y) {
    const unsigned char* row = bitmap.buffer + y * bitmap.pitch;
    for (int x = 0; x < out.width(); ++x)
      if (row[x / 8] & (0x80 >> (x % 8))) out.set(x, y);
  }
  return out;
}

}  // namespace

FaceRasteriser::FaceRasteriser(const std::string& path, int pixelSize) : pixelSize_(pixelSize) {
  if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("cannot start FreeType");
  if (FT_New_Face(library_, path.c_str(), 0, &face_) != 0) throw std::runtime_error("cannot open " + path);
  if (FT_Select_Charmap(face_, FT_ENCODING_UNICODE) != 0)
    throw std::runtime_error(path + " has no Unicode character map");
  setSize(100);
}

FaceRasteriser::~FaceRasteriser() {
  if (face_) FT_Done_Face(face_);
  if (library_) FT_Done_FreeType(library_);
}

void FaceRasteriser::setSize(int widthPercent) {
  if (pixelSize_ == 0) {
    if (face_->num_fixed_sizes < 1 || FT_Select_Size(face_, 0) != 0)
      throw std::runtime_error("face has no bitmap strike");
    return;
  }
  FT_UInt width = static_cast<FT_UInt>(pixelSize_ * widthPercent / 100);
  if (FT_Set_Pixel_Sizes(face_, width, static_cast<FT_UInt>(pixelSize_)) != 0)
    throw std::runtime_error("cannot scale face");
}

std::optional<RenderedGlyph> FaceRasteriser::render(uint16_t code, int widthPercent) {
  FT_UInt index = FT_Get_Char_Index(face_, code);
  if (index == 0) return std::nullopt;
  setSize(widthPercent);
  FT_Int32 flags = FT_LOAD_RENDER | FT_LOAD_MONOCHROME | FT_LOAD_TARGET_MONO;
  if (FT_Load_Glyph(face_, index, flags) != 0) return std::nullopt;
  FT_GlyphSlot slot = face_->glyph;
  if (slot->bitmap.pixel_mode != FT_PIXEL_MODE_MONO && slot->bitmap.rows > 0)
    throw std::runtime_error("face did not render a one-bit glyph");
  RenderedGlyph glyph;
  glyph.ink = fromMonoBitmap(slot->bitmap);
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
  return glyph;
}

}  // namespace fontgen
