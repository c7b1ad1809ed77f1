// The user's names of heating circuits 1 and 2, which replace texts 116 and
// 117 while they were entered in the language shown.
#include <cstring>

#include "data/data_image.h"
#include "data/data_image_store.h"

namespace {

constexpr uint8_t kPartLength = kCircuitNameLength / 2;

CircuitName* nameOf(uint8_t circuit) {
  return circuit >= 1 && circuit <= kNamedCircuitCount ? &DAT_Image().circuitNames[circuit - 1] : nullptr;
}

}  // namespace

const CircuitName* DAT_GetCircuitName(uint8_t circuit) { return nameOf(circuit); }

void DAT_SetCircuitName(uint8_t circuit, const uint16_t* units, uint8_t count, uint8_t language) {
  CircuitName* name = nameOf(circuit);
  if (name == nullptr) return;
  if (count > kCircuitNameLength) count = kCircuitNameLength;
  std::memset(name->units, 0, sizeof name->units);
  if (count > 0) std::memcpy(name->units, units, count * sizeof(uint16_t));
  name->language = language;
}

void DAT_StoreCircuitNamePart(uint8_t circuit, uint8_t part, const uint8_t* characters, uint8_t count,
                              uint8_t language) {
  CircuitName* name = nameOf(circuit);
  if (name == nullptr || part < 1 || part > 2) return;
  if (part == 1) std::memset(name->units, 0, sizeof name->units);
  if (count > kPartLength) count = kPartLength;
  uint16_t* target = name->units + (part - 1) * kPartLength;
  for (uint8_t i = 0; i < count; ++i) {
    target[i] = static_cast<uint16_t>(characters[2 * i] | (characters[2 * i + 1] << 8));
  }
  name->language = language;
}

const uint16_t* DAT_CircuitNameForText(uint16_t id) {
  if (id != kCircuitNameText1 && id != kCircuitNameText2) return nullptr;
  const CircuitName* name = nameOf(static_cast<uint8_t>(id - kCircuitNameText1 + 1));
  if (name->units[0] == 0 || name->language != DAT_GetLanguage()) return nullptr;
  return name->units;
}
