#include "gui/core/gui_text_line.h"

#include "gui/core/gui.h"
#include "gui/core/gui_codec.h"
#include "gui/core/gui_context.h"
#include "gui/core/gui_text_runs.h"
#include "platform/panel_memory.h"

namespace {

// Collects the UTF-8 form of a drawn line for the text-run record.
class RunText {
 public:
  void append(uint16_t c) {
    char bytes[3];
    const int n = GUI_CodecUtf8.encode(bytes, c);
    if (length_ + n >= PanelTextRun::kMaxTextBytes) return;
    for (int i = 0; i < n; ++i) text_[length_++] = bytes[i];
  }
  const char* text() const { return text_; }
  int length() const { return length_; }

 private:
  char text_[PanelTextRun::kMaxTextBytes];
  int length_ = 0;
};

}  // namespace

bool GUI_TextInkIsDark() {
  if ((GUI_Ctx.textMode & DM_XOR) != 0) return false;
  const DrawMode previous = GUI_SelectDrawMode(static_cast<DrawMode>(GUI_Ctx.textMode));
  const bool dark = GUI_ForegroundIndex() == 0;
  GUI_SelectDrawMode(previous);
  return dark;
}

int GUI_LineChars(const char* s, int maxChars) {
  int n = 0;
  while (n < maxChars) {
    const uint16_t c = GUI_DecodeChar(s);
    if (c == 0 || c == '\n') break;
    s += GUI_CharLength(s);
    ++n;
  }
  return n;
}

int GUI_CharsWidth(const char* s, int n) {
  int width = 0;
  for (int i = 0; i < n; ++i) {
    width += GUI_GetCharWidth(GUI_DecodeChar(s));
    s += GUI_CharLength(s);
  }
  return width;
}

int GUI_CharsBytes(const char* s, int n) {
  const char* p = s;
  for (int i = 0; i < n; ++i) p += GUI_CharLength(p);
  return static_cast<int>(p - s);
}

int GUI_LineDistance() { return GUI_Ctx.font->lineDistance * GUI_Ctx.font->magnificationY; }

void GUI_DrawLineAt(const char* s, int n, int x, int y, int width) {
  GUI_Ctx.textX = static_cast<int16_t>(x);
  GUI_Ctx.textY = static_cast<int16_t>(y);
  const GUI_Rect line{static_cast<int16_t>(x), static_cast<int16_t>(y), static_cast<int16_t>(x + width - 1),
                      static_cast<int16_t>(y + GUI_LineDistance() - 1)};
  if (GUI_Ctx.outerClip != nullptr && !GUI_Overlaps(*GUI_Ctx.outerClip, line)) return;
  RunText run;
  for (int i = 0; i < n; ++i) {
    const uint16_t c = GUI_DecodeChar(s);
    s += GUI_CharLength(s);
    GUI_Ctx.font->dispChar(c);
    if (GUI_Ctx.charHook != nullptr) GUI_Ctx.charHook(c);
    // The record holds what shows: characters without a glyph leave no trace.
    if (GUI_Ctx.font->isInFont(GUI_Ctx.font, c)) run.append(c);
  }
  GUI_TextRunsAdd(run.text(), run.length(), GUI_Intersect(line, GUI_Ctx.clipRect), GUI_TextInkIsDark());
}

int GUI_AlignedX(const GUI_Rect& r, uint16_t align, int width) {
  switch (align & GUI_TA_HORIZONTAL) {
    case GUI_TA_RIGHT:
      return r.x1 - width + 1;
    case GUI_TA_HCENTER:
      return r.x0 + (r.x1 - r.x0 - width) / 2;
    default:
      return r.x0;
  }
}

int GUI_AlignedTop(const GUI_Rect& r, uint16_t align, int lines, int lineHeight) {
  switch (align & GUI_TA_VERTICAL) {
    case 0:
      return r.y0;
    case GUI_TA_VCENTER:
      return r.y0 + (r.y1 - r.y0 + 1 - lines * lineHeight) / 2;
    default:
      return r.y1 - lines * lineHeight + 1;
  }
}
