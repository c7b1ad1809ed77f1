// The hardkeys of the device picture: found once by scanning the
// pressed-keys picture, then pressed and released by the key windows.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "host/rgb_image.h"

constexpr int kMaxHardkeys = 128;

// Called with the hardkey number and its new state (true = pressed).
using HardkeyHandler = std::function<void(int, bool)>;

struct HardkeyRecord {
  int32_t x0 = 0;  // first column
  int32_t y0 = 0;  // first row
  int32_t x1 = 0;  // one past the last column of the widest run
  int32_t y1 = 0;  // last row
  uint8_t state = 0;
  HardkeyHandler callback;
  int32_t toggle = 0;

  bool inUse() const { return x0 != 0 || x1 != 0; }
  // A key of a single row is too thin for a window of its own.
  bool hasWindow() const { return x1 > x0 && y1 > y0; }
};

class HardkeyTable {
 public:
  using ErrorSink = std::function<void(const std::string&)>;

  explicit HardkeyTable(ErrorSink errorSink = {}) : errorSink_(std::move(errorSink)) {}

  // Every run of non-transparent pixels of every row, top to bottom.
  void scan(const RgbImage& pressedKeys, uint32_t transparentRgb);
  // One run [xa, xb) of row y: grows the key it continues or starts a new one.
  void addRegion(int y, int xa, int xb);

  int count() const { return count_; }
  const HardkeyRecord& record(int number) const { return records_[number]; }

  HardkeyHandler setCallback(int number, HardkeyHandler callback);
  int32_t setToggle(int number, int32_t toggle);
  uint8_t state(int number) const;
  void setState(int number, uint8_t state);

  // The mouse on a key window: state change, then the callback.
  void press(int number);
  void release(int number);

 private:
  static bool valid(int number) { return number >= 0 && number < kMaxHardkeys; }
  void notify(int number);

  std::array<HardkeyRecord, kMaxHardkeys> records_{};
  int count_ = 0;
  ErrorSink errorSink_;
};
