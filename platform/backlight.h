// Backlight task (active object 2).
#pragma once

#include "kernel/hsm.h"

StateResult BEL_Task(Hsm* me, const Event* e);
