// Hierarchical state machine engine.
//
// A state is a handler function. It answers an event with nullptr when it
// handled it, or with its parent's handler when it did not. The hierarchy is
// never stored: the engine asks a state for its parent with SIG_EMPTY.
#pragma once

#include <cstdint>

#include "kernel/signals.h"

struct Event {
  Signal sig;
  uint32_t par;
};

struct Hsm;
struct StateResult;
using StateHandler = StateResult (*)(Hsm* me, const Event* e);

// What a handler returns: nullptr ("handled") or its parent's handler.
struct StateResult {
  StateHandler handler;
  constexpr StateResult(StateHandler h) : handler(h) {}           // NOLINT: implicit by design
  constexpr StateResult(decltype(nullptr)) : handler(nullptr) {}  // NOLINT
};

struct Hsm {
  StateHandler state;
  StateHandler source;
};

// The top state shared by all machines: consumes everything, handles SIG_EXIT_ALL.
StateResult HSM_Top(Hsm* me, const Event* e);

void HSM_Ctor(Hsm* me);
void HSM_Dispatch(Hsm* me, const Event* e);
void HSM_Send(Hsm* me, Signal sig, uint32_t par = 0);

StateResult HSM_Tran(Hsm* me, StateHandler ancestor, StateHandler target, uint32_t par = 0);
StateResult HSM_InitTran(Hsm* me, StateHandler target, uint32_t par = 0);
void HSM_ExitTo(Hsm* me, StateHandler ancestor);
void HSM_EnterPath(Hsm* me, StateHandler ancestor, StateHandler target);

// Writes the state's trace line for SIG_ENTRY, SIG_INIT and SIG_EXIT
// ("\n NAME Entry" and so on); other signals write nothing.
void HSM_TraceState(const char* stateName, Signal sig);
