#include "host/start_language.h"

#include <atomic>

#include "gui/core/text.h"
#include "kernel/app.h"

// The text module may be missing from a partial firmware build; the option
// then does nothing instead of breaking the link.
[[gnu::weak]] void TXT_SetLanguage(LanguageIndex language);

namespace {

std::atomic<int> startLanguage{-1};

void applyStartLanguage(StartKind) {
  const int language = startLanguage;
  if (language >= 0 && HOST_CanSetLanguage()) TXT_SetLanguage(static_cast<LanguageIndex>(language));
}

}  // namespace

bool HOST_CanSetLanguage() { return &TXT_SetLanguage != nullptr; }

void HOST_SetStartLanguage(std::optional<int> language) {
  startLanguage = language.value_or(-1);
  APP_SetStartHook(language ? applyStartLanguage : nullptr);
}
