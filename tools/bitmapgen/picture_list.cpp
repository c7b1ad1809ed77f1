#include "picture_list.h"

#include <cctype>
#include <fstream>
#include <set>
#include <sstream>

#include "mono_image.h"

namespace bitmapgen {

namespace {

bool isIdentifier(const std::string& word) {
  if (word.empty() || std::isdigit(static_cast<unsigned char>(word[0]))) return false;
  for (char c : word)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
  return true;
}

// "45x77" -> 45, 77; false for anything else or sizes outside 1..kMaxSide.
bool parseSize(const std::string& word, int& width, int& height) {
  const size_t cross = word.find('x');
  if (cross == std::string::npos || cross == 0 || cross + 1 == word.size()) return false;
  for (size_t i = 0; i < word.size(); ++i)
    if (i != cross && !std::isdigit(static_cast<unsigned char>(word[i]))) return false;
  if (cross > 4 || word.size() - cross - 1 > 4) return false;
  width = std::stoi(word.substr(0, cross));
  height = std::stoi(word.substr(cross + 1));
  return width >= 1 && height >= 1 && width <= kMaxSide && height <= kMaxSide;
}

std::string trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

std::vector<PictureEntry> parsePictureList(const std::string& listName, const std::string& text) {
  std::vector<PictureEntry> pictures;
  std::set<std::string> names;
  std::string group;
  std::istringstream lines(text);
  std::string raw;
  for (int number = 1; std::getline(lines, raw); ++number) {
    const std::string line = trimmed(raw);
    const std::string where = listName + ":" + std::to_string(number);
    if (line.empty() || line[0] == '#') continue;
    if (line[0] == '[') {
      if (line.back() != ']') throw SourceError(where, "heading without closing ']'");
      group = trimmed(line.substr(1, line.size() - 2));
      continue;
    }
    PictureEntry entry;
    entry.group = group;
    entry.line = number;
    std::istringstream words(line);
    std::string size;
    words >> entry.name >> size >> entry.source;
    std::getline(words, entry.shows);
    entry.shows = trimmed(entry.shows);
    if (!isIdentifier(entry.name)) throw SourceError(where, "'" + entry.name + "' is not a C++ name");
    if (!parseSize(size, entry.width, entry.height))
      throw SourceError(where, "size '" + size + "' is not WIDTHxHEIGHT within 1..1024");
    if (entry.source.empty()) throw SourceError(where, "no source file for " + entry.name);
    if (!names.insert(entry.name).second) throw SourceError(where, entry.name + " is listed twice");
    pictures.push_back(entry);
  }
  if (pictures.empty()) throw SourceError(listName, "lists no picture");
  return pictures;
}

std::vector<PictureEntry> loadPictureList(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw SourceError(path, "cannot open the file");
  std::ostringstream text;
  text << in.rdbuf();
  return parsePictureList(path, text.str());
}

}  // namespace bitmapgen
