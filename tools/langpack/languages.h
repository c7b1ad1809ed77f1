// The unit's languages: index, country code and the language's own name
// (texts 393 and 394 of that language).
#pragma once

#include <array>
#include <string>

namespace langpack {

struct Language {
  int index;
  const char* code;  // upper case, as text 393 shows it
  const char* name;
};

constexpr int kLanguageCount = 19;
constexpr int kTextCount = 395;
constexpr int kDeviceNameText = 392;
constexpr int kCountryCodeText = 393;
constexpr int kLanguageNameText = 394;

extern const std::array<Language, kLanguageCount> kLanguages;

// "cz" for index 1: the base name of a language's PO file.
std::string fileCode(const Language& language);

}  // namespace langpack
