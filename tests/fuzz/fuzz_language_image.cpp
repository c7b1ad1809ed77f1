// Feeds arbitrary bytes to the unit as its parameter store image and reads
// every kind of field and text from it. Built with -fsanitize=fuzzer it is a
// libFuzzer target; otherwise fuzz_smoke_main.cpp drives it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "data/flash.h"
#include "data/param_store.h"
#include "data/param_store_virtual.h"
#include "gui/core/text.h"

namespace {

// A text read must stay inside its buffer and end at its reported length.
void checkText(int n, const char* buffer, uint16_t size) {
  if (n < 0 || n >= size || buffer[n] != '\0' || std::strlen(buffer) > static_cast<size_t>(n)) std::abort();
}

void readTexts() {
  char buffer[64];
  for (uint8_t language = 0; language <= 19; ++language) {
    for (uint16_t text = 0; text <= 395; text += (text < 8 || text > 386 ? 1 : 37)) {
      checkText(PS_ReadText(language, text, buffer, sizeof buffer), buffer, sizeof buffer);
      checkText(PS_ReadText(language, text, buffer, 1), buffer, 1);
    }
  }
  for (uint8_t language = 0; language <= kLastLanguage; ++language) {
    TXT_SetLanguage(language);
    for (const uint16_t id : {uint16_t{0}, uint16_t{115}, uint16_t{116}, uint16_t{313}, uint16_t{394}}) {
      checkText(TXT_GetText(id, buffer, sizeof buffer), buffer, sizeof buffer);
    }
  }
}

void readFields() {
  char ident[17];
  PS_ReadIdent(ident);
  uint8_t buffer[40];
  for (uint16_t address = kPsVirtualFirst; address <= kPsVirtualLast; ++address) {
    PS_ReadVirtual(address, buffer, sizeof buffer);
  }
  for (const PsByte field : {PsByte::OpBrightnessMin, PsByte::OpBrightness, PsByte::Contrast}) {
    PS_GetWithFallback(field);
  }
  PS_GetFlag(PsFlag::Reserved);
  PS_GetString(PsString::WordTable, buffer, sizeof buffer);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FLASH_LoadImage(data, size > kFlashCapacity ? kFlashCapacity : static_cast<uint32_t>(size));
  readFields();
  readTexts();
  FLASH_ProcessReset();
  return 0;
}
