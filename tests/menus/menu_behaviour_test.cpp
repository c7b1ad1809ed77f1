// Menu behaviour over time that needs a look into the unit: start-up
// timing, contrast keys, locked operation, lines that disappear while shown
// and the help page of a fault.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "data/data_fields.h"
#include "data/data_image.h"
#include "gui/core/lcd.h"
#include "gui/core/text.h"
#include "kernel/active_object.h"
#include "kernel/app.h"
#include "menus/menu_states.h"
#include "platform/key_port.h"
#include "sim/screen_text.h"
#include "tests/support/test_host.h"

namespace {

constexpr uint64_t kBasicDisplayShown = 11000;  // start-up is over by then

// Records when each state's Entry or Init was first traced.
class MenuHost : public TestHost {
 public:
  MenuHost() {
    APP_SetStartHook([](StartKind) {
      TXT_SetLanguage(kLanguageGerman);
      DAT_SetLanguage(kLanguageGerman);
    });
  }
  ~MenuHost() override { APP_SetStartHook(nullptr); }

  void onTrace(uint64_t timeMs, const char* text) override {
    TestHost::onTrace(timeMs, text);
    firstSeen.emplace(text, timeMs);
  }

  void press(uint64_t ms, uint8_t hardkey) {
    at(ms, [this, hardkey] { host.setHardkey(hardkey, true); });
    at(ms + 100, [this, hardkey] { host.setHardkey(hardkey, false); });
  }

  bool shows(const std::string& text, bool inverted = false) {
    return !screen_text::find(*host.panel(), text, inverted).empty();
  }
  std::string screen() { return screen_text::dump(*host.panel()); }
  // Whether `text` shows at virtual time `ms` (read after the run).
  std::shared_ptr<bool> showsAt(uint64_t ms, const std::string& text, bool inverted = false) {
    auto seen = std::make_shared<bool>(false);
    at(ms, [this, seen, text, inverted] { *seen = shows(text, inverted); });
    return seen;
  }

