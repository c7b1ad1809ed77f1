// Text output at a point, into a rectangle and character by character.
#include "gui/core/gui.h"
#include "gui/core/gui_codec.h"
#include "gui/core/gui_context.h"
#include "gui/core/gui_text_line.h"
#include "gui/core/gui_text_runs.h"

namespace {

int lineCount(const char* text) {
  int lines = 1;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p == '\n') ++lines;
  }
  return lines;
}

// How far above the given y a text starts for the vertical alignment.
int verticalOffset(uint16_t align) {
  switch (align & GUI_TA_VERTICAL) {
    case GUI_TA_BOTTOM:
      return GUI_GetFontHeight() - 1;
    case 0:
      return 0;
    default:
      return GUI_GetFontHeight() / 2;
  }
}

int lineStartX(int x, uint16_t align, int width) {
  switch (align & GUI_TA_HORIZONTAL) {
    case GUI_TA_RIGHT:
      return x - width;
    case GUI_TA_HCENTER:
      return x - width / 2;
    default:
      return x;
  }
}

}  // namespace

uint16_t GUI_SetTextAlign(uint16_t align) {
  const uint16_t previous = GUI_Ctx.textAlign;
  GUI_Ctx.textAlign = align;
  return previous;
}

void GUI_DispChar(uint16_t c) {
  if (c == '\n') {
    GUI_Ctx.textY = static_cast<int16_t>(GUI_Ctx.textY + GUI_LineDistance());
    GUI_Ctx.textX = GUI_Ctx.leftBorder;
    return;
  }
  if (c == '\r') return;
  GUI_Ctx.font->dispChar(c);
  if (GUI_Ctx.charHook != nullptr) GUI_Ctx.charHook(c);
}

void GUI_DrawCharAt(uint16_t c, int x, int y) {
  GUI_Ctx.textX = static_cast<int16_t>(x);
  GUI_Ctx.textY = static_cast<int16_t>(y);
  GUI_DispChar(c);
  if (c == '\n' || GUI_Ctx.textX <= x) return;
  char bytes[3];
  const int n = GUI_CodecUtf8.encode(bytes, c);
  const GUI_Rect cell{static_cast<int16_t>(x), static_cast<int16_t>(y),
                      static_cast<int16_t>(GUI_Ctx.textX - 1),
                      static_cast<int16_t>(y + GUI_LineDistance() - 1)};
  GUI_TextRunsAdd(bytes, n, GUI_Intersect(cell, GUI_Ctx.clipRect), GUI_TextInkIsDark());
}

int GUI_GetTextWidth(const char* text) {
  if (text == nullptr) return 0;
  int width = 0;
  while (const uint16_t c = GUI_DecodeChar(text)) {
    width += GUI_GetCharWidth(c);
    text += GUI_CharLength(text);
  }
  return width;
}

void GUI_DrawTextInRect(const char* text, const GUI_Rect* r, uint16_t align) {
  if (text == nullptr || r == nullptr) return;
  const GUI_Rect savedClip = GUI_Ctx.clipRect;
  GUI_Ctx.clipRect = GUI_Intersect(GUI_Intersect(*r, savedClip), kDisplayRect);
  const int lh = GUI_LineDistance();
  int y = (align & GUI_TA_VERTICAL) == 0 ? r->y0 : GUI_AlignedTop(*r, align, lineCount(text), lh);
  int remaining = kMaxTextChars;
  for (;;) {
    const int n = GUI_LineChars(text, remaining);
    const int width = GUI_CharsWidth(text, n);
    GUI_DrawLineAt(text, n, GUI_AlignedX(*r, align, width), y, width);
    text += GUI_CharsBytes(text, n);
    remaining -= n;
    y += lh;
    if (*text != '\n' || remaining <= 0) break;
    ++text;
  }
  GUI_Ctx.clipRect = savedClip;
}

void GUI_DrawTextAt(const char* text, int x, int y) {
  if (text == nullptr) return;
  const uint16_t align = GUI_Ctx.textAlign;
  const int offset = verticalOffset(align);
  GUI_Ctx.textX = static_cast<int16_t>(x);
  GUI_Ctx.textY = static_cast<int16_t>(y - offset);
  for (;;) {
    const int n = GUI_LineChars(text, kMaxTextChars);
    const int width = GUI_CharsWidth(text, n);
    const int start = lineStartX(GUI_Ctx.textX, align, width);
    GUI_DrawLineAt(text, n, start, GUI_Ctx.textY, width);
    GUI_Ctx.textX = static_cast<int16_t>(start + width);
    text += GUI_CharsBytes(text, n);
    if (*text != '\n') break;
    ++text;
    GUI_Ctx.textX = static_cast<int16_t>((align & GUI_TA_HORIZONTAL) == 0 ? GUI_Ctx.leftBorder : x);
    GUI_Ctx.textY = static_cast<int16_t>(GUI_Ctx.textY + GUI_LineDistance());
  }
  GUI_Ctx.textY = static_cast<int16_t>(GUI_Ctx.textY + offset);
  GUI_Ctx.textAlign = static_cast<uint16_t>(GUI_Ctx.textAlign & ~GUI_TA_HORIZONTAL);
}

void GUI_DrawTextCenteredAt(const char* text, int x, int y) {
  const uint16_t previous = GUI_Ctx.textAlign;
  GUI_Ctx.textAlign = static_cast<uint16_t>((previous & ~GUI_TA_HORIZONTAL) | GUI_TA_HCENTER);
  GUI_DrawTextAt(text, x, y);
  GUI_Ctx.textAlign = previous;
}
