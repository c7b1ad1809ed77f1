// Emulation of the microcontroller's interrupt lock and interrupt-routine frame.
#pragma once

#include <cstdint>

// Creates the two locks once per process (later calls do nothing).
void IRQ_InitLocks();

void __disable_interrupt();
void __enable_interrupt();

// Runs an emulated interrupt routine: the interrupt-routine lock is held for
// the whole call and interrupts are disabled around it.
void IRQ_EnterRoutine();
void IRQ_LeaveRoutine();

template <typename Routine>
void IRQ_RunRoutine(Routine&& routine) {
  IRQ_EnterRoutine();
  routine();
  IRQ_LeaveRoutine();
}

// Nesting counter, for diagnostics and tests.
int32_t IRQ_NestingCount();

// Back to the state of a fresh process (tests that boot the unit again).
void IRQ_ProcessReset();
