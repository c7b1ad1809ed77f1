// kalvero-fontgen: rasterises the unit's three bitmap fonts into C++ sources.
//   kalvero-fontgen <output dir> <key symbol file>
#include <exception>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <vector>

#include "font_builder.h"
#include "font_recipe.h"
#include "font_writer.h"
#include "key_symbols.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: kalvero-fontgen <output dir> <key symbol file>\n";
    return 2;
  }
  const std::string outputDir = argv[1];
  try {
    // The key symbols are drawn for the cell of the one font that shows them.
    const std::vector<fontgen::FontRecipe> recipes = fontgen::fontRecipes();
    int symbolHeight = 0;
    for (const fontgen::FontRecipe& recipe : recipes)
      if (recipe.keySymbols) symbolHeight = recipe.height;
    const fontgen::KeySymbols symbols = fontgen::loadKeySymbols(argv[2], symbolHeight);
    for (const fontgen::FontRecipe& recipe : recipes) {
      const fontgen::BuiltFont font = fontgen::buildFont(recipe, symbols);
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
