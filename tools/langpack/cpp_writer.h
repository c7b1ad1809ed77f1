// Writes the packer's results as C++ sources for the firmware.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/langpack/catalog.h"

namespace langpack {

// `origin` names the tool and its inputs; it heads each file as a comment.
std::string germanTableSource(const TextArray& german, const std::string& origin);
std::string imageSource(const std::vector<uint8_t>& image, const std::string& origin);

void writeFile(const std::string& path, const std::string& content);

}  // namespace langpack
