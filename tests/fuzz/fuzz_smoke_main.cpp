// Runs the language image fuzz target on a few hundred deterministic inputs:
// the delivered image cut short, with its offsets and bytes overwritten,
// and plain noise. A fault shows as a crash or abort.
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

#include "data/param_store_image.h"
#include "data/param_store_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

namespace L = ps_layout;

using Bytes = std::vector<uint8_t>;

void putWord(Bytes& image, uint32_t at, uint32_t word) {
  for (uint32_t k = 0; k < 4 && at + k < image.size(); ++k)
    image[at + k] = static_cast<uint8_t>(word >> (8 * k));
}

uint32_t getWord(const Bytes& image, uint32_t at) {
  uint32_t word = 0;
  for (uint32_t k = 0; k < 4 && at + k < image.size(); ++k)
    word |= static_cast<uint32_t>(image[at + k]) << (8 * k);
  return word;
}

// Places where a wrong number sends a reader astray.
std::vector<uint32_t> offsetPositions(const Bytes& image) {
  std::vector<uint32_t> at = {L::kDirectoryOffsetAt, L::kDeviceBlockOffsetAt, L::kDeliveredDirectory,
                              L::kDeliveredDirectory + 4};
  for (uint32_t i = 0; i < L::kLanguageCount; ++i) at.push_back(L::kDeliveredDirectory + 8 + 4 * i);
  const uint32_t table3 = getWord(image, L::kDeliveredDirectory + 8 + 4 * 3);
  for (uint32_t k : {0u, 1u, 115u, 393u, 394u, 395u}) at.push_back(table3 + 4 * k);
  return at;
}

uint32_t nastyValue(std::mt19937& rng, uint32_t imageSize) {
  const uint32_t choices[] = {0u,
                              1u,
                              imageSize - 1,
                              imageSize,
                              imageSize + 1,
                              0x7FFFFFFFu,
                              0xFFFFFFFFu,
                              0xFFFFFFFCu,
                              static_cast<uint32_t>(rng())};
  return choices[rng() % std::size(choices)];
}

}  // namespace

int main() {
  const Bytes delivered(PS_DeliveredImage, PS_DeliveredImage + PS_DeliveredImageSize);
  std::mt19937 rng(20090427);
  int runs = 0;
  auto run = [&runs](const Bytes& input) {
    LLVMFuzzerTestOneInput(input.data(), input.size());
    ++runs;
  };

  run(delivered);
  run({});
  for (int i = 0; i < 100; ++i) {  // cut short anywhere
    run(Bytes(delivered.begin(), delivered.begin() + rng() % delivered.size()));
  }
  const auto positions = offsetPositions(delivered);
  for (int i = 0; i < 200; ++i) {  // offsets and counts pointing anywhere
    Bytes image = delivered;
    for (int k = 0; k < 1 + i % 3; ++k) {
      putWord(image, positions[rng() % positions.size()],
              nastyValue(rng, static_cast<uint32_t>(image.size())));
    }
    if (i % 4 == 0) image.resize(image.size() - rng() % 4096);
    run(image);
  }
  for (int i = 0; i < 100; ++i) {  // noise with a valid header now and then
    Bytes image(rng() % 6000);
    for (auto& b : image) b = static_cast<uint8_t>(rng());
    if (i % 2 == 0) putWord(image, L::kValidityWordAt, L::kValidityWord);
    if (i % 3 == 0) putWord(image, L::kDirectoryOffsetAt, 32);
    run(image);
  }
  std::printf("%d images read without a fault\n", runs);
  return 0;
}
