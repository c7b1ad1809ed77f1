#include "menus/menu_text_fit.h"

#include <cstddef>

namespace {

// Hint line.
constexpr TextId kHints[] = {284, 283, 18,  17,  16, 295, 35,  270, 189, 269,
                             140, 233, 118, 299, 83, 49,  311, 207, 296};
// Titles that have the whole bar, and those that share it with a value or
// with the circuit indicator.
constexpr TextId kPlainTitles[] = {
    166, 129, 259, 291, 126, 285, 237, 135, 201, 132, 143, 195, 273, 210, 40,  197, 249, 114, 193, 10,  214,
    305, 95,  115, 179, 178, 225, 177, 68,  173, 72,  101, 224, 248, 8,   220, 183, 190, 289, 302, 303, 30,
    134, 308, 79,  227, 15,  116, 117, 235, 64,  255, 154, 128, 268, 119, 111, 32,  70,  205, 218, 160};
constexpr TextId kTitlesWithValue[] = {150};
constexpr TextId kTitlesWithIndicator[] = {123, 116, 117};
// List lines.
constexpr TextId kPanelListLines[] = {259, 291, 126, 285, 237, 135, 201, 129, 209, 40, 197, 249};
constexpr TextId kMainMenuLines[] = {259, 291, 126, 285, 135, 79, 227};
constexpr TextId kCircuitChoiceLines[] = {116, 117};
// Values and names.
constexpr TextId kOnOff[] = {76, 24};
constexpr TextId kCircuitNames[] = {116, 117};
constexpr TextId kDeviceName[] = {392};
constexpr TextId kResetTitle[] = {218};
// Help bodies, line by line.
constexpr TextId kHelpBodies[] = {
    313, 314, 315, 316, 317, 318, 319, 320, 321, 322, 323, 324, 325, 326, 327, 328, 329, 330, 331, 332,
    333, 334, 335, 336, 337, 338, 339, 340, 342, 343, 344, 345, 346, 347, 348, 349, 350, 351, 352, 353,
    354, 355, 356, 357, 358, 359, 360, 361, 362, 363, 364, 365, 366, 367, 368, 369, 370, 371, 372, 373,
    374, 375, 376, 377, 378, 379, 380, 381, 382, 383, 384, 385, 386, 387, 388, 389, 390, 391};

template <std::size_t N>
constexpr uint8_t countOf(const TextId (&)[N]) {
  return static_cast<uint8_t>(N);
}

}  // namespace

const TextFitArea kTextFitAreas[] = {
    {"hint line", kHintRect, 0, FitFont::Normal, kHints, countOf(kHints), false},
    {"title", kTitleRect, 0, FitFont::Normal, kPlainTitles, countOf(kPlainTitles), false},
    {"title with a value", kTitleRect, kTitleValueRoom, FitFont::Normal, kTitlesWithValue,
     countOf(kTitlesWithValue), false},
    {"title with the circuit indicator", kTitleRect, kCircuitIndicatorRoom, FitFont::Normal,
     kTitlesWithIndicator, countOf(kTitlesWithIndicator), false},
    {"list beside the picture panel", kPanelListLineRect, 0, FitFont::Normal, kPanelListLines,
     countOf(kPanelListLines), false},
    {"main menu line", kFullListLineRect, kMenuIconRoom, FitFont::Normal, kMainMenuLines,
     countOf(kMainMenuLines), false},
    {"circuit choice line", kFullListLineRect, 40, FitFont::Normal, kCircuitChoiceLines,
     countOf(kCircuitChoiceLines), false},
    {"panel value", kPanelValueRect, 0, FitFont::Normal, kOnOff, countOf(kOnOff), false},
    {"circuit feedback name", kFeedbackNameRect, 0, FitFont::Large, kCircuitNames, countOf(kCircuitNames),
     false},
    {"start-up device name", kDeviceNameRect, 0, FitFont::Normal, kDeviceName, countOf(kDeviceName), false},
    {"reset screen", kResetUpperRect, 0, FitFont::Large, kResetTitle, countOf(kResetTitle), false},
    {"help body line", kHelpLineRect, 0, FitFont::Normal, kHelpBodies, countOf(kHelpBodies), true},
};

const uint8_t kTextFitAreaCount = static_cast<uint8_t>(sizeof kTextFitAreas / sizeof kTextFitAreas[0]);

const GUI_Font* MEN_FitFont(FitFont font) {
  switch (font) {
    case FitFont::Small:
      return &FontSmall;
    case FitFont::Large:
      return &FontLarge;
    default:
      return &FontNormal;
  }
}
