// Stands in for the controller data image's circuit names until the data
// image answers them: no circuit has a name of its own.
#include "gui/core/text_circuit_name.h"

const uint16_t* DAT_CircuitNameForText(TextId) { return nullptr; }
