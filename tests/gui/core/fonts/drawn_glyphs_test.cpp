// Reading hand-drawn glyph pictures.
#include "drawn_glyphs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

std::string writeFile(const std::string& name, const std::string& text) {
  const std::string path = (std::filesystem::temp_directory_path() / name).string();
  std::ofstream(path) << text;
  return path;
}

TEST(DrawnGlyphs, ReadsEveryBlockWithItsPicture) {
  const std::string path = writeFile("drawn_ok.txt",
                                     "# two glyphs\n"
                                     "U+266C 3\n#..\n.#.\n"
                                     "# next\n"
                                     "U+001B 2\n..\n..\n");
  const fontgen::DrawnGlyphs glyphs = fontgen::loadDrawnGlyphs(path, 2);
  ASSERT_EQ(glyphs.size(), 2u);
  const fontgen::GlyphBitmap& arrow = glyphs.at(0x266C);
  EXPECT_EQ(arrow.width(), 3);
  EXPECT_TRUE(arrow.ink(0, 0) && arrow.ink(1, 1));
  EXPECT_FALSE(arrow.ink(1, 0));
  EXPECT_TRUE(glyphs.at(0x001B).empty());
}

TEST(DrawnGlyphs, RejectsMalformedPictures) {
  const std::pair<const char*, const char*> cases[] = {
      {"no header", "#..\n.#.\n"},
      {"row too wide", "U+0041 2\n##.\n..\n"},
      {"foreign character", "U+0041 2\n#x\n..\n"},
      {"picture ends early", "U+0041 2\n##\n"},
      {"drawn twice", "U+0041 1\n#\n.\nU+0041 1\n#\n.\n"},
  };
  for (auto [what, text] : cases)
    EXPECT_THROW(fontgen::loadDrawnGlyphs(writeFile("drawn_bad.txt", text), 2), std::runtime_error) << what;
}

}  // namespace
