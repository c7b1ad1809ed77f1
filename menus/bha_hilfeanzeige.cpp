// The help display: a topic's title and body, scrolled line by line, with
// a header of date and time for the help on a fault.
#include <cstdio>
#include <cstring>

#include "data/data_image.h"
#include "gui/core/gui.h"
#include "gui/core/lcd.h"
#include "kernel/calendar.h"
#include "menus/bha_help_topics.h"
#include "menus/menu_screen.h"
#include "menus/menu_state.h"
#include "menus/menu_states.h"

namespace {

constexpr uint32_t kFirstCurrentFault = 119;
constexpr uint32_t kFirstHistoryFault = 130;
constexpr uint8_t kFaultSlots = 10;
constexpr TextId kTextCode = 58;
constexpr TextId kTextNoTime = 2;
constexpr TextId kTextClock = 271;

constexpr int kLineX0 = kHelpLineRect.x0;
constexpr int kLineX1 = kHelpLineRect.x1;
constexpr int kFirstLineY = kHelpLineRect.y0;
constexpr int kLinePitch = kHelpLineRect.y1 - kHelpLineRect.y0;
constexpr uint8_t kLinesWithoutHeader = 5;
constexpr uint8_t kMaxBodyLines = 24;

struct HelpDisplay {
  StateHandler returnState;
  uint8_t lineCount;
  uint8_t firstShown;
  bool header;
};

HelpDisplay Help;
char Body[kTextBufferSize];
const char* BodyLines[kMaxBodyLines];
uint8_t BodyLineLengths[kMaxBodyLines];

// Splits the body at its line breaks, in place of nothing: pointers and lengths.
void splitBody() {
  Help.lineCount = 0;
  const char* p = Body;
  while (Help.lineCount < kMaxBodyLines) {
    const char* end = std::strchr(p, '\n');
    const size_t length = end != nullptr ? static_cast<size_t>(end - p) : std::strlen(p);
    BodyLines[Help.lineCount] = p;
    BodyLineLengths[Help.lineCount] = static_cast<uint8_t>(length < 255 ? length : 255);
    ++Help.lineCount;
    if (end == nullptr) break;
    p = end + 1;
  }
}

uint8_t linesThatFit() { return Help.header ? kLinesWithoutHeader - 1 : kLinesWithoutHeader; }
bool scrollable() { return Help.lineCount > linesThatFit(); }
int bodyTop() { return Help.header ? kFirstLineY + kLinePitch : kFirstLineY; }

GUI_Rect lineRect(int slot) {
  const int y = bodyTop() + slot * kLinePitch;
  return GUI_Rect{kLineX0, static_cast<int16_t>(y), kLineX1, static_cast<int16_t>(y + kLinePitch)};
}

void drawBody() {
  const GUI_Rect area{kLineX0, static_cast<int16_t>(Help.header ? 48 : 28), kLineX1, 131};
  GUI_ClearAreaRect(&area);
  for (uint8_t slot = 0; slot < linesThatFit(); ++slot) {
    const uint8_t line = static_cast<uint8_t>(Help.firstShown + slot);
    if (line >= Help.lineCount) break;
    char text[256];
    std::memcpy(text, BodyLines[line], BodyLineLengths[line]);
    text[BodyLineLengths[line]] = '\0';
    Menu_DrawString(text, lineRect(slot), kAlignLeft);
  }
}

struct FaultEntry {
  uint8_t code;
  uint16_t category;
  uint32_t time;
};

bool faultOfTopic(uint32_t par, FaultEntry* fault) {
  DatBlock block;
  uint32_t slot;
  if (par >= kFirstCurrentFault && par < kFirstCurrentFault + kFaultSlots) {
    block = DatBlock::FaultHistoryA;
    slot = par - kFirstCurrentFault;
  } else if (par >= kFirstHistoryFault && par < kFirstHistoryFault + kFaultSlots) {
    block = DatBlock::FaultHistoryB;
    slot = par - kFirstHistoryFault;
  } else {
    return false;
  }
  const uint8_t at = static_cast<uint8_t>(slot * kHistoryEntrySize);
  fault->code = static_cast<uint8_t>(DAT_Get(DAT_Byte(block, at)));
  fault->category = static_cast<uint16_t>(DAT_Get(DAT_Word(block, static_cast<uint8_t>(at + 5))));
  fault->time = DAT_Get(DAT_Long(block, static_cast<uint8_t>(at + 7)));
  return true;
}

void drawFaultHeader(const FaultEntry& fault) {
  char code[32];
  std::snprintf(code, sizeof code, "%s %02X", TXT_Text(kTextCode), fault.code);
  Menu_DrawTitleString(code, kAlignRight);
  const GUI_Rect header{kLineX0, kFirstLineY, kLineX1, kFirstLineY + kLinePitch};
  char clock[16];
  TXT_GetText(kTextClock, clock, sizeof clock);
  char text[48];
  if (fault.time == 0) {
    std::snprintf(text, sizeof text, "%s %s", TXT_Text(kTextNoTime), clock);
    Menu_DrawString(text, header, kAlignRight);
    return;
  }
  DateTime t{};
  CAL_SecondsToRecord(fault.time, &t);
  std::snprintf(text, sizeof text, "%02u.%02u.%04u", t.day, t.month, t.year);
  Menu_DrawString(text, header, kAlignLeft);
  std::snprintf(text, sizeof text, "%02u:%02u:%02u %s", t.hour, t.minute, t.second, clock);
  Menu_DrawString(text, header, kAlignRight);
}

void showScrollHint() { Menu_ShowHint(scrollable() ? kHintContinueDown : kHintFinishOk); }

void open(uint32_t par) {
  const HelpTopic topic = HLP_Topic(par);
  FaultEntry fault{};
  Help.header = faultOfTopic(par, &fault);
  const TextId body = Help.header ? HLP_FaultBody(fault.category, topic.body) : topic.body;
  TXT_GetText(body, Body, sizeof Body);
  splitBody();
  Help.firstShown = 0;

  GUI_ClearScreen();
  Menu_DrawTitle(topic.title);
  if (Help.header) drawFaultHeader(fault);
  Menu_DrawTitleLine();
  drawBody();
  showScrollHint();
  if (scrollable()) Menu_ArmTimer(SIG_TIMER_C_SET, kHintTimeout);
  LCD_Refresh();
}

void scroll(bool down) {
  if (!scrollable()) return;
  if (down) {
    if (Help.firstShown + linesThatFit() >= Help.lineCount) return;
    ++Help.firstShown;
  } else {
    if (Help.firstShown == 0) return;
    --Help.firstShown;
  }
  drawBody();
  Menu_ShowHint(kHintFinishOk);
  Menu_ArmTimer(SIG_TIMER_C_SET, kHintTimeout);
  LCD_Refresh();
}

void leave(Hsm* me) {
  StateHandler target = Help.returnState != nullptr ? Help.returnState : &BGA_Grundanzeige;
  HSM_Tran(me, &BKE_Kontrasteinstellung, target, kInitReturn);
}

}  // namespace

