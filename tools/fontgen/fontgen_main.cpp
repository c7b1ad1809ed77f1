// kalvero-fontgen: rasterises the unit's three bitmap fonts into C++ sources.
//   kalvero-fontgen <output dir> <drawn glyph dir>
#include <exception>
#include <fstream>
#include <iostream>
#include <stdexcept>

#include "drawn_glyphs.h"
#include "font_builder.h"
#include "font_recipe.h"
#include "font_writer.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: kalvero-fontgen <output dir> <drawn glyph dir>\n";
    return 2;
  }
  const std::string outputDir = argv[1];
  const std::string drawnDir = argv[2];
  try {
    for (const fontgen::FontRecipe& recipe : fontgen::fontRecipes()) {
      fontgen::DrawnGlyphs drawn;
      if (!recipe.drawnGlyphs.empty())
        drawn = fontgen::loadDrawnGlyphs(drawnDir + "/" + recipe.drawnGlyphs, recipe.height);
      const fontgen::BuiltFont font = fontgen::buildFont(recipe, drawn);
      for (const std::string& warning : font.warnings) std::cerr << "note: " << warning << '\n';
      const std::string path = outputDir + "/" + recipe.fileStem + ".cpp";
      std::ofstream out(path);
      out << fontgen::fontSource(recipe, font);
      if (!out) throw std::runtime_error("cannot write " + path);
      std::cout << path << ": " << fontgen::glyphCount(recipe) << " glyphs\n";
    }
  } catch (const std::exception& e) {
    std::cerr << "kalvero-fontgen: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
