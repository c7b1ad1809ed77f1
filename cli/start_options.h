// Options that apply at every start of the unit, as if the controller had
// sent them (the language).
#pragma once

#include <optional>

void CLI_ApplyAtEveryStart(std::optional<int> language);
