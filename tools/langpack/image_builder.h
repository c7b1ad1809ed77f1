// Packs the parameter store image: header, device data block and the
// language image with the texts of languages 1..18.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/langpack/catalog.h"

namespace langpack {

// The final texts of one language: its translations where present and not
// empty, the German text otherwise; the device name, country code and
// language name are always those of the language table. Each German
// fall-back is reported in `warnings` (one line per language).
TextArray resolveTexts(const Language& language, const TextArray& german, const Translation* translation,
                       const std::string& source, std::vector<std::string>& warnings);

// languages[i] holds the texts of language i; entry 0 (German) is not
// stored, its directory entry repeats that of language 1.
std::vector<uint8_t> buildImage(const std::array<TextArray, kLanguageCount>& languages);

}  // namespace langpack
