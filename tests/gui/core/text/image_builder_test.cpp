#include "tools/langpack/image_builder.h"

#include <gtest/gtest.h>

#include "data/param_store_layout.h"

namespace {

using namespace langpack;
namespace L = ps_layout;

uint32_t wordAt(const std::vector<uint8_t>& image, uint32_t at) {
  return image[at] | image[at + 1] << 8 | image[at + 2] << 16 | static_cast<uint32_t>(image[at + 3]) << 24;
}

std::string textAt(const std::vector<uint8_t>& image, int language, int id) {
  const uint32_t table = wordAt(image, L::kDeliveredDirectory + 8 + 4 * language);
  const uint32_t begin = wordAt(image, table + 4 * id);
  const uint32_t end = wordAt(image, table + 4 * id + 4);
  return std::string(image.begin() + begin, image.begin() + end);
}

TextArray germanTexts() {
  TextArray german;
  for (int k = 0; k < kTextCount; ++k) german[k] = "de" + std::to_string(k);
  german[kDeviceNameText] = "Kalvero 200 KM3D";
  return german;
}

TEST(ImageBuilder, UntranslatedTextsFallBackToGermanWithAWarning) {
  const TextArray german = germanTexts();
  Translation t;
  t.texts[5] = "five";
  t.texts[kLanguageNameText] = "Anglais";  // wrong: the table's name wins
  t.line[kLanguageNameText] = 42;
  std::vector<std::string> warnings;
  const TextArray texts = resolveTexts(kLanguages[3], german, &t, "gb.po", warnings);
  EXPECT_EQ(texts[5], "five");
  EXPECT_EQ(texts[6], "de6");
  EXPECT_EQ(texts[kCountryCodeText], "GB");
  EXPECT_EQ(texts[kLanguageNameText], "English");
  EXPECT_EQ(texts[kDeviceNameText], "Kalvero 200 KM3D");
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_EQ(warnings[0], "gb.po:42: warning: text 394 must read \"English\"; the packer uses that");
  EXPECT_EQ(warnings[1].rfind(
                "gb.po: warning: 391 untranslated texts use the German text (ids 0, 1, 2, 3, 4, 6,", 0),
            0u)
      << warnings[1];
}

TEST(ImageBuilder, TextsFollowTheirOffsetTablesBackToBack) {
  const TextArray german = germanTexts();
  std::array<TextArray, kLanguageCount> languages;
  std::vector<std::string> warnings;
  for (int i = 1; i < kLanguageCount; ++i) {
    languages[i] = resolveTexts(kLanguages[i], german, nullptr, "x.po", warnings);
    languages[i][7] = "";  // an empty text
    languages[i][8] = "L" + std::to_string(i) + " ß\n";
  }
  const auto image = buildImage(languages);

  EXPECT_EQ(std::string(image.begin(), image.begin() + 16), std::string("Flash20090427\0\0\0", 16));
  EXPECT_EQ(wordAt(image, L::kValidityWordAt), L::kValidityWord);
  EXPECT_EQ(wordAt(image, L::kDeliveredDeviceBlock), L::kDeliveredDeviceBlockSize);
  EXPECT_EQ(wordAt(image, L::kDeliveredDirectory + 8), wordAt(image, L::kDeliveredDirectory + 12));
  for (int i = 1; i < kLanguageCount; ++i) {
    const uint32_t table = wordAt(image, L::kDeliveredDirectory + 8 + 4 * i);
    EXPECT_EQ(wordAt(image, table), table + 4 * (kTextCount + 1)) << "texts follow the table directly";
    if (i + 1 < kLanguageCount) {
      EXPECT_EQ(wordAt(image, table + 4 * kTextCount),
                wordAt(image, L::kDeliveredDirectory + 8 + 4 * (i + 1)))
          << "the next table follows the last text";
    }
    EXPECT_EQ(textAt(image, i, 7), "");
    EXPECT_EQ(textAt(image, i, 8), "L" + std::to_string(i) + " ß\n");
    EXPECT_EQ(textAt(image, i, kCountryCodeText), kLanguages[i].code);
  }
  const uint32_t lastTable = wordAt(image, L::kDeliveredDirectory + 8 + 4 * 18);
  EXPECT_EQ(wordAt(image, lastTable + 4 * kTextCount), image.size());
}

}  // namespace
