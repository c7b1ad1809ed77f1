#include "data/data_image.h"

#include <cstring>

#include "data/data_image_store.h"
#include "data/demo_data.h"
#include "data/param_store.h"

namespace {

DataImage image;

struct BlockPlace {
  uint8_t* bytes;
  uint16_t size;
};

template <size_t N>
constexpr BlockPlace place(uint8_t (&bytes)[N]) {
  return {bytes, static_cast<uint16_t>(N)};
}

const BlockPlace kBlocks[] = {
    place(image.status),
    place(image.previousStatusWord),
    place(image.previousStatusByte7),
    place(image.currentCircuitStatus),
    place(image.job0),
    place(image.job1),
    place(image.job2Short),
    place(image.job2Long),
    place(image.config),
    place(image.job13_14),
    place(image.job15),
    place(image.job16),
    place(image.job17),
    place(image.job18),
    place(image.job24),
    place(image.job26),
    place(image.faultHistoryA),
    place(image.faultHistoryB),
    place(image.circuitRecords[0]),
    place(image.circuitRecords[1]),
    place(image.circuitRecords[2]),
    place(image.currentCircuitRecord),
    place(image.local),
};
static_assert(sizeof kBlocks / sizeof kBlocks[0] == static_cast<size_t>(DatBlock::Count));

// Bytes a field spans; 0 when its shape is not a valid one.
uint8_t fieldBytes(DatField f) {
  if (f.bits == 0 || f.bits > 32 || f.shift > 7) return 0;
  return static_cast<uint8_t>((f.shift + f.bits + 7) / 8);
}

// The field's first byte, or nullptr when it does not lie inside its block.
uint8_t* fieldStart(DatField f) {
  if (f.block >= DatBlock::Count) return nullptr;
  const uint8_t n = fieldBytes(f);
  const BlockPlace& b = kBlocks[static_cast<size_t>(f.block)];
  if (n == 0 || f.byte + n > b.size) return nullptr;
  return b.bytes + f.byte;
}

uint64_t fieldMask(DatField f) { return ((uint64_t{1} << f.bits) - 1) << f.shift; }

uint64_t readLittleEndian(const uint8_t* p, uint8_t n) {
  uint64_t v = 0;
  for (uint8_t i = n; i-- > 0;) v = (v << 8) | p[i];
  return v;
}

void writeLittleEndian(uint8_t* p, uint8_t n, uint64_t v) {
  for (uint8_t i = 0; i < n; ++i, v >>= 8) p[i] = static_cast<uint8_t>(v);
}

void clearReceivedData() {
  for (size_t b = 0; b < static_cast<size_t>(DatBlock::Local); ++b) {
    std::memset(kBlocks[b].bytes, 0, kBlocks[b].size);
  }
  std::memset(image.circuitNames, 0, sizeof image.circuitNames);
  std::memset(image.circuitDates, 0, sizeof image.circuitDates);
}

void resetLocalState() {
  image.local[kLocalCurrentCircuit] = 1;
  image.local[kLocalContrast] = kDefaultContrast;
  image.local[kLocalBrightness1] = PS_GetWithFallback(PsByte::SaverBrightness);
  image.local[kLocalBrightness2] = PS_GetWithFallback(PsByte::OpBrightness);
  image.local[kLocalFaultMessage] = 0;
  image.local[kLocalMaintenanceMessage] = 0;
  image.local[kLocalFaultSuppress] = 0;
  image.local[kLocalMaintenanceSuppress] = 0;
  image.local[kLocalEventSuppress] = 0;
}

}  // namespace

DataImage& DAT_Image() { return image; }

uint8_t* DAT_Block(DatBlock block) {
  return block < DatBlock::Count ? kBlocks[static_cast<size_t>(block)].bytes : nullptr;
}

uint16_t DAT_BlockSize(DatBlock block) {
  return block < DatBlock::Count ? kBlocks[static_cast<size_t>(block)].size : 0;
}

void DAT_ClearBlock(DatBlock block) {
  if (block < DatBlock::Count) std::memset(DAT_Block(block), 0, DAT_BlockSize(block));
}

uint8_t* DAT_CircuitRecord(uint8_t circuit) {
  return circuit >= 1 && circuit <= kCircuitCount ? image.circuitRecords[circuit - 1] : nullptr;
}

uint32_t DAT_Get(DatField field) {
  const uint8_t* p = fieldStart(field);
  if (p == nullptr) return 0;
  const uint64_t v = readLittleEndian(p, fieldBytes(field));
  return static_cast<uint32_t>((v & fieldMask(field)) >> field.shift);
}

uint8_t DAT_Flag(DatField field) { return DAT_Get(field) != 0 ? 1 : 0; }

bool DAT_Test(DatField field, uint32_t value) { return DAT_Get(field) == value; }

void DAT_Set(DatField field, uint32_t value) {
  uint8_t* p = fieldStart(field);
  if (p == nullptr) return;
  const uint8_t n = fieldBytes(field);
  const uint64_t mask = fieldMask(field);
  const uint64_t old = readLittleEndian(p, n);
  writeLittleEndian(p, n, (old & ~mask) | ((uint64_t{value} << field.shift) & mask));
  if (field.block == DatBlock::CurrentCircuitRecord || field.block == DatBlock::CurrentCircuitStatus) {
    DAT_WriteBackCircuit();
  }
}

uint32_t DAT_GetForCircuit(DatCircuitField field) {
  return DAT_Get(DAT_GetCurrentCircuit() == 2 ? field.circuit2 : field.circuit1);
}

void DAT_SetForCircuit(DatCircuitField field, uint32_t value) {
  DAT_Set(DAT_GetCurrentCircuit() == 2 ? field.circuit2 : field.circuit1, value);
}

void DAT_Init(StartKind kind) {
  if (kind == kStartWarm) return;
  resetLocalState();
  clearReceivedData();
  for (uint8_t circuit = 0; circuit < kNamedCircuitCount; ++circuit) {
    for (uint8_t program = 0; program < kPrograms; ++program) DAT_SetDefaultSwitchingTimes(circuit, program);
  }
  DAT_LoadDemoData();
}

void DAT_ProcessReset() { std::memset(&image, 0, sizeof image); }

void DAT_SetLanguage(uint8_t language) { image.local[kLocalLanguage] = language; }
uint8_t DAT_GetLanguage() { return image.local[kLocalLanguage]; }
uint8_t DAT_GetBrightness1() { return image.local[kLocalBrightness1]; }
uint8_t DAT_GetBrightness2() { return image.local[kLocalBrightness2]; }
uint8_t DAT_GetContrast() { return image.local[kLocalContrast]; }
