// Start, reset and supervision of the bus link.
#pragma once

#include <cstdint>

// Everything of the link back to its start values (first action of the link task).
void DIS_InitLink();
// Bus off and on again, frame state cleared; counts a link error.
void DIS_LinkReset();
void DIS_EnableLink();
void DIS_StopLink();
// Called every 1.1 s: no frame for 30 s resets the link; the second reset
// in a row restarts the unit.
void DIS_Supervise();

bool DIS_CyclicRequests();
void DIS_SetCyclicRequests(bool on);

// The identification telegram that opens the exchange.
void DIS_QueueIdentification();

constexpr uint32_t kDisSilenceTicks = 300;  // 100 ms ticks
