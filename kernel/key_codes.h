// Key codes of the key input task and their port bit patterns.
#pragma once

#include <cstdint>

#include "kernel/signals.h"

constexpr uint8_t KEY_CODE_UP = 0;
constexpr uint8_t KEY_CODE_OK = 1;
constexpr uint8_t KEY_CODE_DOWN = 2;
constexpr uint8_t KEY_CODE_BACK = 3;
constexpr uint8_t KEY_CODE_MENU = 4;
constexpr uint8_t KEY_CODE_LEFT = 5;
constexpr uint8_t KEY_CODE_RIGHT = 6;
constexpr uint8_t KEY_CODE_HELP = 7;
constexpr uint8_t KEY_CODE_FIRST_COMBINATION = 8;
constexpr uint8_t KEY_CODE_LAST_COMBINATION = 12;
constexpr uint8_t KEY_CODE_NONE = 13;
constexpr uint8_t KEY_CODE_INVALID = 14;
constexpr uint8_t KEY_CODE_COUNT = 13;

enum KeyBehaviour : uint8_t { KEY_PLAIN = 0, KEY_REPEAT = 1, KEY_LONG = 2 };

struct KeyDefinition {
  uint8_t portPattern;
  Signal press;
  Signal release;
  KeyBehaviour behaviour;
  uint16_t pressDelay;  // 10 ms ticks
  Signal longPress;
};

extern const KeyDefinition kKeyTable[KEY_CODE_COUNT];

// Port pattern of a key code (0 for "no key" and invalid codes).
uint8_t TAS_PortPattern(uint8_t keyCode);
// Key code of a port value: 13 for no key, 14 for any unknown pattern.
uint8_t TAS_DecodePort(uint8_t port);
