#include "menus/menu_circuit.h"

#include "menus/menu_fields.h"
#include "menus/menu_state.h"
#include "menus/menu_states.h"

uint8_t Menu_NeighbourCircuit(bool next) {
  const uint8_t count = kNamedCircuitCount;
  const uint8_t current = DAT_GetCurrentCircuit();
  const uint8_t index = static_cast<uint8_t>((current >= 1 && current <= count) ? current - 1 : 0);
  const uint8_t neighbour = static_cast<uint8_t>((index + (next ? 1 : count - 1)) % count);
  return static_cast<uint8_t>(neighbour + 1);
}

void Menu_ChangeCircuit(Hsm* me, bool next) {
  if (MF_CircuitCount() < 2) return;
  DAT_ChangeCircuit(Menu_NeighbourCircuit(next));
  HSM_Tran(me, &BKE_Kontrasteinstellung, &BFA_Feedbackanzeige, kInitFresh);
}
