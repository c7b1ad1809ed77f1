// Timer task (active object 4): one-shot and periodic timers, tick control, clock.
#pragma once

#include <cstdint>

#include "kernel/calendar.h"
#include "kernel/hsm.h"

StateResult DTM_TimerTask(Hsm* me, const Event* e);

// Tick routines, called by the tick sources inside the interrupt-routine frame.
void DTM_Tick1ms(uint32_t ticks);
void DTM_Tick10ms();
void DTM_Tick100ms();

uint32_t DTM_GetTicks100ms();
uint32_t DTM_GetTicks10ms();
uint32_t DTM_GetTicks1ms();
uint32_t DTM_GetClock();
void DTM_GetDateTime(DateTime* record);

// Back to the state of a fresh process (the clock and the periodic counters
// otherwise survive restarts).
void DTM_ProcessReset();
