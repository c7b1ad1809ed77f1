#include "menus/menu_screen.h"

#include <cstdio>

#include "gui/core/gui.h"
#include "gui/core/lcd.h"
#include "kernel/active_object.h"
#include "menus/menu_fields.h"

namespace {

constexpr TextId kHintTexts[kHintNone] = {284, 283, 18,  17,  16, 295, 35,  270, 189, 269,
                                          140, 233, 118, 299, 83, 49,  311, 207, 296};
constexpr TextId kTextCelsius = 3;
constexpr TextId kTextFahrenheit = 4;
constexpr TextId kTextInvalid = 0;
constexpr TextId kTextCircuitLabel1 = 130;
constexpr TextId kTextCircuitLabel2 = 131;

constexpr const char* kIndicatorOpen = "\u266C";
constexpr const char* kIndicatorClose = "\u266D";
constexpr int kIndicatorBoxTop = 3;
constexpr int kIndicatorBoxBottom = 23;
constexpr int kIndicatorLabelGap = 5;

int textWidth(const char* text) { return GUI_GetTextWidth(text); }

TextId circuitLabel(uint8_t circuit) { return circuit == 2 ? kTextCircuitLabel2 : kTextCircuitLabel1; }

// Width of the indicator at the right end of the title bar.
int indicatorWidth(uint8_t circuit) {
  const int label = textWidth(TXT_Text(circuitLabel(circuit)));
  return textWidth(kIndicatorOpen) + label + textWidth(kIndicatorClose) + 10;
}

}  // namespace

TextId Menu_HintText(uint8_t index) { return index < kHintNone ? kHintTexts[index] : TEXT_NONE; }

void Menu_DrawString(const char* text, const GUI_Rect& r, uint16_t align) {
  GUI_DrawTextInRect(text, &r, align);
}

void Menu_DrawText(TextId text, const GUI_Rect& r, uint16_t align) {
  Menu_DrawString(TXT_Text(text), r, align);
}

void Menu_ClearTitle() { GUI_ClearAreaRect(&kTitleClearRect); }

void Menu_DrawTitle(TextId text) { Menu_DrawText(text, kTitleRect, kAlignLeft); }
void Menu_DrawTitleCentred(TextId text) { Menu_DrawText(text, kTitleRect, kAlignCentred); }
void Menu_DrawTitleRight(TextId text) { Menu_DrawText(text, kTitleRect, kAlignRight); }
void Menu_DrawTitleString(const char* text, uint16_t align) { Menu_DrawString(text, kTitleRect, align); }
void Menu_DrawTitleLine() { GUI_DrawHorizontal(kTitleLineY, 0, LCD_XSIZE - 1); }

void Menu_DrawTitlePair(TextId left, TextId middle) {
  Menu_DrawTitle(left);
  const bool twoCircuits = MF_CircuitCount() >= 2;
  GUI_Rect middleRect = kTitleRect;
  middleRect.x0 = static_cast<int16_t>(kTitleRect.x0 + textWidth(TXT_Text(left)));
  if (twoCircuits) {
    const TextId label = circuitLabel(DAT_GetCurrentCircuit());
    Menu_DrawTitleRight(label);
    middleRect.x1 = static_cast<int16_t>(kTitleRect.x1 - textWidth(TXT_Text(label)));
  }
  Menu_DrawText(middle, middleRect, twoCircuits ? kAlignCentred : kAlignRight);
}

void Menu_DrawCircuitIndicator(uint8_t circuit) {
  const int width = indicatorWidth(circuit);
  const int x0 = kTitleRect.x1 - width + 1;
  GUI_ClearArea(x0, kTitleRect.y0, kTitleRect.x1, kTitleRect.y1);
  const GUI_Rect box{static_cast<int16_t>(x0), kTitleRect.y0, kTitleRect.x1, kTitleRect.y1};
  Menu_DrawString(kIndicatorOpen, box, kAlignLeft);
  Menu_DrawString(kIndicatorClose, box, kAlignRight);
  const char* label = TXT_Text(circuitLabel(circuit));
  const int labelRight = kTitleRect.x1 - textWidth(kIndicatorClose) - kIndicatorLabelGap;
  const GUI_Rect labelBox{static_cast<int16_t>(labelRight - textWidth(label) - 1), kIndicatorBoxTop,
                          static_cast<int16_t>(labelRight), kIndicatorBoxBottom};
  Menu_DrawString(label, labelBox, kAlignCentred);
  GUI_InvertArea(labelBox.x0, labelBox.y0, labelBox.x1, labelBox.y1);
}

void Menu_DrawTitleWithCircuit(TextId text) {
  const uint8_t circuit = DAT_GetCurrentCircuit();
  GUI_Rect left = kTitleRect;
  left.x1 = static_cast<int16_t>(kTitleRect.x1 - indicatorWidth(circuit));
  Menu_DrawText(text, left, kAlignLeft);
  Menu_DrawCircuitIndicator(circuit);
}

void Menu_DrawCircuitTitle() {
  Menu_DrawTitleWithCircuit(DAT_GetCurrentCircuit() == 2 ? kTextCircuitName2 : kTextCircuitName1);
}

void Menu_ShowHint(uint8_t index) {
  GUI_ClearAreaRect(&kHintClearRect);
  if (index < kHintNone) Menu_DrawText(Menu_HintText(index), kHintRect, kAlignCentred);
  GUI_DrawHorizontal(kHintLineY, 0, LCD_XSIZE - 1);
}

void Menu_FlushHint() { LCD_RefreshArea(&kHintClearRect); }

void Menu_ArmTimer(Signal setSignal, uint32_t ticks) { AO_Post(AO_DTM, setSignal, ticks); }
void Menu_BacklightOperating() { AO_Post(AO_BEL, SIG_BEL_RAMP_LEVEL2, 0); }
void Menu_BacklightScreenSaver() { AO_Post(AO_BEL, SIG_BEL_RAMP_LEVEL1, 0); }

void Menu_CommonExit() {
  Menu_ArmTimer(SIG_TIMER_C_SET, 0);
  AO_Post(AO_TAS, SIG_TAS_FLUSH, 0);
  AO_Post(AO_TAS, SIG_TAS_ACCEL, 0);
}

int Menu_CelsiusToShown(int celsius) {
  if (!MF_Fahrenheit()) return celsius;
  return (celsius >= 0 ? celsius * 18 + 5 : celsius * 18 - 5) / 10 + 32;
}

void Menu_FormatTemperature(int celsius, bool valid, char* out, int size) {
  char unit[16];
  TXT_GetText(MF_Fahrenheit() ? kTextFahrenheit : kTextCelsius, unit, sizeof unit);
  if (!valid) {
    std::snprintf(out, static_cast<size_t>(size), "%s%s", TXT_Text(kTextInvalid), unit);
    return;
  }
  std::snprintf(out, static_cast<size_t>(size), "%d%s", Menu_CelsiusToShown(celsius), unit);
}
