#include "host/keyboard_keys.h"

#include <Qt>

#include "platform/key_port.h"

namespace {

struct KeyBinding {
  int qtKey;
  int hardkey;
};

constexpr KeyBinding kBindings[] = {
    {Qt::Key_Up, kHardkeyUp},          {Qt::Key_Down, kHardkeyDown},   {Qt::Key_Left, kHardkeyLeft},
    {Qt::Key_Right, kHardkeyRight},    {Qt::Key_Return, kHardkeyOk},   {Qt::Key_Enter, kHardkeyOk},
    {Qt::Key_Backspace, kHardkeyBack}, {Qt::Key_Escape, kHardkeyBack}, {Qt::Key_F1, kHardkeyHelp},
    {Qt::Key_Home, kHardkeyMenu},      {Qt::Key_M, kHardkeyMenu},
};

}  // namespace

std::optional<int> HOST_HardkeyForKey(int qtKey) {
  for (const KeyBinding& binding : kBindings)
    if (binding.qtKey == qtKey) return binding.hardkey;
  return std::nullopt;
}

QString HOST_KeyboardHelpText() {
  return QStringLiteral(
      "Device keys\n"
      "  Arrow keys\tUp, Down, Left, Right\n"
      "  Enter\tOK\n"
      "  Backspace, Esc\tBack\n"
      "  F1\tHelp\n"
      "  Home, M\tMenu\n"
      "Holding a key holds the device key.\n\n"
      "Application\n"
      "  F3\tRestart\n"
      "  F4\tPause\n"
      "  F5\tResume\n"
      "  Ctrl+C\tCopy the LCD to the clipboard\n"
      "  Ctrl+S\tSave a screenshot of the LCD\n"
      "  Ctrl+1..4\tLCD zoom");
}
