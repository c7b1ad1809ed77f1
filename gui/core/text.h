// Text module: every text the unit shows, by id, in the current language;
// the current language, its decimal separator and the choice of font.
#pragma once

#include <cstdint>

#include "gui/core/gui_font.h"

using TextId = uint16_t;
using LanguageIndex = uint8_t;

constexpr TextId TEXT_NONE = 0xFFFF;
constexpr TextId kLastTextId = 394;
constexpr TextId kTextCircuitName1 = 116;
constexpr TextId kTextCircuitName2 = 117;
constexpr LanguageIndex kLanguageGerman = 0;
constexpr LanguageIndex kLastLanguage = 18;
constexpr LanguageIndex kStartLanguage = 14;
constexpr uint16_t kTextBufferSize = 1212;
// Restart reason posted when a text id lies outside the table.
constexpr uint8_t kResetTextIdOutOfRange = 129;

// Clears the shared buffer and starts with language 14.
void TXT_Init();
// Values above 18 select German.
void TXT_SetLanguage(LanguageIndex language);
LanguageIndex TXT_GetLanguage();

// Copies text `id` of the current language into buffer, NUL-terminated, at
// most size - 1 bytes; returns the bytes copied. TEXT_NONE gives an empty
// text; an id above 394 gives an empty text and restarts the unit.
int16_t TXT_GetText(TextId id, char* buffer, uint16_t size);
// Text `id` in the shared buffer, valid until the next call.
const char* TXT_Text(TextId id);

char TXT_DecimalSeparator();

// Select a font; each returns the previous one.
const GUI_Font* TXT_UseFontSmall();
const GUI_Font* TXT_UseFontNormal();
const GUI_Font* TXT_UseFontLarge();
