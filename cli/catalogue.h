// The screen catalogue: every screen the menus have, in every language, as
// PNG files with an index page that shows them side by side.
#pragma once

#include <optional>
#include <string>

// Walks the screens in virtual time and writes DIR/<screen>_<lang>.png and
// DIR/index.html. With `language` only that language. Returns the exit code.
int CLI_WriteCatalogue(const std::string& directory, std::optional<int> language);
