// Encloses every menu screen: Menu and Help keys, service mode, the long
// idle time-out and the record of the states left.
#include "kernel/active_object.h"
#include "kernel/app.h"
#include "menus/menu_fields.h"
#include "menus/menu_screen.h"
#include "menus/menu_state.h"
#include "menus/menu_states.h"

namespace {

constexpr uint32_t kHelpShowing = 13;
constexpr uint32_t kHelpNotShowing = 14;
constexpr uint32_t kHelpTopicNone = 16;

// Screens that later menu modules provide; until then the key does nothing.
constexpr StateHandler kServiceMenu = nullptr;            // service menu
constexpr StateHandler kCodingLevel2Menu = nullptr;       // coding level 2
constexpr StateHandler kFifoBufferMenu = nullptr;         // link buffer view
constexpr StateHandler kParticipantWink = nullptr;        // participant wink
constexpr StateHandler kOperationLockedScreen = nullptr;  // "Bedienung gesperrt"

void go(Hsm* me, StateHandler target, uint32_t par) {
  if (target != nullptr) HSM_Tran(me, &BKE_Kontrasteinstellung, target, par);
}

void startServiceMode(Hsm* me) {
  MEN_Flags().serviceMode = 1;
  Menu_ArmTimer(SIG_TIMER_F_SET, kServiceTimeout);
  Menu_ArmTimer(SIG_TIMER_B_SET, MEN_IdleDuration());
  Menu_BacklightOperating();
  SYS_SetScreenSaverRequest(0);
  go(me, kServiceMenu, kInitFresh);
}

void endServiceMode(Hsm* me) {
  MEN_EndServiceMode();
  Menu_ArmTimer(SIG_TIMER_F_SET, 0);
  HSM_Tran(me, &BKE_Kontrasteinstellung, &BGA_Grundanzeige, kInitFresh);
}

void setLongTimeout(uint8_t on) {
  MEN_Flags().longTimeout = on;
  Menu_ArmTimer(SIG_TIMER_B_SET, MEN_IdleDuration());
}

}  // namespace

StateResult BMM_Menuemonitor(Hsm* me, const Event* e) {
  HSM_TraceState("BMM_Menuemonitor", e->sig);
  switch (e->sig) {
    case SIG_ENTRY:
      return nullptr;
    case SIG_EXIT:
      // The state being left is still current, and the engine has just
      // exited the child below this one.
      MEN_RecordExit(me->state, me->source);
      return nullptr;
    case SIG_INIT:
      if (e->par != kStartWarm) {
        MEN_EndServiceMode();
        MEN_Flags().longTimeout = 0;
      }
      HSM_InitTran(me, &BGA_Grundanzeige, kInitReturn);
      return nullptr;
    case SIG_KEY4_PRESS:
      if (MEN_Flags().serviceMode != 0 || MF_MenusMayOpen()) {
        go(me, &BGM_Grundmenue, kInitFresh);
      } else {
        go(me, kOperationLockedScreen, 0);
      }
      return nullptr;
    case SIG_KEY7_PRESS:
      AO_Post(AO_BED, SIG_MENU_MONITOR_REQUEST,
              me->state == &BHA_Hilfeanzeige ? kHelpShowing : kHelpNotShowing);
      return nullptr;
    case SIG_MENU_MONITOR_REQUEST:
      if (e->par == kHelpNotShowing) go(me, &BHA_Hilfeanzeige, kHelpTopicNone);
      return nullptr;
    case SIG_KEY10_PRESS:
      startServiceMode(me);
      return nullptr;
    case SIG_KEY12_PRESS:
      if (MEN_Flags().serviceMode != 0) {
        MEN_Flags().codingLevel2 = 1;
        go(me, kCodingLevel2Menu, kInitFresh);
      }
      return nullptr;
    case SIG_KEY1_LONG:
      if (MEN_LastLeaf() == &BGM_Grundmenue) go(me, kFifoBufferMenu, kInitFresh);
      return nullptr;
    case SIG_TIMER_F_TIMEOUT:
      AO_Post(AO_BED, SIG_MENU_INTERNAL_144, 0);
      return nullptr;
    case SIG_MENU_INTERNAL_144:
      endServiceMode(me);
      return nullptr;
    case SIG_MENU_INTERNAL_145:
      setLongTimeout(1);
      return nullptr;
    case SIG_MENU_INTERNAL_146:
      setLongTimeout(0);
      return nullptr;
    case SIG_DATA_198:
      go(me, kParticipantWink, kInitFresh);
      return nullptr;
    default:
      return &BKE_Kontrasteinstellung;
  }
}
