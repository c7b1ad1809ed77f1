// The --lang option: the language the unit switches to at every start.
#pragma once

#include <optional>

// Installs the start hook of the unit that applies `language` (0..18);
// nothing leaves the unit's own choice.
void HOST_SetStartLanguage(std::optional<int> language);
// True when the text module that switches languages is linked in.
bool HOST_CanSetLanguage();
