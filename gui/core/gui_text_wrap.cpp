// Text with line breaking inside a rectangle.
#include "gui/core/gui.h"
#include "gui/core/gui_codec.h"
#include "gui/core/gui_context.h"
#include "gui/core/gui_text_line.h"

namespace {

struct WrappedLine {
  int chars;  // drawn characters
  int bytes;  // bytes to the start of the next line
};

bool endsLine(uint16_t c) { return c == 0 || c == '\n'; }

// Characters that fit the width, at least one.
int charModeChars(const char* s, int width) {
  int n = 0;
  int sum = 0;
  for (uint16_t c = GUI_DecodeChar(s); !endsLine(c); c = GUI_DecodeChar(s)) {
    sum += GUI_GetCharWidth(c);
    if (n > 0 && sum > width) break;
    ++n;
    s += GUI_CharLength(s);
  }
  return n;
}

// Up to the last word boundary that fits; a word that does not fit on a
// line of its own is split where it stops fitting.
int wordModeChars(const char* s, int width) {
  int n = 0;
  int sum = 0;
  int lastBreak = 0;
  bool onlySpacesSoFar = true;
  for (;;) {
    const uint16_t c = GUI_DecodeChar(s);
    if (endsLine(c)) return n;
    if (c == ' ') {
      lastBreak = n;
    } else if (onlySpacesSoFar) {
      lastBreak = n;
      onlySpacesSoFar = false;
    }
    const int advance = GUI_GetCharWidth(c);
    if (n > 0 && sum + advance > width) break;
    sum += advance;
    ++n;
    s += GUI_CharLength(s);
  }
  return lastBreak != 0 ? lastBreak : n;
}

// Spaces at a word break belong to the line that ends there, as long as
// they would still fit behind its characters.
int consumedSpaces(const char* s, int measured, int width) {
  const char* p = s;
  while (GUI_DecodeChar(p) == ' ') {
    measured += GUI_GetCharWidth(' ');
    if (measured > width) break;
    p += GUI_CharLength(p);
  }
  return static_cast<int>(p - s);
}

WrappedLine nextLine(const char* s, int width, int mode) {
  int n = 0;
  switch (mode) {
    case GUI_WRAPMODE_WORD:
      n = wordModeChars(s, width);
      break;
    case GUI_WRAPMODE_CHAR:
      n = charModeChars(s, width);
      break;
    default:
      n = GUI_LineChars(s, kMaxTextChars);
      break;
  }
  int bytes = GUI_CharsBytes(s, n);
  if (s[bytes] == '\n') {
    ++bytes;
  } else if (mode == GUI_WRAPMODE_WORD) {
    bytes += consumedSpaces(s + bytes, GUI_CharsWidth(s, n), width);
  }
  return WrappedLine{n, bytes};
}

int wrappedLineCount(const char* s, int width, int mode) {
  int lines = 0;
  for (int bytes = nextLine(s, width, mode).bytes; bytes != 0; bytes = nextLine(s, width, mode).bytes) {
    s += bytes;
    ++lines;
  }
  return lines;
}

}  // namespace

void GUI_DrawTextWrapped(const char* text, const GUI_Rect* r, uint16_t align, int wrapMode) {
  if (text == nullptr || r == nullptr) return;
  const int width = r->x1 - r->x0 + 1;
  const int lh = GUI_LineDistance();
  int y = r->y0;
  if ((align & GUI_TA_VERTICAL) != 0)
    y = GUI_AlignedTop(*r, align, wrappedLineCount(text, width, wrapMode), lh);
  GUI_SetClip(r);
  do {
    const WrappedLine line = nextLine(text, width, wrapMode);
    const int lineWidth = GUI_CharsWidth(text, line.chars);
    GUI_DrawLineAt(text, line.chars, GUI_AlignedX(*r, align, lineWidth), y, lineWidth);
    text += line.bytes;
    y += lh;
  } while (GUI_DecodeChar(text) != 0);
  GUI_SetClip(&kDisplayRect);
}
