// Writes a built font as a C++ source file in the firmware's font format.
#pragma once

#include <string>

#include "font_builder.h"
#include "font_recipe.h"

namespace fontgen {

std::string fontSource(const FontRecipe& recipe, const BuiltFont& font);

}  // namespace fontgen
