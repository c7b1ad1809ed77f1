// Screen areas, title bar, hint line, timers and the exit step that every
// menu shares.
#pragma once

#include <cstdint>

#include "gui/core/gui_types.h"
#include "gui/core/text.h"
#include "kernel/signals.h"
#include "menus/menu_text_fit.h"

// Alignments: horizontal part and vertical centring.
constexpr uint16_t kAlignLeft = 12;
constexpr uint16_t kAlignRight = 13;
constexpr uint16_t kAlignCentred = 14;

constexpr GUI_Rect kTitleClearRect{0, 0, 239, 27};
constexpr GUI_Rect kContentRect{0, 28, 239, 131};
constexpr GUI_Rect kHintClearRect{0, 132, 239, 159};
constexpr int kTitleLineY = 27;
constexpr int kHintLineY = 132;

// Hint indices of Menu_ShowHint.
enum MenuHint : uint8_t {
  kHintSelectUpDown = 0,
  kHintSelectLeftRight = 1,
  kHintChangeUpDown = 2,
  kHintChangeLeftRight = 3,
  kHintChangeAll = 4,
  kHintContinueOk = 5,
  kHintFinishOk = 6,
  kHintTaken = 7,
  kHintNotTaken = 8,
  kHintTakeOverOk = 9,
  kHintIsSet = 10,
  kHintSeeRemote = 11,
  kHintCircuitChanged = 12,
  kHintWasChosen = 13,
  kHintUnlockReset = 14,
  kHintPleaseWait = 15,
  kHintBackWith = 16,
  kHintAcknowledgeOk = 17,
  kHintContinueDown = 18,
  kHintNone = 19,
};
TextId Menu_HintText(uint8_t index);

void Menu_ClearTitle();
void Menu_DrawTitle(TextId text);
void Menu_DrawTitleCentred(TextId text);
void Menu_DrawTitleRight(TextId text);
void Menu_DrawTitleLine();
void Menu_DrawTitlePair(TextId left, TextId middle);
void Menu_DrawCircuitIndicator(uint8_t circuit);
void Menu_DrawTitleWithCircuit(TextId text);
void Menu_DrawCircuitTitle();
// Title text as a string (for titles with a value).
void Menu_DrawTitleString(const char* text, uint16_t align);

void Menu_ShowHint(uint8_t index);
void Menu_FlushHint();

// Draws `text` into `r` with the current font.
void Menu_DrawText(TextId text, const GUI_Rect& r, uint16_t align);
void Menu_DrawString(const char* text, const GUI_Rect& r, uint16_t align);

// Timer requests to the timer task (ticks of 100 ms; 0 stops).
void Menu_ArmTimer(Signal setSignal, uint32_t ticks);
void Menu_BacklightOperating();
void Menu_BacklightScreenSaver();

// Stops the hint timer, drops queued key events and ends key acceleration.
void Menu_CommonExit();

// Text of a temperature in whole °C, shown in the unit the user chose:
// "53°C", "127°F", or "---°C" when invalid.
void Menu_FormatTemperature(int celsius, bool valid, char* out, int size);
int Menu_CelsiusToShown(int celsius);
