#include "tools/langpack/image_builder.h"

#include "data/param_store_layout.h"

namespace langpack {

namespace L = ps_layout;

namespace {

static_assert(L::kLanguageCount == kLanguageCount && L::kTextCount == kTextCount);

void putWord(std::vector<uint8_t>& image, uint32_t at, uint32_t word) {
  for (int k = 0; k < 4; ++k) image[at + k] = static_cast<uint8_t>(word >> (8 * k));
}

void putBytes(std::vector<uint8_t>& image, uint32_t at, const std::string& bytes) {
  for (size_t k = 0; k < bytes.size(); ++k) image[at + k] = static_cast<uint8_t>(bytes[k]);
}

void putUtf16Le(std::vector<uint8_t>& image, uint32_t at, const std::string& ascii) {
  for (size_t k = 0; k < ascii.size(); ++k) image[at + 2 * k] = static_cast<uint8_t>(ascii[k]);
}

void putHeader(std::vector<uint8_t>& image) {
  putBytes(image, 0, L::kIdentText);
  putWord(image, L::kDirectoryOffsetAt, L::kDeliveredDirectory);
  putWord(image, L::kDeviceBlockOffsetAt, L::kDeliveredDeviceBlock);
  putWord(image, L::kValidityWordAt, L::kValidityWord);
}

void putDeviceBlock(std::vector<uint8_t>& image) {
  const uint32_t b = L::kDeliveredDeviceBlock;
  putWord(image, b + L::kBlockSizeWord, L::kDeliveredDeviceBlockSize);
  putBytes(image, b + L::kIdentNumber, "3720615000000000");
  putBytes(image, b + L::kIdentField2, "0000000");
  putBytes(image, b + L::kIdentField3, "0000000");
  struct ByteField {
    uint32_t offset;
    uint8_t value;
  };
  constexpr ByteField kBytes[] = {
      {L::kDeviceByte, 5},         {L::kOpBrightnessMin, 30},
      {L::kOpBrightnessMax, 200},  {L::kOpBrightness, 120},
      {L::kSaverBrightnessMin, 2}, {L::kSaverBrightnessMax, 20},
      {L::kSaverBrightness, 10},   {L::kByte43, 1},
      {L::kReservedFlag, 0xFF},    {L::kContrast, 9},
      {L::kFactoryFlag, 0},
  };
  for (const ByteField& f : kBytes) image[b + f.offset] = f.value;
  putUtf16Le(image, b + L::kCircuitName1, "Heizkreis 1");
  putUtf16Le(image, b + L::kCircuitName2, "Heizkreis 2");
  constexpr uint16_t kWords[] = {0x013C, 0x013D, 0x013E, 0x013F, 0x0140, 0x0142, 0x0144,
                                 0x0148, 0x0149, 0x014A, 0x014C, 0x014E, 0x0150, 0x0154,
                                 0x0158, 0x015C, 0x015E, 0x0162, 0x0164, 0x0168};
  for (size_t k = 0; k < std::size(kWords); ++k) {
    image[b + L::kWordTable + 2 * k] = static_cast<uint8_t>(kWords[k]);
    image[b + L::kWordTable + 2 * k + 1] = static_cast<uint8_t>(kWords[k] >> 8);
  }
}

// Offset table (T + 1 offsets) followed by the texts; returns where the
// table starts.
uint32_t appendLanguage(std::vector<uint8_t>& image, const TextArray& texts) {
  const auto table = static_cast<uint32_t>(image.size());
  image.resize(image.size() + 4 * (kTextCount + 1));
  auto offset = static_cast<uint32_t>(image.size());
  for (int k = 0; k < kTextCount; ++k) {
    putWord(image, table + 4 * k, offset);
    image.insert(image.end(), texts[k].begin(), texts[k].end());
    offset = static_cast<uint32_t>(image.size());
  }
  putWord(image, table + 4 * kTextCount, offset);
  return table;
}

}  // namespace

TextArray resolveTexts(const Language& language, const TextArray& german, const Translation* translation,
                       const std::string& source, std::vector<std::string>& warnings) {
  TextArray texts;
  std::string fallbackIds;
  int fallbacks = 0;
  for (int k = 0; k < kTextCount; ++k) {
    if (translation != nullptr && !translation->texts[k].empty()) {
      texts[k] = translation->texts[k];
      continue;
    }
    texts[k] = german[k];
    if (k == kDeviceNameText || k == kCountryCodeText || k == kLanguageNameText) continue;
    if (++fallbacks <= 12) fallbackIds += (fallbacks > 1 ? ", " : "") + std::to_string(k);
  }
  const struct {
    int id;
    std::string text;
  } fixed[] = {{kDeviceNameText, german[kDeviceNameText]},
               {kCountryCodeText, language.code},
               {kLanguageNameText, language.name}};
  for (const auto& f : fixed) {
    if (translation != nullptr && !translation->texts[f.id].empty() && translation->texts[f.id] != f.text) {
      warnings.push_back(source + ":" + std::to_string(translation->line[f.id]) + ": warning: text " +
                         std::to_string(f.id) + " must read \"" + f.text + "\"; the packer uses that");
    }
    texts[f.id] = f.text;
  }
  if (translation == nullptr) {
    warnings.push_back(source + ": warning: file missing; language " + language.code +
                       " uses the German texts");
  } else if (fallbacks > 0) {
    warnings.push_back(source + ": warning: " + std::to_string(fallbacks) +
                       " untranslated texts use the German text (ids " + fallbackIds +
                       (fallbacks > 12 ? ", ..." : "") + ")");
  }
  return texts;
}

std::vector<uint8_t> buildImage(const std::array<TextArray, kLanguageCount>& languages) {
  std::vector<uint8_t> image(L::kDeliveredDirectory + L::kLanguageTablesAt + 4 * kLanguageCount, 0);
  putHeader(image);
  putDeviceBlock(image);
  const uint32_t directory = L::kDeliveredDirectory;
  putWord(image, directory + L::kLanguageCountAt, kLanguageCount);
  putWord(image, directory + L::kTextCountAt, kTextCount);
  std::array<uint32_t, kLanguageCount> tables{};
  for (int i = 1; i < kLanguageCount; ++i) tables[i] = appendLanguage(image, languages[i]);
  tables[0] = tables[1];  // German is built in; its entry repeats the first stored language
  for (int i = 0; i < kLanguageCount; ++i)
    putWord(image, directory + L::kLanguageTablesAt + 4 * i, tables[i]);
  return image;
}

}  // namespace langpack
