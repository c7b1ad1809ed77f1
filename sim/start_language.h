// The language both programs' --lang option sets at every start of the unit,
// as if the controller had reported it.
#pragma once

#include <optional>

void SIM_SetStartLanguage(std::optional<int> language);
