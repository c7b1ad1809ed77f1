// Active objects: a state machine with its own event queue, and the
// priority scheduler that empties the queues on the application thread.
#pragma once

#include <cstdint>

#include "kernel/hsm.h"

using AoNumber = uint8_t;

constexpr AoNumber AO_BED = 1;  // screens and menus
constexpr AoNumber AO_BEL = 2;  // backlight
constexpr AoNumber AO_TAS = 3;  // key task
constexpr AoNumber AO_DTM = 4;  // timer task
constexpr AoNumber AO_DIS = 5;  // display link
constexpr int kActiveObjectCount = 8;

void AO_Init(AoNumber n);
void AO_ClearReady();
void AO_Start(AoNumber n, StateHandler first, uint32_t par);
bool AO_Post(AoNumber n, Signal sig, uint32_t par);
void AO_Purge(AoNumber n, Signal sig);
void AO_PurgeRange(AoNumber n, Signal lo, Signal hi);
void AO_Run();
Hsm* AO_GetHsm(AoNumber n);
StateHandler AO_GetState(AoNumber n);
uint8_t AO_GetMaxFill(AoNumber n);
uint8_t AO_GetQueueSize(AoNumber n);
// Events queued right now (diagnostics and tests).
uint8_t AO_GetFill(AoNumber n);
