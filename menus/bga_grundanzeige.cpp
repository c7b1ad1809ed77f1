// The basic display: the choice of what to show (messages, the screen saver
// or the basic display menu) and the basic display menu itself.

#include "data/dis_jobs.h"
#include "gui/core/gui.h"
#include "kernel/active_object.h"
#include "kernel/app.h"
#include "menus/menu_fields.h"
#include "menus/menu_list_menu.h"
#include "menus/menu_pictures.h"
#include "menus/menu_screen.h"
#include "menus/menu_state.h"
#include "menus/menu_states.h"

namespace {

constexpr uint8_t kLinkRequestBasicDisplay = 15;
constexpr TextId kTextBoilerTemperature = 150;

// --- Screen choice -----------------------------------------------------

bool commissioningPending() { return DAT_Flag(df::CommissioningPending) != 0; }
bool faultMessage() { return DAT_Get(df::FaultMessage) != 0; }
bool burnerLockedOut() { return DAT_Flag(df::BurnerLockedOut) != 0; }
bool calibration() { return DAT_Flag(df::Calibration) != 0; }
bool parametrisation() { return DAT_Flag(df::BurnerParametrisation) != 0; }
bool filling() { return DAT_Flag(df::FillingActive) != 0; }
bool venting() { return DAT_Flag(df::VentingActive) != 0; }
bool flueGasCheck() { return DAT_Flag(df::FlueGasCheck) != 0; }
bool clockNotSet() { return DAT_Flag(df::ClockNotSet) != 0; }
bool maintenanceMessage() { return DAT_Get(df::MaintenanceMessage) != 0; }

struct ScreenChoice {
  bool (*condition)();
  bool unlessSaver;     // only while the screen-saver request is not set
  StateHandler target;  // nullptr: that screen is not available yet
  uint32_t parameter;
};

// First match wins. The message screens come with later menu modules.
constexpr ScreenChoice kMessageChoices[] = {
    {&commissioningPending, true, nullptr, 6},  // commissioning assistant
    {&faultMessage, false, nullptr, 0},         // fault message
    {&burnerLockedOut, false, nullptr, 0},      // burner control locked out
    {&calibration, true, nullptr, 0},           // calibration active
    {&parametrisation, true, nullptr, 0},       // burner parametrisation active
    {&filling, true, nullptr, 0},               // filling active
    {&venting, true, nullptr, 0},               // venting active
    {&flueGasCheck, true, nullptr, 0},          // chimney-sweep test
    {&clockNotSet, true, nullptr, 10},          // set the clock
    {&maintenanceMessage, false, nullptr, 0},   // maintenance message
};

bool chooseMessage(Hsm* me, bool saverRequested) {
  for (const ScreenChoice& choice : kMessageChoices) {
    if (choice.target == nullptr || (choice.unlessSaver && saverRequested) || !choice.condition()) continue;
    Menu_BacklightOperating();
    HSM_InitTran(me, choice.target, choice.parameter);
    return true;
  }
  return false;
}

void chooseScreen(Hsm* me, uint32_t par) {
  const bool saverRequested = SYS_GetScreenSaverRequest() != 0;
  if (chooseMessage(me, saverRequested)) return;
  if (!saverRequested) {
    Menu_BacklightOperating();
    HSM_InitTran(me, MF_LockedForUser() ? &BGA_GrundanzeigeMenueGesperrt : &BGA_GrundanzeigeMenue, par);
    return;
  }
  Menu_BacklightScreenSaver();
  HSM_InitTran(me, &BRA_RuheAnimation, 0);
}

// --- Basic display menu ------------------------------------------------

void selectDefaultCircuit() { DAT_ChangeCircuit(MF_DefaultCircuit()); }
bool notLocked() { return !MF_LockedForUser(); }
bool hotWaterLine() { return MF_HotWater() && notLocked(); }
bool solarLine() { return MF_Solar() && notLocked(); }

constexpr uint8_t kHelpLine = 7;
constexpr uint32_t kHelpKeyOverview = 17;

constexpr ListMenuLine kLines[] = {
    {259, nullptr, 18, &MF_FaultPending, kInitFresh, nullptr},    // fault dialog
    {291, nullptr, 19, &MF_MaintenanceDue, kInitFresh, nullptr},  // maintenance dialog
    {126, &BEE_Endbenutzermenue, 20, &notLocked, kInitFresh, &selectDefaultCircuit},
    {285, nullptr, 21, &hotWaterLine, kInitFresh, nullptr},  // hot-water set-point
    {237, nullptr, 22, &solarLine, kInitFresh, nullptr},     // solar energy
    {135, nullptr, 23, &notLocked, kInitFresh, nullptr},     // information
    {201, nullptr, 24, nullptr, kInitFresh, nullptr},        // chimney-sweep test
    {129, &BHA_Hilfeanzeige, 17, nullptr, kHelpKeyOverview, nullptr},
};

constexpr MenuPicture kLinePictures[] = {
    MenuPicture::Fault, MenuPicture::Maintenance, MenuPicture::Heating,      MenuPicture::HotWater,
    MenuPicture::Solar, MenuPicture::Information, MenuPicture::FlueGasCheck, MenuPicture::Help,
};

constexpr GUI_Rect kPanelRect{159, 28, 239, 131};
constexpr GUI_Rect kStatusRect{159, 100, 239, 131};

bool showsBurnerStatus(uint8_t line) { return line == 2 || line == 3 || line == 6; }

void drawPanel(uint8_t line) {
  GUI_ClearAreaRect(&kPanelRect);
  GUI_DrawVertical(160, 29, 130);
  MenuPic_Draw(kLinePictures[line], 176, 57);
  if (!showsBurnerStatus(line)) return;
  GUI_ClearAreaRect(&kStatusRect);
  if (MF_BurnerOn()) MenuPic_Draw(MenuPicture::BurnerOn, 185, 104);
}

void drawLine(const GUI_Rect* r, uint8_t line) {
  ListMenu_DrawLineText(r, line);
  if (line == BMM_ListCursor()) drawPanel(line);
}

void drawTitle() {
  Menu_DrawTitle(kTextBoilerTemperature);
  char value[24];
  Menu_FormatTemperature(MF_BoilerCelsius(), MF_BoilerValid(), value, sizeof value);
  Menu_DrawTitleString(value, kAlignRight);
}

ListMenuMemory Memory;

constexpr ListMenuDef kMenu{kLines, 8, {0, 158, 29, 24, 2, 4}, &drawTitle, &drawLine, &Memory, false,
                            false,  0};
constexpr ListMenuDef kLockedMenu{
    kLines, 8, {0, 158, 29, 24, 2, 4}, &drawTitle, &drawLine, &Memory, false, false, kInitFresh};

// Parameters other than 4 and 5 start at the first line.
uint32_t positionParameter(uint32_t par) {
  return (par == kInitReturn || par == kInitRedraw) ? par : kInitFresh;
}

void refreshBasicDisplay(Hsm* me) { HSM_Tran(me, &BGA_Grundanzeige, &BGA_Grundanzeige, kInitRedraw); }

// What both forms of the basic display menu share; `locked` selects the differences.
StateResult basicDisplayMenu(Hsm* me, const Event* e, const ListMenuDef* def, bool locked) {
  switch (e->sig) {
    case SIG_ENTRY:
      ListMenu_Enter(def);
      return nullptr;
    case SIG_INIT:
      ListMenu_Init(def, positionParameter(e->par));
      return nullptr;
    case SIG_EXIT:
      // The hint timer keeps running over a redraw of the basic display;
      // the basic display stops it when it is left.
      ListMenu_SavePosition(def);
      AO_Post(AO_TAS, SIG_TAS_FLUSH, 0);
      return nullptr;
    case SIG_KEY_ANY:
      Menu_ArmTimer(SIG_TIMER_G_SET, kScreenSaverTimeout);
      return &BGA_Grundanzeige;
    case SIG_KEY3_PRESS:
    case SIG_KEY5_PRESS:
    case SIG_KEY6_PRESS:
      // The locked form explains itself on these keys ("Bedienung gesperrt",
      // a screen of a later module); the normal form ignores them.
      return nullptr;
    case SIG_TIMER_G_TIMEOUT:
      if (locked || MEN_Flags().serviceMode == 0) {
        SYS_SetScreenSaverRequest(1);
        HSM_Tran(me, &BGA_Grundanzeige, &BGA_Grundanzeige, 0);
      } else {
        refreshBasicDisplay(me);
      }
      return nullptr;
    case SIG_MENU_TICK:
      refreshBasicDisplay(me);
      return nullptr;
    default:
      break;
  }
  if (ListMenu_Handle(me, e, def)) return nullptr;
  return &BGA_Grundanzeige;
}

}  // namespace

