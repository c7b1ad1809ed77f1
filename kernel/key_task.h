// Key input task (active object 3) and the 20 ms key scan.
#pragma once

#include "kernel/hsm.h"

StateResult TAS_Task(Hsm* me, const Event* e);
StateResult TAS_Idle(Hsm* me, const Event* e);
StateResult TAS_Pressed(Hsm* me, const Event* e);
StateResult TAS_RepeatDelay(Hsm* me, const Event* e);
StateResult TAS_LongDelay(Hsm* me, const Event* e);
StateResult TAS_Repeat(Hsm* me, const Event* e);
StateResult TAS_FastRepeat(Hsm* me, const Event* e);

// The 20 ms tick routine: debounce, decode, post key changes to the key task.
void TAS_KeyScan();

void TAS_ProcessReset();
