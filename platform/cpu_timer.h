// Tick sources: the four periodic host timers and their enable counters.
#pragma once

#include <cstdint>

#include "platform/host_services.h"

// Creates the four host timers once per process; later calls do nothing.
void tim_createTimers();

void tim_enableTimer1ms();
void tim_enableTimer10ms();
void tim_enableTimer20ms();
void tim_enableTimer100ms();
void tim_disableTimer1ms();
void tim_disableTimer10ms();
void tim_disableTimer20ms();
void tim_disableTimer100ms();

// Host timer callback: runs the source's tick routine inside the
// interrupt-routine frame while the source is enabled.
void tim_timerCallback(TickSource source);
// Equivalent to `ticks` calls of the 1 ms callback; the 1 ms routine only
// counts, so the virtual-time host hands over a whole stretch at once.
void tim_timer1msBatch(uint32_t ticks);

int32_t tim_enableCount(TickSource source);
void tim_ProcessReset();