StateResult BHA_Hilfeanzeige(Hsm* me, const Event* e) {
  HSM_TraceState("BHA_Hilfeanzeige", e->sig);
  switch (e->sig) {
    case SIG_ENTRY:
      Help.returnState = MEN_LastLeaf();
      return nullptr;
    case SIG_INIT:
      open(e->par);
      return nullptr;
    case SIG_EXIT:
      Menu_CommonExit();
      return nullptr;
    case SIG_MENU_INTERNAL_6:
      Help.returnState = MEN_StateFromToken(e->par);
      return nullptr;
    case SIG_KEY0_PRESS:
      scroll(false);
      return nullptr;
    case SIG_KEY2_PRESS:
      scroll(true);
      return nullptr;
    case SIG_TIMER_C_TIMEOUT:
      showScrollHint();
      Menu_FlushHint();
      return nullptr;
    case SIG_KEY3_PRESS:
    case SIG_KEY1_PRESS:
    case SIG_MENU_MONITOR_REQUEST:
      leave(me);
      return nullptr;
    case SIG_KEY4_PRESS:
    case SIG_KEY10_PRESS:
    case SIG_KEY12_PRESS:
    case SIG_DATA_198:
      return nullptr;
    default:
      return &BMM_Menuemonitor;
  }
}
