#include "kernel/hsm.h"

#include "platform/trace.h"

namespace {
constexpr Event kEmptyEvent{SIG_EMPTY, 0};
constexpr Event kEntryEvent{SIG_ENTRY, 0};
constexpr Event kExitEvent{SIG_EXIT, 0};

StateHandler parentOf(Hsm* me, StateHandler s) { return s(me, &kEmptyEvent).handler; }

StateResult transitionTail(Hsm* me, StateHandler from, StateHandler target, uint32_t par) {
  if (from != target) HSM_EnterPath(me, from, target);
  me->state = target;
  const Event init{SIG_INIT, par};
  return target(me, &init);
}
}  // namespace

StateResult HSM_Top(Hsm* me, const Event* e) {
  if (e->sig == SIG_EXIT_ALL) HSM_ExitTo(me, &HSM_Top);
  return nullptr;
}

void HSM_Ctor(Hsm* me) {
  me->state = &HSM_Top;
  me->source = &HSM_Top;
}

void HSM_Dispatch(Hsm* me, const Event* e) {
  StateHandler s = me->state;
  while (s != nullptr) s = s(me, e).handler;
}

void HSM_Send(Hsm* me, Signal sig, uint32_t par) {
  const Event e{sig, par};
  HSM_Dispatch(me, &e);
}

void HSM_ExitTo(Hsm* me, StateHandler ancestor) {
  StateHandler s = me->state;
  me->source = s;
  while (s != ancestor) {
    StateHandler parent = s(me, &kExitEvent).handler;
    // A state with an exit action answers 0; it must then be asked for its parent.
    if (parent == nullptr) parent = parentOf(me, s);
    me->source = s;
    s = parent;
  }
}

void HSM_EnterPath(Hsm* me, StateHandler ancestor, StateHandler target) {
  StateHandler parent = parentOf(me, target);
  if (parent != ancestor) HSM_EnterPath(me, ancestor, parent);
  target(me, &kEntryEvent);
}

StateResult HSM_Tran(Hsm* me, StateHandler ancestor, StateHandler target, uint32_t par) {
  HSM_ExitTo(me, ancestor);
  return transitionTail(me, ancestor, target, par);
}

StateResult HSM_InitTran(Hsm* me, StateHandler target, uint32_t par) {
  return transitionTail(me, me->state, target, par);
}

void HSM_TraceState(const char* stateName, Signal sig) {
  switch (sig) {
    case SIG_ENTRY:
      TRC_Printf("\n %s Entry", stateName);
      break;
    case SIG_INIT:
      TRC_Printf("\n %s Init", stateName);
      break;
    case SIG_EXIT:
      TRC_Printf("\n %s Exit", stateName);
      break;
    default:
      break;
  }
}
