// Drives the display link fuzz target with deterministic inputs: whole
// exchanges of valid frames, the same with bytes flipped, cut or repeated,
// and plain noise.
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

#include "sim/controller/bus_port.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

using simctl::Bytes;

// Program ops of the target: 0 = one received byte, 2 = frame end, 3 = read.
void writeFrame(Bytes& program, uint8_t id, const Bytes& payload) {
  for (uint8_t b : simctl::BUS_EncodeWriteFrame(id, payload)) {
    program.push_back(0);
    program.push_back(b);
  }
  program.push_back(2);
  program.push_back(0);
}

Bytes validExchange(std::mt19937& rng) {
  Bytes program;
  for (int round = 0; round < 40; ++round) {
    Bytes status(20);
    for (auto& b : status) b = static_cast<uint8_t>(rng());
    writeFrame(program, static_cast<uint8_t>(28 + rng() % 4), status);
    program.push_back(4);  // process
    program.push_back(3);  // read the telegram
    program.push_back(0);
    Bytes answer(31);
    answer[0] = static_cast<uint8_t>((rng() % 32) * 8 + 2);
    answer[1] = static_cast<uint8_t>(rng() % 4);
    for (size_t i = 2; i < answer.size(); ++i) answer[i] = static_cast<uint8_t>(rng());
    writeFrame(program, static_cast<uint8_t>(16 + rng() % 4), answer);
    if (round % 5 == 0) writeFrame(program, 24, {static_cast<uint8_t>(rng()), static_cast<uint8_t>(rng())});
    program.push_back(4);
  }
  return program;
}

}  // namespace

int main() {
  std::mt19937 rng(20090427);
  int runs = 0;
  auto run = [&runs](const Bytes& input) {
    LLVMFuzzerTestOneInput(input.data(), input.size());
    ++runs;
  };
  run({});
  for (int i = 0; i < 60; ++i) {
    Bytes program = validExchange(rng);
    run(program);
    for (int k = 0; k < 1 + i % 8; ++k) program[rng() % program.size()] = static_cast<uint8_t>(rng());
    run(program);
    run(Bytes(program.begin(), program.begin() + rng() % program.size()));
  }
  for (int i = 0; i < 100; ++i) {
    Bytes noise(rng() % 4000);
    for (auto& b : noise) b = static_cast<uint8_t>(rng());
    run(noise);
  }
  std::printf("%d bus programs ran without a fault\n", runs);
  return 0;
}
