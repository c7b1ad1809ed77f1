#include "data/param_store_virtual.h"

#include "data/param_store.h"

namespace {

enum class Kind : uint8_t { String, Byte, Flag };

// One addressed field; strings are served with `width` bytes (the
// identification number with its first 7 of 16).
struct VirtualField {
  Kind kind;
  uint8_t field;
  uint8_t width;
};

constexpr VirtualField kFields[] = {
    {Kind::String, static_cast<uint8_t>(PsString::IdentNumber), 7},     // 2128
    {Kind::String, static_cast<uint8_t>(PsString::IdentField2), 7},     // 2129
    {Kind::String, static_cast<uint8_t>(PsString::IdentField3), 7},     // 2130
    {Kind::Byte, static_cast<uint8_t>(PsByte::DeviceByte), 1},          // 2131
    {Kind::Byte, static_cast<uint8_t>(PsByte::Contrast), 1},            // 2132
    {Kind::Byte, static_cast<uint8_t>(PsByte::OpBrightnessMax), 1},     // 2133
    {Kind::Byte, static_cast<uint8_t>(PsByte::OpBrightnessMin), 1},     // 2134
    {Kind::Byte, static_cast<uint8_t>(PsByte::OpBrightness), 1},        // 2135
    {Kind::Byte, static_cast<uint8_t>(PsByte::SaverBrightnessMax), 1},  // 2136
    {Kind::Byte, static_cast<uint8_t>(PsByte::SaverBrightnessMin), 1},  // 2137
    {Kind::Byte, static_cast<uint8_t>(PsByte::SaverBrightness), 1},     // 2138
    {Kind::String, static_cast<uint8_t>(PsString::WordTable), 40},      // 2139
    {Kind::Flag, static_cast<uint8_t>(PsFlag::Factory), 1},             // 2140
};

const VirtualField* lookup(uint16_t address) {
  if (address < kPsVirtualFirst || address > kPsVirtualLast) return nullptr;
  return &kFields[address - kPsVirtualFirst];
}

uint16_t bounded(const VirtualField& f, uint16_t count) { return count < f.width ? count : f.width; }

}  // namespace

uint16_t PS_ReadVirtual(uint16_t address, uint8_t* buffer, uint16_t size) {
  const VirtualField* f = lookup(address);
  if (f == nullptr || size == 0) return 0;
  switch (f->kind) {
    case Kind::String:
      return PS_GetString(static_cast<PsString>(f->field), buffer, bounded(*f, size));
    case Kind::Byte:
      buffer[0] = PS_GetByte(static_cast<PsByte>(f->field));
      return 1;
    case Kind::Flag:
      buffer[0] = PS_GetFlag(static_cast<PsFlag>(f->field));
      return 1;
  }
  return 0;
}

uint16_t PS_WriteVirtual(uint16_t address, const uint8_t* data, uint16_t count) {
  const VirtualField* f = lookup(address);
  if (f == nullptr || count == 0) return 0;
  switch (f->kind) {
    case Kind::String: {
      const uint16_t n = bounded(*f, count);
      PS_SetString(static_cast<PsString>(f->field), data, n);
      return n;
    }
    case Kind::Byte:
      PS_SetByte(static_cast<PsByte>(f->field), data[0]);
      return 1;
    case Kind::Flag: {
      // The flag only knows 0 and 1.
      const uint8_t value = data[0] != 0 ? 1 : 0;
      PS_SetFlag(static_cast<PsFlag>(f->field), &value, 1);
      return 1;
    }
  }
  return 0;
}
