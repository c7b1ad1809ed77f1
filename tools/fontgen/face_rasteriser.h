// Renders single code points of a FreeType face into one-bit pictures.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "glyph_bitmap.h"

typedef struct FT_LibraryRec_* FT_Library;
typedef struct FT_FaceRec_* FT_Face;

namespace fontgen {

// A glyph as the face draws it: its ink, where the ink sits relative to the
// pen position on the baseline, and how far the pen moves.
struct RenderedGlyph {
  GlyphBitmap ink;
  int left = 0;  // columns from the pen position to the first column of `ink`
  int top = 0;   // rows from the baseline up to the first row of `ink`
  int advance = 0;
};

// The rows a glyph may use: above the baseline (the cell's ascent) and below it.
struct VerticalRoom {
  int above;
  int below;
};

class FaceRasteriser {
 public:
  // pixelSize 0 selects the face's first bitmap strike.
  // autoHint replaces the face's own hinting by FreeType's auto-hinter,
  // which keeps the stems of one face at one width.
  FaceRasteriser(const std::string& path, int pixelSize, bool autoHint);
  ~FaceRasteriser();
  FaceRasteriser(const FaceRasteriser&) = delete;
  FaceRasteriser& operator=(const FaceRasteriser&) = delete;

  // widthPercent < 100 renders a horizontally condensed outline (hinted at
  // that width, so the strokes stay on whole pixels). Accents of an outline
  // glyph that would stick out of `room` are moved, and squeezed if need be,
  // into the space between the letter and the cell's edge.
  std::optional<RenderedGlyph> render(uint16_t code, int widthPercent, VerticalRoom room);

 private:
  void setSize(int widthPercent);
  void fitMarks(VerticalRoom room);

  FT_Library library_ = nullptr;
  FT_Face face_ = nullptr;
  int pixelSize_;
  bool autoHint_;
};

}  // namespace fontgen
