#include "gui/core/gui_text_runs.h"

#include <cstring>

#include "gui/core/gui_context.h"

namespace {

PanelTextRun Runs[PanelMemory::kMaxTextRuns];
int RunCount;

int area(const GUI_Rect& r) { return GUI_IsEmpty(r) ? 0 : (r.x1 - r.x0 + 1) * (r.y1 - r.y0 + 1); }

GUI_Rect rectOf(const PanelTextRun& run) { return GUI_Rect{run.x0, run.y0, run.x1, run.y1}; }

bool coversHalf(const GUI_Rect& covering, const PanelTextRun& run) {
  const GUI_Rect r = rectOf(run);
  return 2 * area(GUI_Intersect(covering, r)) >= area(r);
}

void removeAt(int index) {
  for (int i = index + 1; i < RunCount; ++i) Runs[i - 1] = Runs[i];
  --RunCount;
}

// Cuts at a character boundary so that the stored text stays valid UTF-8.
int fittingBytes(const char* text, int byteCount) {
  int n = byteCount < PanelTextRun::kMaxTextBytes - 1 ? byteCount : PanelTextRun::kMaxTextBytes - 1;
  if (n == byteCount) return n;
  while (n > 0 && (static_cast<uint8_t>(text[n]) & 0xC0) == 0x80) --n;
  return n;
}

}  // namespace

void GUI_TextRunsClear() { RunCount = 0; }

void GUI_TextRunsAdd(const char* text, int byteCount, const GUI_Rect& where, bool inverted) {
  if (GUI_IsEmpty(where) || byteCount <= 0) return;
  GUI_TextRunsCover(where);
  // A full table drops its oldest run: the newest texts are the ones on screen.
  if (RunCount == PanelMemory::kMaxTextRuns) removeAt(0);
  PanelTextRun& run = Runs[RunCount++];
  run.x0 = where.x0;
  run.y0 = where.y0;
  run.x1 = where.x1;
  run.y1 = where.y1;
  run.inverted = inverted;
  const int n = fittingBytes(text, byteCount);
  std::memcpy(run.text, text, static_cast<size_t>(n));
  run.text[n] = '\0';
}

void GUI_TextRunsCover(const GUI_Rect& where) {
  for (int i = RunCount - 1; i >= 0; --i) {
    if (coversHalf(where, Runs[i])) removeAt(i);
  }
}

void GUI_TextRunsInvert(const GUI_Rect& where) {
  for (int i = 0; i < RunCount; ++i) {
    if (coversHalf(where, Runs[i])) Runs[i].inverted = !Runs[i].inverted;
  }
}

int GUI_TextRunsCount() { return RunCount; }

const PanelTextRun& GUI_TextRunsAt(int index) { return Runs[index]; }

void GUI_TextRunsPublish(PanelMemory& panel) {
  for (int i = 0; i < RunCount; ++i) panel.textRuns[i] = Runs[i];
  panel.textRunCount = RunCount;
}
