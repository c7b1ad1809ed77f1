// The edit dialog and the yes/no query, driven by keys through test states
// built from the shared tables.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "gui/core/gui.h"
#include "gui/core/text.h"
#include "kernel/active_object.h"
#include "kernel/app.h"
#include "menus/menu_edit_dialog.h"
#include "menus/menu_query.h"
#include "menus/menu_screen.h"
#include "menus/menu_states.h"
#include "platform/key_port.h"
#include "sim/screen_text.h"
#include "tests/support/test_host.h"

namespace {

constexpr uint64_t kReady = 11000;

int16_t Stored;
int Writes;
bool Remote;
bool YesDone;

void drawNumber(const GUI_Rect* r, int16_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "<%d>", value);
  GUI_DrawTextInRect(text, r, kAlignCentred);
}
int16_t readValue() { return 20; }
void writeValue(int16_t value) {
  Stored = value;
  ++Writes;
}
bool remote() { return Remote; }
void title() { Menu_DrawTitle(166); }

StateResult TestDialog(Hsm* me, const Event* e);
StateResult TestDialogEdit(Hsm* me, const Event* e);
StateResult TestDialogFeedback(Hsm* me, const Event* e);
StateResult TestDialogRemote(Hsm* me, const Event* e);

// A negative step counts as positive.
const EditDialogDef kDialog{&title,
                            &readValue,
                            &writeValue,
                            -2,
                            10,
                            23,
                            &drawNumber,
                            {60, 60, 180, 100},
                            kAccelTemperature,
                            &remote,
                            &TestDialog,
                            &TestDialogEdit,
                            &TestDialogFeedback,
                            &TestDialogRemote};

StateResult TestDialog(Hsm* me, const Event* e) {
  return EditDialog_Container(me, e, &kDialog) ? StateResult(nullptr) : StateResult(&BMM_Menuemonitor);
}
StateResult TestDialogEdit(Hsm* me, const Event* e) {
  return EditDialog_Dialog(me, e, &kDialog) ? StateResult(nullptr) : StateResult(&TestDialog);
}
StateResult TestDialogFeedback(Hsm* me, const Event* e) {
  return EditDialog_Feedback(me, e, &kDialog) ? StateResult(nullptr) : StateResult(&TestDialog);
}
StateResult TestDialogRemote(Hsm* me, const Event* e) {
  return EditDialog_ReadOnly(me, e, &kDialog) ? StateResult(nullptr) : StateResult(&TestDialog);
}

StateResult TestQuery(Hsm* me, const Event* e);
StateResult TestQueryFeedback(Hsm* me, const Event* e);
void yesAction() { YesDone = true; }
const QueryDef kQuery{&title, 158, &yesAction, &TestQuery, &TestQueryFeedback, nullptr};
StateResult TestQuery(Hsm* me, const Event* e) {
  return Query_Question(me, e, &kQuery) ? StateResult(nullptr) : StateResult(&BMM_Menuemonitor);
}
StateResult TestQueryFeedback(Hsm* me, const Event* e) {
  return Query_Feedback(me, e, &kQuery) ? StateResult(nullptr) : StateResult(&BMM_Menuemonitor);
}

class Dialogs : public ::testing::Test {
 protected:
  Dialogs() {
    Stored = 0;
    Writes = 0;
    Remote = false;
    YesDone = false;
    APP_SetStartHook([](StartKind) { TXT_SetLanguage(kLanguageGerman); });
  }
  ~Dialogs() override { APP_SetStartHook(nullptr); }

  void open(uint64_t ms, StateHandler state) {
    test.at(ms, [state] { HSM_Tran(AO_GetHsm(AO_BED), &BKE_Kontrasteinstellung, state, 3); });
  }
  // Presses `hardkey` `times` times from `ms` on; returns the time after the last.
  uint64_t press(uint64_t ms, uint8_t hardkey, int times = 1) {
    for (int i = 0; i < times; ++i, ms += 300) {
      test.at(ms, [this, hardkey] { test.host.setHardkey(hardkey, true); });
      test.at(ms + 100, [this, hardkey] { test.host.setHardkey(hardkey, false); });
    }
    return ms;
  }
  void expectScreenAt(uint64_t ms, const std::string& text, bool* seen) {
    test.at(ms, [this, text, seen] { *seen = !screen_text::find(*test.host.panel(), text).empty(); });
  }

  TestHost test;
};

TEST_F(Dialogs, ValueStaysInItsRangeWithoutWrapAndIsStoredOnOk) {
  open(kReady, &TestDialog);
  bool atMax = false, atMin = false, taken = false, back = false;
  uint64_t t = press(kReady + 300, kHardkeyUp, 3);  // 20 + 2 + 2 would pass 23
  t = press(t, kHardkeyRight);
  expectScreenAt(t + 100, "<23>", &atMax);
  t = press(t + 200, kHardkeyDown, 8);
  t = press(t, kHardkeyLeft);
  expectScreenAt(t + 100, "<10>", &atMin);
  t = press(t + 200, kHardkeyOk);
  expectScreenAt(t + 200, "Übernommen", &taken);
  expectScreenAt(t + 4600, "Kesseltemperatur", &back);  // the feedback returns by itself
  test.runUnitFor(t + 5000);
  EXPECT_TRUE(atMax);
  EXPECT_TRUE(atMin);
  EXPECT_TRUE(taken);
  EXPECT_TRUE(back);
  EXPECT_EQ(Writes, 1);
  EXPECT_EQ(Stored, 10);
}

TEST_F(Dialogs, ValueOwnedElsewhereIsShownReadOnly) {
  Remote = true;
  open(kReady, &TestDialog);
  bool readOnly = false;
  const uint64_t t = press(kReady + 300, kHardkeyUp);
  expectScreenAt(t, "Siehe Fernbedienung", &readOnly);
  test.runUnitFor(t + 200);
  EXPECT_TRUE(readOnly);
  EXPECT_EQ(Writes, 0);
}

TEST_F(Dialogs, QueryStartsOnNoAndActsOnlyOnYes) {
  open(kReady, &TestQuery);
  bool no = false, yes = false, taken = false;
  expectScreenAt(kReady + 200, "Nein", &no);
  uint64_t t = press(kReady + 300, kHardkeyDown);
  expectScreenAt(t, "Ja", &yes);
  t = press(t + 100, kHardkeyOk);
  expectScreenAt(t + 100, "Übernommen", &taken);
  test.runUnitFor(t + 300);
  EXPECT_TRUE(no);
  EXPECT_TRUE(yes);
  EXPECT_TRUE(taken);
  EXPECT_TRUE(YesDone);
}

}  // namespace
