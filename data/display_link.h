// Display link task (active object 5): the exchange with the boiler
// controller over the two-wire bus.
#pragma once

#include "kernel/hsm.h"

StateResult DIS_I2C_Task(Hsm* me, const Event* e);
StateResult DIS_StartCommunication(Hsm* me, const Event* e);
StateResult DIS_Run(Hsm* me, const Event* e);
