#include "tools/langpack/languages.h"

#include <cctype>

namespace langpack {

const std::array<Language, kLanguageCount> kLanguages = {{
    {0, "DE", "Deutsch"},     {1, "CZ", "Česky"},    {2, "DK", "Dansk"},      {3, "GB", "English"},
    {4, "ES", "Español"},     {5, "EE", "Estnisch"}, {6, "FR", "Français"},   {7, "HR", "Hrvatski"},
    {8, "IT", "Italiano"},    {9, "LV", "Lettisch"}, {10, "LT", "Litauisch"}, {11, "HU", "magyar"},
    {12, "NL", "Nederlands"}, {13, "PL", "Polski"},  {14, "RU", "Русский"},   {15, "RO", "Română"},
    {16, "SL", "Slovensko"},  {17, "SE", "Svenska"}, {18, "TR", "Türkçe"},
}};

std::string fileCode(const Language& language) {
  std::string code = language.code;
  for (char& c : code) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return code;
}

}  // namespace langpack