  std::map<std::string, uint64_t> firstSeen;
};

TEST(StartUp, TestWindowOfThreeSecondsThenAtMostSevenSecondsForTheLink) {
  MenuHost slow;  // no link: the time-out ends the start-up
  slow.runUnitFor(kBasicDisplayShown);
  const uint64_t start = slow.firstSeen.at("\n BLA_PruefprogrammStart Entry");
  EXPECT_EQ(slow.firstSeen.at("\n BLA_KommunikationStart Entry") - start, 3000u);
  EXPECT_EQ(slow.firstSeen.at("\n BGA_Grundanzeige Init") - start, 10000u);

  MenuHost fast;  // the link reports its start earlier
  fast.at(5000, [] { AO_Post(AO_BED, SIG_DIS_STARTED, 0); });
  fast.runUnitFor(kBasicDisplayShown);
  EXPECT_LE(fast.firstSeen.at("\n BGA_Grundanzeige Init"), 5100u);
}

TEST(ContrastKeys, WrapAtBothEnds) {
  MenuHost test;
  test.at(kBasicDisplayShown, [] { LCD_SetContrast(99); });
  test.press(kBasicDisplayShown + 100, kHardkeyOkUp);
  test.runUnitFor(kBasicDisplayShown + 500);
  EXPECT_EQ(LCD_GetContrast(), 0);
  EXPECT_EQ(DAT_GetContrast(), 0);

  MenuHost down;
  down.at(kBasicDisplayShown, [] { LCD_SetContrast(0); });
  down.press(kBasicDisplayShown + 100, kHardkeyOkDown);
  down.runUnitFor(kBasicDisplayShown + 500);
  EXPECT_EQ(LCD_GetContrast(), 99);
  EXPECT_EQ(DAT_GetContrast(), 99);
}

TEST(LockedOperation, ShowsOnlyTheUnlockedLinesAndHelpHasNoTopic) {
  MenuHost test;
  test.at(1000, [] { DAT_Set(df::OperationLockField, df::kOperationLocked); });
  const auto checkFlueGas = test.showsAt(kBasicDisplayShown, "Prüfbetrieb", true);
  const auto checkHelp = test.showsAt(kBasicDisplayShown, "Hilfe");
  std::vector<std::shared_ptr<bool>> hidden;
  for (const char* line : {"Heizung", "Warmwasser", "Solarenergie", "Information"})
    hidden.push_back(test.showsAt(kBasicDisplayShown, line));
  // OK on "Hilfe" passes 3 as the topic, which falls back to "no help".
  test.press(kBasicDisplayShown + 200, kHardkeyDown);
  test.press(kBasicDisplayShown + 600, kHardkeyOk);
  test.runUnitFor(kBasicDisplayShown + 1200);
  EXPECT_NE(test.traces.find(" BGA_GrundanzeigeMenueGesperrt Init"), std::string::npos);
  EXPECT_TRUE(*checkFlueGas);
  EXPECT_TRUE(*checkHelp);
  for (const auto& shown : hidden) EXPECT_FALSE(*shown);
  EXPECT_TRUE(test.shows("Für diesen Dialog ist keine")) << test.screen();
}

TEST(LockedOperation, ServiceModeShowsTheNormalMenu) {
  MenuHost test;
  test.at(1000, [] { DAT_Set(df::OperationLockField, df::kOperationLocked); });
  test.at(kBasicDisplayShown, [&test] { test.host.setHardkey(kHardkeyMenuOk, true); });
  test.at(kBasicDisplayShown + 4500, [&test] { test.host.setHardkey(kHardkeyMenuOk, false); });
  test.at(kBasicDisplayShown + 5500, [] { AO_Post(AO_BED, SIG_DATA_STATUS, 0); });  // choose again
  test.runUnitFor(kBasicDisplayShown + 6000);
  EXPECT_NE(test.traces.find(" BGA_GrundanzeigeMenue Init"), std::string::npos);
  EXPECT_TRUE(test.shows("Solarenergie")) << test.screen();
}

TEST(MainMenu, AFaultThatDisappearsMovesTheCursorToTheNextLine) {
  MenuHost test;
  test.at(1000, [] { DAT_Set(df::FaultIndication, 1); });
  test.press(kBasicDisplayShown, kHardkeyMenu);
  const auto faultSelected = test.showsAt(kBasicDisplayShown + 500, "Störung", true);
  test.at(kBasicDisplayShown + 600, [] { DAT_Set(df::FaultIndication, 0); });
  test.runUnitFor(kBasicDisplayShown + 6000);  // the periodic refresh applies it
  EXPECT_TRUE(*faultSelected);
  EXPECT_FALSE(test.shows("Störung"));
  EXPECT_TRUE(test.shows("Heizung", true)) << test.screen();
}

TEST(Help, AFaultPageShowsCodeDateAndTimeAndFourBodyLines) {
  MenuHost test;
  test.at(kBasicDisplayShown, [] {
    HSM_Tran(AO_GetHsm(AO_BED), &BKE_Kontrasteinstellung, &BHA_Hilfeanzeige, 130);  // history entry 0
  });
  test.runUnitFor(kBasicDisplayShown + 300);
  EXPECT_TRUE(test.shows("Störung")) << test.screen();
  EXPECT_TRUE(test.shows("Code 25"));
  EXPECT_TRUE(test.shows("Uhr"));
  const auto body = screen_text::runs(*test.host.panel());
  int bodyLines = 0;
  for (const auto& run : body)
    if (run.y0 >= 50 && run.y1 <= 131) ++bodyLines;
  EXPECT_LE(bodyLines, 4);

  MenuHost empty;  // an empty slot has no time stamp
  empty.at(kBasicDisplayShown,
           [] { HSM_Tran(AO_GetHsm(AO_BED), &BKE_Kontrasteinstellung, &BHA_Hilfeanzeige, 128); });
  empty.runUnitFor(kBasicDisplayShown + 300);
  EXPECT_TRUE(empty.shows("--:-- Uhr")) << empty.screen();
  EXPECT_TRUE(empty.shows("Code 00"));
}

}  // namespace
