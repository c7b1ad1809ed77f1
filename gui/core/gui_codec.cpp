// The one-byte and the UTF-8 text codec.
#include "gui/core/gui_codec.h"

#include "gui/core/gui.h"
#include "gui/core/gui_context.h"

namespace {

constexpr const char* kIllegalUtf8 = "Illegal character during UTF-8 decoding!";
constexpr uint16_t kIllegalCode = 1;

uint8_t byteAt(const char* s, int i) { return static_cast<uint8_t>(s[i]); }

uint16_t oneByteDecode(const char* s) { return byteAt(s, 0); }
int oneByteCharLength(const char*) { return 1; }
int oneByteCodeLength(uint16_t) { return 1; }
int oneByteEncode(char* s, uint16_t c) {
  s[0] = static_cast<char>(c & 0xFF);
  return 1;
}

// Length announced by a lead byte; 0 for a byte that cannot lead.
int leadLength(uint8_t b) {
  if (b < 0x80) return 1;
  if ((b & 0xE0) == 0xC0) return 2;
  if ((b & 0xF0) == 0xE0) return 3;
  return 0;
}

// A sequence cut off by the terminating zero ends the text there: the zero
// is never read past. Continuation bytes are otherwise taken as they come.
int presentBytes(const char* s, int length) {
  for (int i = 1; i < length; ++i) {
    if (byteAt(s, i) == 0) return i;
  }
  return length;
}

uint16_t utf8Decode(const char* s) {
  const uint8_t b = byteAt(s, 0);
  const int length = leadLength(b);
  if (length == 0) {
    GUI_ReportError(kIllegalUtf8);
    return kIllegalCode;
  }
  if (presentBytes(s, length) < length) return 0;
  switch (length) {
    case 1:
      return b;
    case 2:
      return static_cast<uint16_t>((b & 0x1F) << 6 | (byteAt(s, 1) & 0x3F));
    default:
      return static_cast<uint16_t>((b & 0x0F) << 12 | (byteAt(s, 1) & 0x3F) << 6 | (byteAt(s, 2) & 0x3F));
  }
}

int utf8CharLength(const char* s) {
  const int length = leadLength(byteAt(s, 0));
  if (length == 0) {
    GUI_ReportError(kIllegalUtf8);
    return 1;
  }
  return presentBytes(s, length);
}

int utf8CodeLength(uint16_t c) {
  if ((c & 0xFF80) == 0) return 1;
  if ((c & 0xF800) == 0) return 2;
  return 3;
}

int utf8Encode(char* s, uint16_t c) {
  switch (utf8CodeLength(c)) {
    case 1:
      s[0] = static_cast<char>(c);
      return 1;
    case 2:
      s[0] = static_cast<char>(0xC0 | (c >> 6));
      s[1] = static_cast<char>(0x80 | (c & 0x3F));
      return 2;
    default:
      s[0] = static_cast<char>(0xE0 | (c >> 12));
      s[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      s[2] = static_cast<char>(0x80 | (c & 0x3F));
      return 3;
  }
}

}  // namespace

const GUI_TextCodec GUI_CodecOneByte = {oneByteDecode, oneByteCharLength, oneByteCodeLength, oneByteEncode};
const GUI_TextCodec GUI_CodecUtf8 = {utf8Decode, utf8CharLength, utf8CodeLength, utf8Encode};

void GUI_SelectUtf8() { GUI_Ctx.codec = &GUI_CodecUtf8; }

uint16_t GUI_DecodeChar(const char* s) { return GUI_Ctx.codec->decode(s); }
int GUI_CharLength(const char* s) { return GUI_Ctx.codec->charLength(s); }

int GUI_DecodeUtf8Text(const char* bytes, int byteCount, uint16_t* out, int maxCount) {
  int count = 0;
  int i = 0;
  while (i < byteCount && count < maxCount) {
    const int length = leadLength(byteAt(bytes, i));
    // A sequence cut off by the end of the bytes is not read beyond them.
    if (length > byteCount - i) break;
    out[count++] = utf8Decode(bytes + i);
    i += length == 0 ? 1 : length;
  }
  return count;
}

int GUI_EncodeUtf8Text(const uint16_t* codes, int count, char* out, int byteLimit) {
  int written = 0;
  for (int i = 0; i < count; ++i) {
    if (written + utf8CodeLength(codes[i]) > byteLimit) break;
    written += utf8Encode(out + written, codes[i]);
  }
  return written;
}