StateResult BGA_Grundanzeige(Hsm* me, const Event* e) {
  HSM_TraceState("BGA_Grundanzeige", e->sig);
  switch (e->sig) {
    case SIG_ENTRY:
      Menu_ArmTimer(SIG_TIMER_G_SET, kScreenSaverTimeout);
      DIS_Request(kLinkRequestBasicDisplay);
      return nullptr;
    case SIG_INIT:
      chooseScreen(me, e->par);
      return nullptr;
    case SIG_EXIT:
      Menu_ArmTimer(SIG_TIMER_C_SET, 0);
      return nullptr;
    case SIG_DATA_STATUS:
      refreshBasicDisplay(me);
      return nullptr;
    case SIG_TIMER_B_TIMEOUT:
      return nullptr;
    case SIG_MENU_INTERNAL_144:
      MEN_EndServiceMode();
      return nullptr;
    default:
      return &BMM_Menuemonitor;
  }
}

StateResult BGA_GrundanzeigeMenue(Hsm* me, const Event* e) {
  HSM_TraceState("BGA_GrundanzeigeMenue", e->sig);
  return basicDisplayMenu(me, e, &kMenu, false);
}

StateResult BGA_GrundanzeigeMenueGesperrt(Hsm* me, const Event* e) {
  HSM_TraceState("BGA_GrundanzeigeMenueGesperrt", e->sig);
  return basicDisplayMenu(me, e, &kLockedMenu, true);
}
