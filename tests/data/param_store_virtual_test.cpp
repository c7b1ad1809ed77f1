#include "data/param_store_virtual.h"

#include <gtest/gtest.h>

#include <array>

#include "data/flash.h"
#include "data/param_store.h"

namespace {

class ParamStoreVirtual : public ::testing::Test {
 protected:
  void SetUp() override { FLASH_ProcessReset(); }
  void TearDown() override { FLASH_ProcessReset(); }
};

struct ByteAddress {
  uint16_t address;
  PsByte field;
  uint8_t delivered;
};

constexpr ByteAddress kByteAddresses[] = {
    {2131, PsByte::DeviceByte, 5},         {2132, PsByte::Contrast, 9},
    {2133, PsByte::OpBrightnessMax, 200},  {2134, PsByte::OpBrightnessMin, 30},
    {2135, PsByte::OpBrightness, 120},     {2136, PsByte::SaverBrightnessMax, 20},
    {2137, PsByte::SaverBrightnessMin, 2}, {2138, PsByte::SaverBrightness, 10},
};

TEST_F(ParamStoreVirtual, ByteAddressesReachTheirFields) {
  for (const ByteAddress& a : kByteAddresses) {
    uint8_t value = 0;
    EXPECT_EQ(PS_ReadVirtual(a.address, &value, 40), 1) << a.address;
    EXPECT_EQ(value, a.delivered) << a.address;
    const uint8_t written = static_cast<uint8_t>(a.address & 0xFF);
    EXPECT_EQ(PS_WriteVirtual(a.address, &written, 1), 1) << a.address;
    EXPECT_EQ(PS_GetByte(a.field), written) << a.address;
  }
}

TEST_F(ParamStoreVirtual, StringAddressesServeTheirWidth) {
  std::array<uint8_t, 40> buffer{};
  EXPECT_EQ(PS_ReadVirtual(2128, buffer.data(), 40), 7);
  EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 7), "3720615");
  EXPECT_EQ(PS_ReadVirtual(2139, buffer.data(), 40), 40);

  const uint8_t ident[] = "1234567XYZ";
  EXPECT_EQ(PS_WriteVirtual(2128, ident, 10), 7);
  std::array<uint8_t, 16> stored{};
  PS_GetString(PsString::IdentNumber, stored.data(), 16);
  EXPECT_EQ(std::string(stored.begin(), stored.end()), "1234567000000000");
}

TEST_F(ParamStoreVirtual, FlagIsStoredAsOneWhenNonzero) {
  const uint8_t value = 0x80;
  EXPECT_EQ(PS_WriteVirtual(2140, &value, 1), 1);
  EXPECT_EQ(PS_GetFlag(PsFlag::Factory), 1);
}

TEST_F(ParamStoreVirtual, OtherAddressesAreNotStoreFields) {
  uint8_t buffer[4] = {0xEE, 0xEE, 0xEE, 0xEE};
  for (const uint16_t address : {uint16_t{2127}, uint16_t{2141}, uint16_t{0x8E0}}) {
    EXPECT_EQ(PS_ReadVirtual(address, buffer, 4), 0) << address;
    EXPECT_EQ(PS_WriteVirtual(address, buffer, 4), 0) << address;
  }
  EXPECT_EQ(buffer[0], 0xEE);
}

}  // namespace
