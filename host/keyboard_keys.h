// The PC keyboard as the device's keys.
#pragma once

#include <QString>
#include <optional>

// The hardkey a Qt key drives, if any: arrows, Enter/Return = OK,
// Backspace/Escape = Back, F1 = Help, Home or M = Menu.
std::optional<int> HOST_HardkeyForKey(int qtKey);
// The table above for the Help menu.
QString HOST_KeyboardHelpText();
