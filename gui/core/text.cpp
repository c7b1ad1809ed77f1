#include "gui/core/text.h"

#include <cstring>

#include "data/param_store.h"
#include "gui/core/gui.h"
#include "gui/core/text_circuit_name.h"
#include "gui/core/text_german.h"
#include "kernel/active_object.h"
#include "kernel/signals.h"

namespace {

LanguageIndex currentLanguage;
char sharedBuffer[kTextBufferSize];

// Decimal separator of each language, by index.
constexpr char kDecimalSeparators[] = ",,...,.............";
static_assert(sizeof(kDecimalSeparators) == kLastLanguage + 2);

// Copies at most size - 1 bytes of length and terminates; size is not 0.
int16_t copyCut(const char* text, size_t length, char* buffer, uint16_t size) {
  if (length >= size) length = size - 1u;
  std::memcpy(buffer, text, length);
  buffer[length] = '\0';
  return static_cast<int16_t>(length);
}

// The user's circuit name in UTF-8; 0 when there is none.
int16_t circuitName(TextId id, char* buffer, uint16_t size) {
  const uint16_t* units = DAT_CircuitNameForText(id);
  if (units == nullptr || units[0] == 0) return 0;
  constexpr int kMaxBytes = 3 * kCircuitNameUnits + 1;
  char utf8[kMaxBytes + 1] = {};
  GUI_EncodeUtf8Text(units, kCircuitNameUnits, utf8, kMaxBytes);
  return copyCut(utf8, strnlen(utf8, kMaxBytes), buffer, size);
}

}  // namespace

void TXT_Init() {
  std::memset(sharedBuffer, 0, sizeof sharedBuffer);
  TXT_SetLanguage(kStartLanguage);
}

void TXT_SetLanguage(LanguageIndex language) {
  currentLanguage = language > kLastLanguage ? kLanguageGerman : language;
}

LanguageIndex TXT_GetLanguage() { return currentLanguage; }

int16_t TXT_GetText(TextId id, char* buffer, uint16_t size) {
  if (id != TEXT_NONE && id > kLastTextId) AO_Post(AO_BED, SIG_BED_ERROR_RESET, kResetTextIdOutOfRange);
  // A zero-sized buffer has no room even for the terminator.
  if (size == 0) return 0;
  buffer[0] = '\0';
  if (id > kLastTextId) return 0;
  if (id == kTextCircuitName1 || id == kTextCircuitName2) {
    const int16_t n = circuitName(id, buffer, size);
    if (n > 0) return n;
  }
  if (currentLanguage != kLanguageGerman && PS_IsValid()) {
    return static_cast<int16_t>(PS_ReadText(currentLanguage, id, buffer, size));
  }
  const char* german = TXT_GermanTexts[id];
  return copyCut(german, std::strlen(german), buffer, size);
}

const char* TXT_Text(TextId id) {
  TXT_GetText(id, sharedBuffer, kTextBufferSize);
  return sharedBuffer;
}

char TXT_DecimalSeparator() { return kDecimalSeparators[currentLanguage]; }
