#include "sim/start_language.h"

#include <atomic>

#include "data/data_image.h"
#include "gui/core/text.h"
#include "kernel/app.h"

namespace {

// Set by the host's thread, read at start-up on the application thread.
std::atomic<int> startLanguage{-1};

void applyStartLanguage(StartKind) {
  const int language = startLanguage;
  if (language < 0) return;
  // Both copies, like the display link does with the controller's language:
  // the circuit names compare against the data image's copy.
  TXT_SetLanguage(static_cast<LanguageIndex>(language));
  DAT_SetLanguage(static_cast<uint8_t>(language));
}

}  // namespace

void SIM_SetStartLanguage(std::optional<int> language) {
  startLanguage = language.value_or(-1);
  APP_SetStartHook(language ? &applyStartLanguage : nullptr);
}
