#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "data/flash.h"
#include "data/param_store.h"
#include "data/param_store_image.h"
#include "gui/core/text.h"
#include "tools/langpack/image_builder.h"

namespace {

namespace L = ps_layout;
using namespace langpack;

std::vector<std::string> packedPoFiles() {
  std::vector<std::string> files;
  std::istringstream list(KALVERO_PO_FILES);
  for (std::string path; std::getline(list, path, '|');) {
    if (!path.empty()) files.push_back(path);
  }
  return files;
}

std::string readText(uint8_t language, uint16_t id) {
  char buffer[kTextBufferSize];
  const uint16_t n = PS_ReadText(language, id, buffer, sizeof buffer);
  EXPECT_EQ(n, std::strlen(buffer));
  return buffer;
}

class LanguageImage : public ::testing::Test {
 protected:
  void SetUp() override { FLASH_ProcessReset(); }
  void TearDown() override { FLASH_ProcessReset(); }
};

// The image built into the program, read back text by text against the
// translation files it was packed from.
TEST_F(LanguageImage, EveryTranslatedTextReadsBackVerbatim) {
  const TextArray german = loadGermanTexts(readPoFile(KALVERO_POT_FILE));
  std::array<bool, kLanguageCount> covered{};
  for (const std::string& path : packedPoFiles()) {
    const PoFile po = readPoFile(path);
    const Language& language = languageOf(po);
    covered[language.index] = true;
    const Translation t = loadTranslation(po, german);
    for (int id = 0; id < kTextCount; ++id) {
      if (id >= kDeviceNameText) continue;  // fixed per language, checked below
      const std::string& expected = t.texts[id].empty() ? german[id] : t.texts[id];
      ASSERT_EQ(readText(static_cast<uint8_t>(language.index), static_cast<uint16_t>(id)), expected)
          << path << " text " << id;
    }
  }
  for (const Language& language : kLanguages) {
    if (language.index == 0) continue;
    const auto i = static_cast<uint8_t>(language.index);
    EXPECT_EQ(readText(i, kDeviceNameText), "Kalvero 200 KM3D");
    EXPECT_EQ(readText(i, kCountryCodeText), language.code);
    EXPECT_EQ(readText(i, kLanguageNameText), language.name);
    if (!covered[i]) {
      EXPECT_EQ(readText(i, 115), german[115]) << language.code << " has no file";
    }
  }
}

TEST_F(LanguageImage, GermanTableMatchesTheTemplate) {
  const TextArray german = loadGermanTexts(readPoFile(KALVERO_POT_FILE));
  TXT_Init();
  TXT_SetLanguage(0);
  for (int id = 0; id < kTextCount; ++id) {
    ASSERT_EQ(std::string(TXT_Text(static_cast<TextId>(id))), german[id]) << id;
  }
  EXPECT_EQ(std::string(TXT_Text(16)), "Ändern mit \u2670");
  EXPECT_EQ(std::string(TXT_Text(384)).substr(0, 8), "Brenner.");
  EXPECT_NE(std::string(TXT_Text(384)).find("\"Feuerungsautomat\"\n"), std::string::npos);
}

TEST_F(LanguageImage, DeliveredLayout) {
  EXPECT_EQ(PS_DeliveredImageSize, FLASH_Size());
  uint32_t words[4] = {};
  FLASH_Read(L::kDeliveredDirectory, words, sizeof words);  // host is little-endian like the image
  EXPECT_EQ(words[0], 19u);
  EXPECT_EQ(words[1], 395u);
  EXPECT_EQ(words[2], words[3]) << "German repeats the first stored language";
  EXPECT_EQ(words[3], L::kDeliveredDirectory + 8 + 4 * 19);
  uint32_t lastEnd = 0;
  uint32_t table18 = 0;
  FLASH_Read(L::kDeliveredDirectory + 8 + 4 * 18, &table18, 4);
  FLASH_Read(table18 + 4 * 395, &lastEnd, 4);
  EXPECT_EQ(lastEnd, PS_DeliveredImageSize) << "the last text ends the image";
}

// --- A damaged image never leads a read outside it. ---

uint32_t wordAt(const std::vector<uint8_t>& image, uint32_t at) {
  return image[at] | image[at + 1] << 8 | image[at + 2] << 16 | static_cast<uint32_t>(image[at + 3]) << 24;
}

void putWord(std::vector<uint8_t>& image, uint32_t at, uint32_t word) {
  for (int k = 0; k < 4; ++k) image[at + k] = static_cast<uint8_t>(word >> (8 * k));
}

std::vector<uint8_t> deliveredImage() {
  return std::vector<uint8_t>(PS_DeliveredImage, PS_DeliveredImage + PS_DeliveredImageSize);
}

uint32_t tableOf(const std::vector<uint8_t>& image, uint32_t language) {
  return wordAt(image, L::kDeliveredDirectory + 8 + 4 * language);
}

void load(const std::vector<uint8_t>& image) {
  FLASH_LoadImage(image.data(), static_cast<uint32_t>(image.size()));
}

TEST_F(LanguageImage, TruncatedImageGivesEmptyTextsPastTheCut) {
  auto image = deliveredImage();
  const uint32_t table = tableOf(image, 3);
  const uint32_t begin = wordAt(image, table + 4 * 200);
  const uint32_t end = wordAt(image, table + 4 * 201);
  ASSERT_GT(end - begin, 2u);
  const std::string before = readText(3, 199);
  image.resize(begin + 2);  // cut inside text 200
  load(image);
  EXPECT_EQ(readText(3, 199), before);
  EXPECT_EQ(readText(3, 200), "");
  EXPECT_EQ(readText(3, 300), "");
  EXPECT_EQ(readText(18, 394), "");
  TXT_Init();
  TXT_SetLanguage(18);
  EXPECT_STREQ(TXT_Text(394), "") << "no fall-back to German while the image is valid";
}

TEST_F(LanguageImage, ImageCutInsideTheHeaderIsInvalid) {
  auto image = deliveredImage();
  image.resize(L::kValidityWordAt + 2);
  load(image);
  EXPECT_FALSE(PS_IsValid());
  EXPECT_EQ(PS_GetWithFallback(PsByte::Contrast), 50);
  TXT_Init();
  TXT_SetLanguage(3);
  EXPECT_STREQ(TXT_Text(394), "Deutsch");
}

TEST_F(LanguageImage, OffsetsOutsideTheImageGiveEmptyTexts) {
  struct Damage {
    const char* what;
    void (*apply)(std::vector<uint8_t>&);
  };
  const Damage damages[] = {
      {"directory past the end", [](auto& im) { putWord(im, L::kDirectoryOffsetAt, 0xFFFFFFF0u); }},
      {"directory at the last byte",
       [](auto& im) { putWord(im, L::kDirectoryOffsetAt, static_cast<uint32_t>(im.size() - 1)); }},
      {"offset table past the end",
       [](auto& im) { putWord(im, L::kDeliveredDirectory + 8 + 12, 0x7FFFFFF0u); }},
      {"text end past the end", [](auto& im) { putWord(im, tableOf(im, 3) + 4 * 116, 0xFFFFFFFFu); }},
      {"text begins past the end",
       [](auto& im) {
         putWord(im, tableOf(im, 3) + 4 * 115, 0xFFFFFF00u);
         putWord(im, tableOf(im, 3) + 4 * 116, 0xFFFFFFFFu);
       }},
      {"text count beyond the table", [](auto& im) { putWord(im, L::kDeliveredDirectory + 4, 0xFFFFFFFFu); }},
  };
  for (const Damage& d : damages) {
    auto image = deliveredImage();
    d.apply(image);
    load(image);
    char buffer[64];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_LE(PS_ReadText(3, 115, buffer, sizeof buffer), sizeof buffer - 1) << d.what;
    if (std::string(d.what) != "text count beyond the table") {
      EXPECT_STREQ(buffer, "") << d.what;
    }
    // Reads far into the table must stay harmless as well.
    for (uint16_t k = 380; k < 395; ++k) PS_ReadText(3, k, buffer, sizeof buffer);
    PS_ReadText(3, 60000, buffer, sizeof buffer);
  }
}

TEST_F(LanguageImage, CountsOfTheDirectoryLimitTheLookup) {
  auto image = deliveredImage();
  putWord(image, L::kDeliveredDirectory, 4);        // four languages
  putWord(image, L::kDeliveredDirectory + 4, 100);  // and 100 texts
  load(image);
  EXPECT_EQ(readText(3, 394), "");
  EXPECT_EQ(readText(4, 0), "");
  EXPECT_EQ(readText(3, 99).empty(), false);
  EXPECT_EQ(readText(3, 100), "");
}

TEST_F(LanguageImage, EmptyOrReversedEntryIsEmpty) {
  auto image = deliveredImage();
  const uint32_t table = tableOf(image, 3);
  putWord(image, table + 4 * 116, wordAt(image, table + 4 * 115));      // 115 empty
  putWord(image, table + 4 * 117, wordAt(image, table + 4 * 115) - 1);  // 116 reversed
  load(image);
  EXPECT_EQ(readText(3, 115), "");
  EXPECT_EQ(readText(3, 116), "");
}

}  // namespace
