// Byte layout of the parameter store image: header, device data block and
// language directory. Shared by the firmware and the host tool that packs
// the delivered image, so both agree on every offset.
#pragma once

#include <cstdint>

namespace ps_layout {

// Header (offsets from the start of the image; numbers little-endian).
constexpr char kIdentText[] = "Flash20090427";
constexpr uint32_t kIdentSize = 16;
constexpr uint32_t kDirectoryOffsetAt = 16;
constexpr uint32_t kDeviceBlockOffsetAt = 20;
constexpr uint32_t kValidityWordAt = 24;
constexpr uint32_t kValidityWord = 0x49F5E24C;

// Where the delivered image puts the device block and the directory.
constexpr uint32_t kDeliveredDeviceBlock = 0x1C;
constexpr uint32_t kDeliveredDeviceBlockSize = 0x400;
constexpr uint32_t kDeliveredDirectory = 0x420;

// Device data block, offsets from its start.
constexpr uint32_t kBlockSizeWord = 0;
constexpr uint32_t kIdentNumber = 4;
constexpr uint32_t kIdentNumberSize = 16;
constexpr uint32_t kIdentField2 = 20;
constexpr uint32_t kIdentField3 = 27;
constexpr uint32_t kIdentFieldSize = 7;
constexpr uint32_t kDeviceByte = 34;
constexpr uint32_t kOpBrightnessMin = 37;
constexpr uint32_t kOpBrightnessMax = 38;
constexpr uint32_t kOpBrightness = 39;
constexpr uint32_t kSaverBrightnessMin = 40;
constexpr uint32_t kSaverBrightnessMax = 41;
constexpr uint32_t kSaverBrightness = 42;
constexpr uint32_t kByte43 = 43;
constexpr uint32_t kReservedFlag = 44;
constexpr uint32_t kCircuitName1 = 46;
constexpr uint32_t kCircuitName1Size = 41;
constexpr uint32_t kCircuitName2 = 87;
constexpr uint32_t kCircuitName2Size = 40;
constexpr uint32_t kWordTable = 127;
constexpr uint32_t kWordTableSize = 40;
constexpr uint32_t kContrast = 167;
constexpr uint32_t kFactoryFlag = 168;

// Language directory, offsets from its start.
constexpr uint32_t kLanguageCountAt = 0;
constexpr uint32_t kTextCountAt = 4;
constexpr uint32_t kLanguageTablesAt = 8;

constexpr uint32_t kLanguageCount = 19;
constexpr uint32_t kTextCount = 395;

}  // namespace ps_layout
