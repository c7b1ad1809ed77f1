// Where the menus draw texts into fixed rectangles: the rectangles, the
// fonts and the texts drawn there. The menus take their rectangles from
// here, and the translators' check measures every text of every language
// against them.
#pragma once

#include <cstdint>

#include "gui/core/gui_font.h"
#include "gui/core/gui_types.h"
#include "gui/core/text.h"

enum class FitFont : uint8_t { Small, Normal, Large };

struct TextFitArea {
  const char* name;  // where on which screens
  GUI_Rect rect;
  uint8_t reservedRight;  // pixels at the right end taken by a value, icon or indicator
  FitFont font;
  const TextId* texts;
  uint8_t count;
  bool perLine;  // multi-line texts: each line on its own line of the area
};

// Rectangles shared by the menus and the check.
inline constexpr GUI_Rect kTitleRect{1, 0, 238, 26};
inline constexpr GUI_Rect kHintRect{1, 133, 238, 159};
inline constexpr GUI_Rect kPanelListLineRect{1, 0, 157, 23};  // lists beside a picture panel (x 0..158)
inline constexpr GUI_Rect kFullListLineRect{1, 0, 238, 23};   // full-width lists (x 0..239)
inline constexpr GUI_Rect kPanelValueRect{162, 41, 238, 65};
inline constexpr GUI_Rect kFeedbackNameRect{1, 28, 238, 131};
inline constexpr GUI_Rect kHelpLineRect{1, 30, 238, 50};
inline constexpr GUI_Rect kDeviceNameRect{0, 81, 239, 104};
inline constexpr GUI_Rect kVersionRect{0, 107, 239, 130};
inline constexpr GUI_Rect kResetUpperRect{0, 0, 239, 79};
inline constexpr GUI_Rect kResetLowerRect{0, 79, 239, 159};

// Room kept at the right of a title for a value or the circuit indicator,
// and of a main menu line for its icon.
inline constexpr uint8_t kTitleValueRoom = 56;
inline constexpr uint8_t kCircuitIndicatorRoom = 62;
inline constexpr uint8_t kMenuIconRoom = 23;

extern const TextFitArea kTextFitAreas[];
extern const uint8_t kTextFitAreaCount;

const GUI_Font* MEN_FitFont(FitFont font);
