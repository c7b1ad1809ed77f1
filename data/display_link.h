// Display link task (active object 5): the exchange with the boiler controller.
#pragma once

#include "kernel/hsm.h"

StateResult DIS_I2C_Task(Hsm* me, const Event* e);
