#include "cli/start_options.h"

#include "gui/core/text.h"
#include "kernel/app.h"

namespace {
int startLanguage = -1;

void applyStartOptions(StartKind) {
  if (startLanguage >= 0) TXT_SetLanguage(static_cast<LanguageIndex>(startLanguage));
}
}  // namespace

void CLI_ApplyAtEveryStart(std::optional<int> language) {
  startLanguage = language.value_or(-1);
  APP_SetStartHook(startLanguage >= 0 ? &applyStartOptions : nullptr);
}
