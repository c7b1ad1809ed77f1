#include "drawn_glyphs.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fontgen {
namespace {

[[noreturn]] void fail(const std::string& path, int line, const std::string& what) {
  throw std::runtime_error(path + ":" + std::to_string(line) + ": " + what);
}

}  // namespace

DrawnGlyphs loadDrawnGlyphs(const std::string& path, int height) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path);
  DrawnGlyphs symbols;
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (line.empty() || line[0] == '#') continue;
    unsigned code = 0;
    int width = 0;
    if (std::sscanf(line.c_str(), "U+%x %d", &code, &width) != 2 || width < 1 || code > 0xFFFF)
      fail(path, lineNo, "expected 'U+XXXX width'");
    GlyphBitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) {
      ++lineNo;
      if (!std::getline(in, line)) fail(path, lineNo, "picture ends early");
      if (static_cast<int>(line.size()) != width)
        fail(path, lineNo, "row is not " + std::to_string(width) + " wide");
      for (int x = 0; x < width; ++x) {
        if (line[x] != '#' && line[x] != '.') fail(path, lineNo, "rows hold only '#' and '.'");
        bitmap.set(x, y, line[x] == '#');
      }
    }
    if (!symbols.emplace(static_cast<uint16_t>(code), bitmap).second) fail(path, lineNo, "glyph drawn twice");
  }
  return symbols;
}

}  // namespace fontgen
