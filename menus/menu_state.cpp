#include "menus/menu_state.h"

namespace {

struct MenuStateBlock {
  MenuFlags flags;
  StateHandler lastLeaf;
  StateHandler lastBelowMonitor;
};

MenuStateBlock State;
uint8_t SaverAngle;

}  // namespace

void MEN_ClearState() {
  State = MenuStateBlock{};
  SaverAngle = 0;
}

MenuFlags& MEN_Flags() { return State.flags; }

uint32_t MEN_IdleDuration() {
  return (State.flags.serviceMode != 0 || State.flags.longTimeout != 0) ? kIdleTimeoutLong
                                                                        : kIdleTimeoutShort;
}

void MEN_EndServiceMode() {
  State.flags.serviceMode = 0;
  State.flags.codingLevel2 = 0;
}

void MEN_RecordExit(StateHandler leaf, StateHandler belowMonitor) {
  State.lastLeaf = leaf;
  State.lastBelowMonitor = belowMonitor;
}

StateHandler MEN_LastLeaf() { return State.lastLeaf; }
StateHandler MEN_LastBelowMonitor() { return State.lastBelowMonitor; }

uint8_t MEN_SaverAngle() { return SaverAngle; }
void MEN_SetSaverAngle(uint32_t angle) { SaverAngle = static_cast<uint8_t>(angle > 180 ? 0 : angle); }

namespace {
constexpr uint8_t kMaxStateTokens = 64;
StateHandler StateTokens[kMaxStateTokens];
}  // namespace

uint32_t MEN_StateToken(StateHandler state) {
  for (uint8_t i = 0; i < kMaxStateTokens; ++i) {
    if (StateTokens[i] == state) return i + 1u;
    if (StateTokens[i] == nullptr) {
      StateTokens[i] = state;
      return i + 1u;
    }
  }
  return 0;
}

StateHandler MEN_StateFromToken(uint32_t token) {
  return (token >= 1 && token <= kMaxStateTokens) ? StateTokens[token - 1] : nullptr;
}
