#include "tools/langpack/catalog.h"

#include <charconv>

namespace langpack {

namespace {

std::string headerValue(const PoFile& po, const std::string& key) {
  const auto it = po.header.find(key);
  return it == po.header.end() ? std::string{} : it->second;
}

}  // namespace

const Language& languageOf(const PoFile& po) {
  const int line = po.headerLine != 0 ? po.headerLine : 1;
  const std::string index = headerValue(po, "X-Kalvero-Language-Index");
  const std::string code = headerValue(po, "X-Kalvero-Country-Code");
  int i = -1;
  const auto [end, ec] = std::from_chars(index.data(), index.data() + index.size(), i);
  if (ec != std::errc{} || end != index.data() + index.size() || i < 1 || i >= kLanguageCount) {
    throw PoError(po.path, line,
                  "X-Kalvero-Language-Index '" + index + "' is not a language 1.." +
                      std::to_string(kLanguageCount - 1));
  }
  const Language& language = kLanguages[i];
  if (code != fileCode(language) && code != language.code) {
    throw PoError(po.path, line,
                  "X-Kalvero-Country-Code '" + code + "' does not match language " + index + " (" +
                      language.code + ")");
  }
  return language;
}

namespace {

std::string warning(const PoFile& po, int line, const std::string& message) {
  return po.path + ":" + std::to_string(line) + ": warning: " + message;
}

}  // namespace

int textIdOf(const PoFile& file, const PoEntry& entry) {
  if (!entry.hasContext) throw PoError(file.path, entry.line, "entry without msgctxt (the text id)");
  int id = -1;
  const char* first = entry.context.data();
  const char* last = first + entry.context.size();
  const auto [end, ec] = std::from_chars(first, last, id);
  if (ec != std::errc{} || end != last || id < 0 || id >= kTextCount) {
    throw PoError(file.path, entry.line,
                  "msgctxt '" + entry.context + "' is not a text id 0.." + std::to_string(kTextCount - 1));
  }
  return id;
}

TextArray loadGermanTexts(const PoFile& pot) {
  TextArray texts;
  std::array<int, kTextCount> seenAt{};
  for (const PoEntry& e : pot.entries) {
    const int id = textIdOf(pot, e);
    if (seenAt[id] != 0) {
      throw PoError(pot.path, e.line,
                    "text id " + e.context + " already defined at line " + std::to_string(seenAt[id]));
    }
    seenAt[id] = e.line;
    texts[id] = e.id;
  }
  for (int id = 0; id < kTextCount; ++id) {
    if (seenAt[id] == 0) throw PoError(pot.path, 1, "text id " + std::to_string(id) + " is missing");
  }
  return texts;
}

Translation loadTranslation(const PoFile& po, const TextArray& german) {
  Translation t;
  for (const PoEntry& e : po.entries) {
    const int id = textIdOf(po, e);
    if (t.present[id]) {
      throw PoError(po.path, e.line,
                    "text id " + e.context + " already defined at line " + std::to_string(t.line[id]));
    }
    t.present[id] = true;
    t.line[id] = e.line;
    if (e.id != german[id]) {
      t.warnings.push_back(
          warning(po, e.line, "msgid of text " + e.context + " differs from the German text"));
    }
    if (e.fuzzy && !e.str.empty()) {
      t.warnings.push_back(warning(po, e.line, "text " + e.context + " is fuzzy and counts as untranslated"));
    } else {
      t.texts[id] = e.str;
    }
  }
  return t;
}

}  // namespace langpack
