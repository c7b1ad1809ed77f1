#include "tools/langpack/po_reader.h"

#include <fstream>
#include <optional>
#include <sstream>

namespace langpack {

PoError::PoError(const std::string& file, int line, const std::string& message)
    : std::runtime_error(file + ":" + std::to_string(line) + ": " + message) {}

namespace {

bool isBlank(std::string_view s) { return s.find_first_not_of(" \t\r") == std::string_view::npos; }

std::string_view trimLeft(std::string_view s) {
  const size_t start = s.find_first_not_of(" \t");
  return start == std::string_view::npos ? std::string_view{} : s.substr(start);
}

bool isValidUtf8(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<unsigned char>(s[i]);
    const size_t length = b < 0x80             ? 1
                          : (b & 0xE0) == 0xC0 ? 2
                          : (b & 0xF0) == 0xE0 ? 3
                          : (b & 0xF8) == 0xF0 ? 4
                                               : 0;
    if (length == 0 || i + length > s.size()) return false;
    for (size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

class Parser {
 public:
  Parser(std::string_view text, const std::string& path) : text_(text) { file_.path = path; }

  PoFile run() {
    size_t pos = 0;
    while (pos <= text_.size()) {
      const size_t end = std::min(text_.find('\n', pos), text_.size());
      ++lineNo_;
      parseLine(text_.substr(pos, end - pos));
      pos = end + 1;
    }
    finishEntry();
    return std::move(file_);
  }

 private:
  enum class Field { None, Context, Id, Str };

  [[noreturn]] void fail(const std::string& message, int line = 0) const {
    throw PoError(file_.path, line != 0 ? line : lineNo_, message);
  }

  void parseLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (isBlank(line)) {
      finishEntry();
      return;
    }
    line = trimLeft(line);
    if (line[0] == '#') {
      parseComment(line);
    } else if (line[0] == '"') {
      if (field_ == Field::None) fail("string without a keyword before it");
      target() += parseString(line);
    } else {
      parseKeyword(line);
    }
  }

  void parseComment(std::string_view line) {
    if (current_.str) finishEntry();
    if (line.rfind("#,", 0) == 0 && line.find("fuzzy") != std::string_view::npos) pendingFuzzy_ = true;
  }

  void parseKeyword(std::string_view line) {
    const size_t space = line.find_first_of(" \t");
    const std::string_view word = line.substr(0, space);
    const std::string_view rest =
        space == std::string_view::npos ? std::string_view{} : trimLeft(line.substr(space));
    if (word == "msgid_plural" || word.rfind("msgstr[", 0) == 0) fail("plural forms are not supported");
    Field field = Field::None;
    if (word == "msgctxt")
      field = Field::Context;
    else if (word == "msgid")
      field = Field::Id;
    else if (word == "msgstr")
      field = Field::Str;
    else
      fail("unknown keyword '" + std::string(word) + "'");

    // A new entry may follow the previous msgstr without a blank line.
    if (field != Field::Str && current_.str) finishEntry();
    if (slot(field)) fail("duplicate " + std::string(word) + " in one entry");
    if (field == Field::Context && current_.id) fail("msgctxt must come before msgid");
    if (field == Field::Str && !current_.id) fail("msgstr without msgid");
    if (current_.firstLine == 0) current_.firstLine = lineNo_;
    if (rest.empty()) fail("missing string after " + std::string(word));
    field_ = field;
    slot(field) = parseString(rest);
  }

  std::string parseString(std::string_view s) {
    if (s.empty() || s[0] != '"') fail("expected a quoted string");
    std::string out;
    size_t i = 1;
    for (;; ++i) {
      if (i >= s.size()) fail("missing closing quote");
      const char c = s[i];
      if (c == '"') break;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (++i >= s.size()) fail("missing closing quote");
      switch (s[i]) {
        case 'n':
          out += '\n';
          break;
        case 't':
          out += '\t';
          break;
        case '"':
          out += '"';
          break;
        case '\\':
          out += '\\';
          break;
        default:
          fail(std::string("unknown escape sequence \\") + s[i]);
      }
    }
    if (!isBlank(s.substr(i + 1))) fail("text after the closing quote");
    if (!isValidUtf8(out)) fail("string is not valid UTF-8");
    return out;
  }

  std::optional<std::string>& slot(Field field) {
    switch (field) {
      case Field::Context:
        return current_.context;
      case Field::Id:
        return current_.id;
      default:
        return current_.str;
    }
  }

  std::string& target() { return *slot(field_); }

  void finishEntry() {
    if (current_.firstLine == 0) return;
    if (!current_.id || !current_.str)
      fail(current_.id ? "entry without msgstr" : "entry without msgid", current_.firstLine);
    if (!current_.context && current_.id->empty()) {
      if (file_.headerLine != 0) fail("second header entry", current_.firstLine);
      file_.headerLine = current_.firstLine;
      parseHeader(*current_.str);
    } else {
      PoEntry e;
      e.hasContext = current_.context.has_value();
      e.context = current_.context.value_or("");
      e.id = *current_.id;
      e.str = *current_.str;
      e.fuzzy = pendingFuzzy_;
      e.line = current_.firstLine;
      file_.entries.push_back(std::move(e));
    }
    current_ = {};
    field_ = Field::None;
    pendingFuzzy_ = false;
  }

  void parseHeader(const std::string& body) {
    std::istringstream lines(body);
    std::string line;
    while (std::getline(lines, line)) {
      const size_t colon = line.find(':');
      if (colon == std::string::npos) continue;
      file_.header[line.substr(0, colon)] = std::string(trimLeft(std::string_view(line).substr(colon + 1)));
    }
  }

  struct Pending {
    std::optional<std::string> context, id, str;
    int firstLine = 0;
  };

  std::string_view text_;
  PoFile file_;
  Pending current_;
  Field field_ = Field::None;
  bool pendingFuzzy_ = false;
  int lineNo_ = 0;
};

}  // namespace

PoFile parsePo(std::string_view text, const std::string& path) { return Parser(text, path).run(); }

PoFile readPoFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw PoError(path, 0, "cannot open file");
  std::ostringstream content;
  content << in.rdbuf();
  return parsePo(content.str(), path);
}

}  // namespace langpack
