#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "data/flash.h"
#include "data/param_store_layout.h"
#include "gui/core/gui.h"
#include "gui/core/text.h"
#include "kernel/active_object.h"
#include "platform/interrupt.h"
#include "tests/support/test_host.h"

namespace {

std::vector<Event> received;

StateResult Recorder(Hsm*, const Event* e) {
  if (e->sig == SIG_EMPTY) return &HSM_Top;
  if (e->sig > SIG_EXIT_ALL) received.push_back(*e);
  return nullptr;
}

class TextLookup : public ::testing::Test {
 protected:
  void SetUp() override {
    FLASH_ProcessReset();
    received.clear();
    IRQ_InitLocks();
    AO_Init(AO_BED);
    AO_ClearReady();
    AO_Start(AO_BED, &Recorder, 0);
    TXT_Init();
  }
  void TearDown() override {
    FLASH_ProcessReset();
    AO_Init(AO_BED);
    AO_ClearReady();
  }

  static std::string text(TextId id) { return TXT_Text(id); }
  static void spoilValidityWord() {
    const uint8_t zero = 0;
    FLASH_Write(&zero, ps_layout::kValidityWordAt, 1);
  }

  TestHost host;
};

TEST_F(TextLookup, StartsInRussianAndMapsUnknownLanguagesToGerman) {
  EXPECT_EQ(TXT_GetLanguage(), 14);
  TXT_SetLanguage(18);
  EXPECT_EQ(TXT_GetLanguage(), 18);
  TXT_SetLanguage(19);
  EXPECT_EQ(TXT_GetLanguage(), 0);
  TXT_SetLanguage(255);
  EXPECT_EQ(TXT_GetLanguage(), 0);
}

TEST_F(TextLookup, NoTextIsEmptyWithoutAnError) {
  char buffer[10];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(TXT_GetText(TEXT_NONE, buffer, sizeof buffer), 0);
  EXPECT_STREQ(buffer, "");
  AO_Run();
  EXPECT_TRUE(received.empty());
}

TEST_F(TextLookup, IdBeyondTheTableIsEmptyAndRestartsTheUnit) {
  for (const TextId id : {TextId{395}, TextId{0xFFFE}}) {
    received.clear();
    char buffer[10];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(TXT_GetText(id, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
    AO_Run();
    ASSERT_EQ(received.size(), 1u) << id;
    EXPECT_EQ(received[0].sig, SIG_BED_ERROR_RESET);
    EXPECT_EQ(received[0].par, 129u);
  }
}

TEST_F(TextLookup, GermanTextIsCutToTheBuffer) {
  TXT_SetLanguage(0);
  struct Case {
    uint16_t size;
    const char* expected;
  };
  for (const Case& c : {Case{8, "Heizken"}, Case{13, "Heizkennlini"}, Case{14, "Heizkennlinie"},
                        Case{40, "Heizkennlinie"}, Case{1, ""}}) {
    char buffer[48];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(TXT_GetText(115, buffer, c.size), static_cast<int16_t>(std::strlen(c.expected))) << c.size;
    EXPECT_STREQ(buffer, c.expected);
    EXPECT_EQ(buffer[c.size], 'x') << "wrote past the buffer of " << c.size;
  }
}

TEST_F(TextLookup, ZeroSizedBufferIsLeftAlone) {
  char buffer = 'x';
  EXPECT_EQ(TXT_GetText(115, &buffer, 0), 0);
  EXPECT_EQ(buffer, 'x');
}

TEST_F(TextLookup, LanguageImageServesOtherLanguagesWhileItIsValid) {
  TXT_SetLanguage(3);
  EXPECT_EQ(text(394), "English");
  EXPECT_EQ(text(393), "GB");
  EXPECT_EQ(text(392), "Kalvero 200 KM3D");
  spoilValidityWord();
  EXPECT_EQ(text(394), "Deutsch");
  EXPECT_EQ(text(393), "DE");
}

TEST_F(TextLookup, EveryLanguageNamesItself) {
  const char* const names[] = {"Deutsch",   "Česky",     "Dansk",      "English",  "Español",
                               "Estnisch",  "Français",  "Hrvatski",   "Italiano", "Lettisch",
                               "Litauisch", "magyar",    "Nederlands", "Polski",   "Русский",
                               "Română",    "Slovensko", "Svenska",    "Türkçe"};
  for (LanguageIndex i = 0; i <= kLastLanguage; ++i) {
    TXT_SetLanguage(i);
    EXPECT_EQ(text(394), names[i]) << static_cast<int>(i);
  }
}

TEST_F(TextLookup, DecimalSeparatorFollowsTheLanguage) {
  const std::string expected = ",,...,.............";
  for (LanguageIndex i = 0; i <= kLastLanguage; ++i) {
    TXT_SetLanguage(i);
    EXPECT_EQ(TXT_DecimalSeparator(), expected[i]) << static_cast<int>(i);
  }
}

TEST_F(TextLookup, SharedBufferHoldsTheLatestText) {
  TXT_SetLanguage(0);
  const char* first = TXT_Text(392);
  const char* second = TXT_Text(0);
  EXPECT_EQ(first, second);
  EXPECT_STREQ(second, "---");
}

TEST_F(TextLookup, FontChoiceReturnsThePreviousFont) {
  GUI_Startup();
  const GUI_Font* start = TXT_UseFontSmall();
  EXPECT_EQ(TXT_UseFontLarge(), &FontSmall);
  EXPECT_EQ(TXT_UseFontNormal(), &FontLarge);
  EXPECT_EQ(GUI_SelectFont(start), &FontNormal);
}

}  // namespace
