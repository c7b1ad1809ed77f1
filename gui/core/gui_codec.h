// Text codecs: how the bytes of a text become code points.
#pragma once

#include <cstdint>

struct GUI_TextCodec {
  uint16_t (*decode)(const char* s);
  int (*charLength)(const char* s);
  int (*codeLength)(uint16_t c);
  int (*encode)(char* s, uint16_t c);
};

extern const GUI_TextCodec GUI_CodecOneByte;
extern const GUI_TextCodec GUI_CodecUtf8;

// Through the context's current codec.
uint16_t GUI_DecodeChar(const char* s);
int GUI_CharLength(const char* s);
