// Runs the BMP reader's fuzz target on deterministic inputs: valid
// pictures of every supported depth, then the same with header fields
// overwritten by awkward values, cut short, and plain noise.
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

using Bytes = std::vector<uint8_t>;

void put32(Bytes& b, size_t at, uint32_t v) {
  for (size_t k = 0; k < 4 && at + k < b.size(); ++k) b[at + k] = static_cast<uint8_t>(v >> (8 * k));
}

Bytes bitmap(uint32_t width, int32_t height, uint16_t bpp, std::mt19937& rng) {
  const uint32_t rows = static_cast<uint32_t>(height < 0 ? -height : height);
  const uint32_t stride = (width * bpp + 31) / 32 * 4;
  const uint32_t colours = bpp <= 8 ? (1u << bpp) : 0;
  const uint32_t offset = 54 + colours * 4;
  Bytes b(offset + stride * rows);
  for (auto& byte : b) byte = static_cast<uint8_t>(rng());
  b[0] = 'B';
  b[1] = 'M';
  put32(b, 2, static_cast<uint32_t>(b.size()));
  put32(b, 10, offset);
  put32(b, 14, 40);
  put32(b, 18, width);
  put32(b, 22, static_cast<uint32_t>(height));
  b[26] = 1;
  b[27] = 0;
  b[28] = static_cast<uint8_t>(bpp);
  b[29] = 0;
  put32(b, 30, 0);
  put32(b, 46, colours);
  return b;
}

}  // namespace

int main() {
  std::mt19937 rng(450311);
  int runs = 0;
  auto run = [&runs](const Bytes& input) {
    LLVMFuzzerTestOneInput(input.data(), input.size());
    ++runs;
  };
  run({});
  std::vector<Bytes> valid;
  for (uint16_t bpp : {1, 4, 8, 24, 32})
    for (int32_t height : {7, -7}) valid.push_back(bitmap(13, height, bpp, rng));
  const size_t fields[] = {2, 10, 14, 18, 22, 26, 28, 30, 46};
  const uint32_t awkward[] = {0, 1, 3, 0x7FFFFFFF, 0x80000000u, 0xFFFFFFFFu, 0xFFFFFFF0u, 8192, 8193, 40, 54};
  for (const Bytes& base : valid) {
    run(base);
    for (int i = 0; i < 60; ++i) {
      Bytes spoilt = base;
      put32(spoilt, fields[rng() % std::size(fields)], awkward[rng() % std::size(awkward)]);
      if (i % 3 == 0) spoilt.resize(rng() % spoilt.size());
      run(spoilt);
    }
  }
  for (int i = 0; i < 200; ++i) {
    Bytes noise(rng() % 400);
    for (auto& byte : noise) byte = static_cast<uint8_t>(rng());
    if (noise.size() > 2 && i % 2 == 0) noise[0] = 'B', noise[1] = 'M';
    run(noise);
  }
  std::printf("%d pictures read without a fault\n", runs);
  return 0;
}
