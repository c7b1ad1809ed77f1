#include "data/flash.h"

#include <cstring>

#include "data/param_store_image.h"

namespace {

uint8_t memory[kFlashCapacity];
uint32_t imageSize;
bool loaded;

void loadImage(const uint8_t* image, uint32_t size) {
  imageSize = size < kFlashCapacity ? size : kFlashCapacity;
  if (imageSize > 0) std::memcpy(memory, image, imageSize);
  std::memset(memory + imageSize, 0, kFlashCapacity - imageSize);
  loaded = true;
}

// The delivered content is copied in on first use, so the image exists from
// process start without a static constructor.
void ensureLoaded() {
  if (!loaded) loadImage(PS_DeliveredImage, PS_DeliveredImageSize);
}

// Bytes of [offset, offset + count) that lie inside the image.
uint32_t bytesInside(uint32_t offset, uint32_t count) {
  if (offset >= imageSize) return 0;
  const uint32_t room = imageSize - offset;
  return count < room ? count : room;
}

}  // namespace

uint32_t FLASH_Read(uint32_t offset, void* destination, uint32_t count) {
  ensureLoaded();
  const uint32_t n = bytesInside(offset, count);
  auto* out = static_cast<uint8_t*>(destination);
  if (n > 0) std::memcpy(out, memory + offset, n);
  if (count > n) std::memset(out + n, 0, count - n);
  return n;
}

uint32_t FLASH_Write(const void* source, uint32_t offset, uint32_t count) {
  ensureLoaded();
  const uint32_t n = bytesInside(offset, count);
  if (n > 0) std::memcpy(memory + offset, source, n);
  return n;
}

uint32_t FLASH_Size() {
  ensureLoaded();
  return imageSize;
}

void FLASH_LoadImage(const uint8_t* image, uint32_t size) { loadImage(image, size); }

void FLASH_ProcessReset() { loadImage(PS_DeliveredImage, PS_DeliveredImageSize); }
