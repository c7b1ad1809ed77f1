#include "data/param_store.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "data/flash.h"

namespace {

namespace L = ps_layout;

class ParamStore : public ::testing::Test {
 protected:
  void SetUp() override { FLASH_ProcessReset(); }
  void TearDown() override { FLASH_ProcessReset(); }

  static void writeWord(uint32_t offset, uint32_t word) {
    const uint8_t b[4] = {static_cast<uint8_t>(word), static_cast<uint8_t>(word >> 8),
                          static_cast<uint8_t>(word >> 16), static_cast<uint8_t>(word >> 24)};
    FLASH_Write(b, offset, 4);
  }
  static void spoilValidityWord() { writeWord(L::kValidityWordAt, L::kValidityWord ^ 1); }
};

TEST_F(ParamStore, DeliveredHeaderIdentifiesTheImage) {
  char ident[17];
  std::memset(ident, 'x', sizeof ident);
  EXPECT_EQ(PS_ReadIdent(ident), 16);
  EXPECT_STREQ(ident, "Flash20090427");
  EXPECT_EQ(ident[13], '\0');
  EXPECT_EQ(ident[15], '\0');
  EXPECT_TRUE(PS_IsValid());
  EXPECT_EQ(PS_DeviceBlock(), 0x1Cu);
}

struct FallbackCase {
  PsByte field;
  uint8_t delivered;
  uint8_t fallback;
};

constexpr FallbackCase kFallbackCases[] = {
    {PsByte::OpBrightnessMin, 30, 48},
    {PsByte::OpBrightnessMax, 200, 216},
    {PsByte::OpBrightness, 120, 168},
    {PsByte::SaverBrightnessMin, 2, 1},
    {PsByte::SaverBrightnessMax, 20, 36},
    {PsByte::SaverBrightness, 10, 24},
    {PsByte::Contrast, 9, 50},
};

TEST_F(ParamStore, FallbackGettersAnswerTheFieldOnlyWhileTheImageIsValid) {
  for (const FallbackCase& c : kFallbackCases) {
    EXPECT_EQ(PS_GetWithFallback(c.field), c.delivered) << static_cast<int>(c.field);
  }
  spoilValidityWord();
  EXPECT_FALSE(PS_IsValid());
  for (const FallbackCase& c : kFallbackCases) {
    EXPECT_EQ(PS_GetWithFallback(c.field), c.fallback) << static_cast<int>(c.field);
    // The field itself is still there for the plain getter.
    EXPECT_EQ(PS_GetByte(c.field), c.delivered) << static_cast<int>(c.field);
  }
  // The device byte has no fall-back.
  EXPECT_EQ(PS_GetWithFallback(PsByte::DeviceByte), 5);
}

TEST_F(ParamStore, FieldsFollowTheDeviceBlockOffset) {
  constexpr uint32_t kMoved = 0x2000;
  writeWord(L::kDeviceBlockOffsetAt, kMoved);
  const uint8_t contrast = 77;
  FLASH_Write(&contrast, kMoved + L::kContrast, 1);
  EXPECT_EQ(PS_GetByte(PsByte::Contrast), 77);
  PS_SetByte(PsByte::OpBrightness, 99);
  uint8_t stored = 0;
  FLASH_Read(kMoved + L::kOpBrightness, &stored, 1);
  EXPECT_EQ(stored, 99);
  FLASH_Read(L::kDeliveredDeviceBlock + L::kOpBrightness, &stored, 1);
  EXPECT_EQ(stored, 120);
}

TEST_F(ParamStore, StringGetterCopiesAtMostTheFieldSize) {
  std::array<uint8_t, 24> buffer;
  buffer.fill(0xEE);
  EXPECT_EQ(PS_GetString(PsString::IdentNumber, buffer.data(), 7), 7);
  EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 7), "3720615");
  EXPECT_EQ(buffer[7], 0xEE);

  buffer.fill(0xEE);
  EXPECT_EQ(PS_GetString(PsString::IdentNumber, buffer.data(), 20), 16);
  EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 16), "3720615000000000");
  EXPECT_EQ(buffer[16], 0xEE);

  std::array<uint8_t, 40> table{};
  EXPECT_EQ(PS_GetString(PsString::WordTable, table.data(), 40), 40);
  EXPECT_EQ(table[0] | table[1] << 8, 0x013C);
  EXPECT_EQ(table[38] | table[39] << 8, 0x0168);
  // A short buffer is never overrun, not even for the table.
  std::array<uint8_t, 6> shortBuffer;
  shortBuffer.fill(0xEE);
  EXPECT_EQ(PS_GetString(PsString::WordTable, shortBuffer.data(), 4), 4);
  EXPECT_EQ(shortBuffer[4], 0xEE);
}

