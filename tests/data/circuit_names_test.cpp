#include <gtest/gtest.h>

#include <string>

#include "data/data_image.h"
#include "gui/core/text.h"
#include "tests/support/test_host.h"

namespace {

class CircuitNames : public ::testing::Test {
 protected:
  CircuitNames() {
    DAT_Init(kStartCold);
    TXT_Init();
  }
  static std::string text(TextId id) {
    char buffer[100];
    TXT_GetText(id, buffer, sizeof buffer);
    return buffer;
  }
  TestHost test;
};

TEST_F(CircuitNames, ReplaceTheirTextsOnlyInTheLanguageTheyWereEnteredIn) {
  const std::string german116 = (TXT_SetLanguage(0), DAT_SetLanguage(1), text(116));
  DAT_SetLanguage(0);  // the demonstration names are German
  EXPECT_EQ(text(116), "Erdgeschoss");
  EXPECT_EQ(text(117), "Obergeschoss");
  EXPECT_EQ(DAT_CircuitNameForText(115), nullptr);
  EXPECT_EQ(DAT_CircuitNameForText(118), nullptr);

  DAT_SetLanguage(1);
  EXPECT_EQ(text(116), german116);
  const uint16_t english[] = {'U', 'p'};
  DAT_SetCircuitName(2, english, 2, 1);
  EXPECT_EQ(text(117), "Up");
  EXPECT_EQ(text(116), german116);
}

TEST_F(CircuitNames, AnEmptyNameLeavesTheText) {
  DAT_SetCircuitName(1, nullptr, 0, 0);
  DAT_SetLanguage(0);
  EXPECT_EQ(DAT_CircuitNameForText(116), nullptr);
  EXPECT_NE(text(116), "");
}

TEST_F(CircuitNames, AnswerPartsComposeTheName) {
  // 16 characters, one outside ASCII, in two parts of 16-bit characters.
  const std::u16string name = u"Dachgeschoss Süd";
  uint8_t bytes[2 * 20] = {};
  for (size_t i = 0; i < name.size(); ++i) {
    bytes[2 * i] = static_cast<uint8_t>(name[i]);
    bytes[2 * i + 1] = static_cast<uint8_t>(name[i] >> 8);
  }
  DAT_StoreCircuitNamePart(2, 1, bytes, 10, 0);
  DAT_StoreCircuitNamePart(2, 2, bytes + 20, 6, 0);
  DAT_SetLanguage(0);
  EXPECT_EQ(text(117), "Dachgeschoss Süd");

  DAT_StoreCircuitNamePart(2, 1, bytes, 4, 0);  // a new name starts with part 1
  EXPECT_EQ(text(117), "Dach");
  DAT_StoreCircuitNamePart(2, 2, bytes, 200, 0);  // more than a part holds
  DAT_StoreCircuitNamePart(3, 1, bytes, 4, 0);    // no circuit 3 name
  EXPECT_EQ(DAT_GetCircuitName(2)->units[4], 0);
  EXPECT_EQ(DAT_GetCircuitName(2)->units[10], 'D');
  EXPECT_EQ(DAT_GetCircuitName(2)->units[19], 'o');
}

}  // namespace
