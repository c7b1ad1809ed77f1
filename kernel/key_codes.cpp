#include "kernel/key_codes.h"

const KeyDefinition kKeyTable[KEY_CODE_COUNT] = {
    {0x08, SIG_KEY0_PRESS, SIG_KEY0_RELEASE, KEY_REPEAT, 0, 0},
    {0x20, SIG_KEY1_PRESS, SIG_KEY1_RELEASE, KEY_LONG, 0, SIG_KEY1_LONG},
    {0x10, SIG_KEY2_PRESS, SIG_KEY2_RELEASE, KEY_REPEAT, 0, 0},
    {0x01, SIG_KEY3_PRESS, SIG_KEY3_RELEASE, KEY_PLAIN, 0, 0},
    {0x80, SIG_KEY4_PRESS, SIG_KEY4_RELEASE, KEY_PLAIN, 0, 0},
    {0x02, SIG_KEY5_PRESS, SIG_KEY5_RELEASE, KEY_REPEAT, 0, 0},
    {0x04, SIG_KEY6_PRESS, SIG_KEY6_RELEASE, KEY_REPEAT, 0, 0},
    {0x40, SIG_KEY7_PRESS, SIG_KEY7_RELEASE, KEY_PLAIN, 0, 0},
    {0x28, SIG_KEY8_PRESS, SIG_KEY8_RELEASE, KEY_REPEAT, 0, 0},
    {0x30, SIG_KEY9_PRESS, SIG_KEY9_RELEASE, KEY_REPEAT, 0, 0},
    {0xA0, SIG_KEY10_PRESS, SIG_KEY10_RELEASE, KEY_PLAIN, 400, 0},
    {0x90, SIG_KEY11_PRESS, SIG_KEY11_RELEASE, KEY_PLAIN, 200, 0},
    {0x21, SIG_KEY12_PRESS, SIG_KEY12_RELEASE, KEY_PLAIN, 200, 0},
};

uint8_t TAS_PortPattern(uint8_t keyCode) {
  return keyCode < KEY_CODE_COUNT ? kKeyTable[keyCode].portPattern : 0;
}

uint8_t TAS_DecodePort(uint8_t port) {
  if (port == 0) return KEY_CODE_NONE;
  for (uint8_t code = 0; code < KEY_CODE_COUNT; ++code)
    if (kKeyTable[code].portPattern == port) return code;
  return KEY_CODE_INVALID;
}
