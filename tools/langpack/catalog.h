// The unit's texts as read from the translation files: the German source
// texts of the template and the texts of one language.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "tools/langpack/languages.h"
#include "tools/langpack/po_reader.h"

namespace langpack {

using TextArray = std::array<std::string, kTextCount>;

// The German texts (msgid of each id) of the template. Every id 0..394 must
// occur exactly once; PoError otherwise.
TextArray loadGermanTexts(const PoFile& pot);

struct Translation {
  TextArray texts;                         // empty where untranslated
  std::array<bool, kTextCount> present{};  // an entry with this id exists
  std::array<int, kTextCount> line{};      // its line, for messages
  std::vector<std::string> warnings;       // "file:line: warning: ..."
};

// The language a PO file holds, from its header (X-Kalvero-Language-Index
// 1..18 and the matching X-Kalvero-Country-Code); PoError otherwise.
const Language& languageOf(const PoFile& po);

// The texts of a PO file. Ids must be 0..394 and unique (PoError
// otherwise). Fuzzy entries count as untranslated; an entry whose msgid
// differs from the German text is kept and warned about.
Translation loadTranslation(const PoFile& po, const TextArray& german);

// The id of an entry, or PoError when msgctxt is missing or not 0..394.
int textIdOf(const PoFile& file, const PoEntry& entry);

}  // namespace langpack
