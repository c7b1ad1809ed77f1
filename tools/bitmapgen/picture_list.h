// The list of pictures to convert: one line per picture,
//   NAME  WIDTHxHEIGHT  source-file  what it shows
// lines "[heading]" start a group, '#' starts a comment line.
#pragma once

#include <string>
#include <vector>

namespace bitmapgen {

struct PictureEntry {
  std::string group;  // heading of the group the picture belongs to
  std::string name;   // C++ name of the bitmap constant
  int width = 0;
  int height = 0;
  std::string source;  // file name, relative to the list's directory
  std::string shows;
  int line = 0;  // in the list, for messages
};

// `listName` names the list in messages; throws SourceError.
std::vector<PictureEntry> parsePictureList(const std::string& listName, const std::string& text);
std::vector<PictureEntry> loadPictureList(const std::string& path);

}  // namespace bitmapgen
