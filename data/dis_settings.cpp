#include "data/dis_settings.h"

#include "data/data_fields.h"
#include "data/dis_write.h"
#include "data/param_store.h"
#include "gui/core/lcd.h"
#include "gui/core/text.h"

namespace {

constexpr uint8_t kNotSet = 255;
constexpr uint8_t kCommandUnitSettings = 234;
constexpr uint8_t kCommandBrightness = 252;
constexpr uint8_t kUnitSettingsSelector = 3;
constexpr uint8_t kSettingsMarker = 0x55;

struct Level {
  DatField received;
  uint8_t local;
  PsByte fallback;
  uint8_t selector;  // byte 4 of the brightness command
};

constexpr Level kLevels[] = {
    {df::BrightnessValue2, kLocalBrightness2, PsByte::OpBrightness, 1},
    {df::BrightnessValue1, kLocalBrightness1, PsByte::SaverBrightness, 0},
};

void takeLevel(const Level& level) {
  uint8_t value = static_cast<uint8_t>(DAT_Get(level.received));
  if (value == kNotSet) {
    value = PS_GetWithFallback(level.fallback);
    const uint8_t params[] = {level.selector, value};
    DIS_SendCommand(kCommandBrightness, params, sizeof params);
  }
  DAT_Set(DAT_Byte(DatBlock::Local, level.local), value);
}

void takeContrast() {
  uint8_t value = static_cast<uint8_t>(DAT_Get(df::ReportedContrast));
  if (value == kNotSet) {
    value = PS_GetWithFallback(PsByte::Contrast);
    DAT_Set(DAT_Byte(DatBlock::Local, kLocalContrast), value);
    const uint8_t params[] = {kUnitSettingsSelector, value, DAT_GetLanguage(), kSettingsMarker, 0};
    DIS_SendCommand(kCommandUnitSettings, params, sizeof params);
  }
  if (value > kContrastMax) value = kContrastMax;
  DAT_Set(DAT_Byte(DatBlock::Local, kLocalContrast), value);
  LCD_SetContrast(value);
}

void takeLanguage() {
  const auto language = static_cast<uint8_t>(DAT_Get(df::MenuLanguage));
  if (language > kLastLanguage) return;
  TXT_SetLanguage(language);
  DAT_SetLanguage(language);
}

}  // namespace

void DIS_ApplyControllerSettings() {
  for (const Level& level : kLevels) takeLevel(level);
  takeContrast();
  takeLanguage();
}
