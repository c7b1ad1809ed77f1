#include "data/param_store.h"

#include "data/flash.h"

namespace {

namespace L = ps_layout;

struct StringField {
  uint32_t offset;
  uint16_t size;
};

constexpr StringField kStringFields[] = {
    {L::kIdentNumber, L::kIdentNumberSize},
    {L::kIdentField2, L::kIdentFieldSize},
    {L::kIdentField3, L::kIdentFieldSize},
    {L::kWordTable, L::kWordTableSize},
};

struct Fallback {
  PsByte field;
  uint8_t value;
};

constexpr Fallback kFallbacks[] = {
    {PsByte::OpBrightnessMin, 48},   {PsByte::OpBrightnessMax, 216},   {PsByte::OpBrightness, 168},
    {PsByte::SaverBrightnessMin, 1}, {PsByte::SaverBrightnessMax, 36}, {PsByte::SaverBrightness, 24},
    {PsByte::Contrast, 50},
};

// A little-endian word; false when it does not lie wholly inside the image.
bool readWord(uint32_t offset, uint32_t* word) {
  uint8_t b[4];
  if (FLASH_Read(offset, b, 4) != 4) return false;
  *word = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
  return true;
}

uint32_t wordOrZero(uint32_t offset) {
  uint32_t word = 0;
  return readWord(offset, &word) ? word : 0;
}

uint32_t fieldOffset(uint32_t inBlock) { return PS_DeviceBlock() + inBlock; }

uint8_t readByte(uint32_t offset) {
  uint8_t value = 0;
  FLASH_Read(offset, &value, 1);
  return value;
}

uint16_t clampToField(PsString field, uint16_t length) {
  const uint16_t size = PS_StringSize(field);
  return length < size ? length : size;
}

// Follows the directory to the byte range [begin, end) of one text.
bool findText(uint8_t language, uint16_t text, uint32_t* begin, uint32_t* end) {
  uint32_t directory = 0, languages = 0, texts = 0, table = 0;
  if (!readWord(L::kDirectoryOffsetAt, &directory)) return false;
  if (!readWord(directory + L::kLanguageCountAt, &languages) || language >= languages) return false;
  if (!readWord(directory + L::kTextCountAt, &texts) || text >= texts) return false;
  if (!readWord(directory + L::kLanguageTablesAt + 4u * language, &table)) return false;
  return readWord(table + 4u * text, begin) && readWord(table + 4u * text + 4u, end) && *begin < *end &&
         *end <= FLASH_Size();
}

}  // namespace

bool PS_IsValid() { return wordOrZero(L::kValidityWordAt) == L::kValidityWord; }

uint32_t PS_DeviceBlock() { return wordOrZero(L::kDeviceBlockOffsetAt); }

uint16_t PS_ReadIdent(char* buffer) {
  FLASH_Read(0, buffer, L::kIdentSize);
  buffer[L::kIdentSize] = '\0';
  return L::kIdentSize;
}

uint8_t PS_GetByte(PsByte field) { return readByte(fieldOffset(static_cast<uint32_t>(field))); }

void PS_SetByte(PsByte field, uint8_t value) {
  FLASH_Write(&value, fieldOffset(static_cast<uint32_t>(field)), 1);
}

uint8_t PS_GetWithFallback(PsByte field) {
  if (!PS_IsValid()) {
    for (const Fallback& f : kFallbacks) {
      if (f.field == field) return f.value;
    }
  }
  return PS_GetByte(field);
}

uint8_t PS_GetFlag(PsFlag flag) { return readByte(fieldOffset(static_cast<uint32_t>(flag))); }

void PS_SetFlag(PsFlag flag, const uint8_t* source, uint16_t length) {
  if (length != 0) FLASH_Write(source, fieldOffset(static_cast<uint32_t>(flag)), 1);
}

uint16_t PS_StringSize(PsString field) { return kStringFields[static_cast<uint8_t>(field)].size; }

uint16_t PS_GetString(PsString field, uint8_t* destination, uint16_t length) {
  const uint16_t n = clampToField(field, length);
  FLASH_Read(fieldOffset(kStringFields[static_cast<uint8_t>(field)].offset), destination, n);
  return n;
}

void PS_SetString(PsString field, const uint8_t* source, uint16_t length) {
  FLASH_Write(source, fieldOffset(kStringFields[static_cast<uint8_t>(field)].offset),
              clampToField(field, length));
}

uint16_t PS_ReadText(uint8_t language, uint16_t text, char* buffer, uint16_t size) {
  if (size == 0) return 0;
  uint32_t begin = 0, end = 0;
  uint32_t n = findText(language, text, &begin, &end) ? end - begin : 0;
  if (n >= size) n = size - 1u;
  FLASH_Read(begin, buffer, n);
  buffer[n] = '\0';
  return static_cast<uint16_t>(n);
}
