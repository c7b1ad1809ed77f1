#include "face_rasteriser.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <stdexcept>
#include <vector>

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

// Outline coordinates are in 1/64 pixel.
constexpr FT_Pos kPixel = 64;

struct ContourSpan {
  int firstPoint, lastPoint;
  FT_Pos bottom, top;
};

std::vector<ContourSpan> contourSpans(const FT_Outline& outline) {
  std::vector<ContourSpan> spans;
  int first = 0;
  for (int c = 0; c < outline.n_contours; ++c) {
    ContourSpan span{first, outline.contours[c], outline.points[first].y, outline.points[first].y};
    for (int p = span.firstPoint; p <= span.lastPoint; ++p) {
      span.bottom = std::min(span.bottom, outline.points[p].y);
      span.top = std::max(span.top, outline.points[p].y);
    }
    spans.push_back(span);
    first = span.lastPoint + 1;
  }
  return spans;
}

// Moves the contours of a mark into [low, high]: by whole pixels when it fits
// (the hinted shape stays intact), squeezed otherwise.
void placeMark(FT_Outline& outline, const std::vector<const ContourSpan*>& mark, FT_Pos low, FT_Pos high) {
  FT_Pos bottom = mark.front()->bottom, top = mark.front()->top;
  for (const ContourSpan* span : mark) {
    bottom = std::min(bottom, span->bottom);
    top = std::max(top, span->top);
  }
  auto each = [&](auto move) {
    for (const ContourSpan* span : mark)
      for (int p = span->firstPoint; p <= span->lastPoint; ++p)
        outline.points[p].y = move(outline.points[p].y);
  };
  FT_Pos shift = 0;  // whole pixels, downwards
  if (top > high) shift = (top - high + kPixel - 1) / kPixel * kPixel;
  if (bottom < low) shift = -((low - bottom + kPixel - 1) / kPixel * kPixel);
  if (top - shift <= high && bottom - shift >= low) {
    each([&](FT_Pos y) { return y - shift; });
    return;
  }
  each([&](FT_Pos y) { return low + (y - bottom) * (high - low) / (top - bottom); });
}

}  // namespace

void FaceRasteriser::fitMarks(VerticalRoom room) {
  FT_Outline& outline = face_->glyph->outline;
  const std::vector<ContourSpan> spans = contourSpans(outline);
  // Contours lying wholly above half the cell's ascent are accents over the
  // letter; those wholly below the baseline hang under it (cedilla, ogonek).
  const FT_Pos ceiling = room.above * kPixel, floor = -room.below * kPixel;
  std::vector<const ContourSpan*> above, below;
  FT_Pos letterTop = 0, letterBottom = 0, markTop = 0, markBottom = 0;
  for (const ContourSpan& span : spans) {
    if (span.bottom > ceiling / 2) {
      above.push_back(&span);
      markTop = std::max(markTop, span.top);
    } else if (span.top < 0) {
      below.push_back(&span);
      markBottom = std::min(markBottom, span.bottom);
    } else {
      letterTop = std::max(letterTop, span.top);
      letterBottom = std::min(letterBottom, span.bottom);
    }
  }
  // One empty pixel row is kept between the letter and its accent.
  if (!above.empty() && markTop > ceiling) placeMark(outline, above, letterTop + kPixel, ceiling);
  if (!below.empty() && markBottom < floor) placeMark(outline, below, floor, letterBottom - kPixel);
}

FaceRasteriser::FaceRasteriser(const std::string& path, int pixelSize, bool autoHint)
    : pixelSize_(pixelSize), autoHint_(autoHint) {
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

std::optional<RenderedGlyph> FaceRasteriser::render(uint16_t code, int widthPercent, VerticalRoom room) {
  FT_UInt index = FT_Get_Char_Index(face_, code);
  if (index == 0) return std::nullopt;
  setSize(widthPercent);
  FT_Int32 flags = FT_LOAD_MONOCHROME | FT_LOAD_TARGET_MONO;
  if (autoHint_) flags |= FT_LOAD_FORCE_AUTOHINT;
  if (FT_Load_Glyph(face_, index, flags) != 0) return std::nullopt;
  FT_GlyphSlot slot = face_->glyph;
  if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
    fitMarks(room);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return std::nullopt;
  }
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