TEST_F(ParamStore, StringSetterStaysInsideItsField) {
  const uint8_t longer[] = "ABCDEFGHIJ";  // 10 bytes into a 7-byte field
  PS_SetString(PsString::IdentField2, longer, 10);
  std::array<uint8_t, 7> field2{}, field3{};
  PS_GetString(PsString::IdentField2, field2.data(), 7);
  PS_GetString(PsString::IdentField3, field3.data(), 7);
  EXPECT_EQ(std::string(field2.begin(), field2.end()), "ABCDEFG");
  EXPECT_EQ(std::string(field3.begin(), field3.end()), "0000000");
}

TEST_F(ParamStore, FlagSetterWritesOnlyWithALength) {
  EXPECT_EQ(PS_GetFlag(PsFlag::Reserved), 0xFF);
  EXPECT_EQ(PS_GetFlag(PsFlag::Factory), 0);
  const uint8_t one = 1;
  PS_SetFlag(PsFlag::Factory, &one, 0);
  EXPECT_EQ(PS_GetFlag(PsFlag::Factory), 0);
  PS_SetFlag(PsFlag::Factory, &one, 1);
  EXPECT_EQ(PS_GetFlag(PsFlag::Factory), 1);
}

TEST_F(ParamStore, DeliveredCircuitNamesAreUtf16) {
  uint8_t name[22] = {};
  FLASH_Read(L::kDeliveredDeviceBlock + L::kCircuitName2, name, sizeof name);
  EXPECT_EQ(name[0], 'H');
  EXPECT_EQ(name[1], 0);
  EXPECT_EQ(name[20], '2');
  EXPECT_EQ(name[21], 0);
}

TEST_F(ParamStore, FlashNeverReadsOrWritesPastTheImage) {
  const uint32_t size = FLASH_Size();
  uint8_t buffer[8];
  std::memset(buffer, 0xEE, sizeof buffer);
  EXPECT_EQ(FLASH_Read(size - 3, buffer, 8), 3u);
  EXPECT_EQ(buffer[3], 0);
  EXPECT_EQ(buffer[7], 0);
  EXPECT_EQ(FLASH_Read(0xFFFFFFF0u, buffer, 8), 0u);
  EXPECT_EQ(FLASH_Write(buffer, size - 2, 8), 2u);
  EXPECT_EQ(FLASH_Size(), size);
}

TEST_F(ParamStore, DamagedDeviceBlockOffsetReadsZeros) {
  writeWord(L::kDeviceBlockOffsetAt, 0xFFFFFFF0u);
  EXPECT_EQ(PS_GetByte(PsByte::Contrast), 0);
  std::array<uint8_t, 16> ident;
  ident.fill(0xEE);
  EXPECT_EQ(PS_GetString(PsString::IdentNumber, ident.data(), 16), 16);
  EXPECT_EQ(ident[0], 0);
  PS_SetByte(PsByte::Contrast, 3);  // lands outside the image: dropped
  const uint8_t one = 1;
  PS_SetFlag(PsFlag::Factory, &one, 1);
}

}  // namespace
