// A small, strict reader of gettext PO/POT files: msgctxt, msgid, msgstr,
// multi-line strings, comments and the header entry. Plural forms are not
// used by the unit's texts and are rejected.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace langpack {

// A malformed file; what() reads "file:line: message".
class PoError : public std::runtime_error {
 public:
  PoError(const std::string& file, int line, const std::string& message);
};

struct PoEntry {
  bool hasContext = false;
  std::string context;
  std::string id;
  std::string str;
  bool fuzzy = false;
  int line = 0;  // line of the entry's first keyword
};

struct PoFile {
  std::string path;
  std::map<std::string, std::string> header;  // "Key: value" lines of the header entry
  int headerLine = 0;                         // 0 when the file has no header entry
  std::vector<PoEntry> entries;               // every entry but the header
};

// `path` is only used in messages.
PoFile parsePo(std::string_view text, const std::string& path);
PoFile readPoFile(const std::string& path);

}  // namespace langpack
