// Circuit keys of menus that belong to one heating circuit.
#pragma once

#include <cstdint>

#include "kernel/hsm.h"

// The circuit after (or before) the active one, with wrap-around.
uint8_t Menu_NeighbourCircuit(bool next);
// Left/Right in a circuit menu: with more than one circuit, makes the
// neighbour active and shows the circuit feedback.
void Menu_ChangeCircuit(Hsm* me, bool next);
