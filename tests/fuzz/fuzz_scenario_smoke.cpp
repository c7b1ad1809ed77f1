// Drives the scenario fuzz target with deterministic inputs: a valid
// scenario cut short, with bytes flipped or replaced by YAML punctuation, and noise.
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {
const std::string kSample = R"(name: Sample
steps:
  - fail-trace: "FATAL ERROR"
  - delay: 1s
  - press: ok
  - hold: {key: menu+ok, for: 4s}
  - wait-trace: {text: "*RESTARTING", timeout: 2s}
  - write-serial: [0x05, 0x31]
  - wait-serial: {bytes: [0x00], timeout: 250ms}
  - take-screenshot: {save-to: a.png, compare-with: b.png}
  - expect-text: {text: "Menü", inverted: true}
)";
constexpr char kPunctuation[] = ":-[]{}\"',&*!|>%@`#\n\t ";

void run(const std::string& text) {
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}
}  // namespace

int main() {
  std::mt19937 rng(4800);
  int runs = 0;
  run(kSample);
  for (; runs < 600; ++runs) {
    std::string text = kSample;
    switch (runs % 4) {
      case 0:
        text.resize(rng() % text.size());
        break;
      case 1:
        for (int k = 0; k < 3; ++k) text[rng() % text.size()] = static_cast<char>(rng());
        break;
      case 2:
        for (int k = 0; k < 3; ++k)
          text[rng() % text.size()] = kPunctuation[rng() % (sizeof kPunctuation - 1)];
        break;
      default:
        text.assign(rng() % 200, '\0');
        for (char& c : text) c = kPunctuation[rng() % (sizeof kPunctuation - 1)];
        break;
    }
    run(text);
  }
  std::printf("scenario fuzz smoke: %d inputs\n", runs + 1);
  return 0;
}
