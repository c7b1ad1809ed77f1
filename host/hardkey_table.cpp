#include "host/hardkey_table.h"

#include <algorithm>
#include <utility>

void HardkeyTable::scan(const RgbImage& pressedKeys, uint32_t transparentRgb) {
  const uint32_t transparent = transparentRgb & 0xFFFFFF;
  for (int y = 0; y < pressedKeys.height; ++y) {
    int x = 0;
    while (x < pressedKeys.width) {
      while (x < pressedKeys.width && (pressedKeys.at(x, y) & 0xFFFFFF) == transparent) ++x;
      const int runStart = x;
      while (x < pressedKeys.width && (pressedKeys.at(x, y) & 0xFFFFFF) != transparent) ++x;
      if (x > runStart) addRegion(y, runStart, x);
    }
  }
}

void HardkeyTable::addRegion(int y, int xa, int xb) {
  for (HardkeyRecord& key : records_) {
    if (key.inUse() && key.y1 == y - 1 && std::max(xa, key.x0) <= std::min(xb, key.x1)) {
      key.y1 = y;
      key.x0 = std::min(key.x0, xa);
      key.x1 = std::max(key.x1, xb);
      return;
    }
  }
  for (HardkeyRecord& key : records_) {
    if (!key.inUse()) {
      key.x0 = xa;
      key.x1 = xb;
      key.y0 = key.y1 = y;
      ++count_;
      return;
    }
  }
  if (errorSink_) errorSink_("_AddHardkeyRegion: - Too many hardkeys defined in bitmap");
}

HardkeyHandler HardkeyTable::setCallback(int number, HardkeyHandler callback) {
  if (!valid(number)) return {};
  return std::exchange(records_[number].callback, std::move(callback));
}

int32_t HardkeyTable::setToggle(int number, int32_t toggle) {
  if (!valid(number)) return 0;
  return std::exchange(records_[number].toggle, toggle);
}

uint8_t HardkeyTable::state(int number) const { return valid(number) ? records_[number].state : 0; }

void HardkeyTable::setState(int number, uint8_t state) {
  if (valid(number)) records_[number].state = state;
}

void HardkeyTable::press(int number) {
  if (!valid(number)) return;
  HardkeyRecord& key = records_[number];
  key.state = key.toggle != 0 ? static_cast<uint8_t>(key.state ^ 1) : 1;
  notify(number);
}

void HardkeyTable::release(int number) {
  if (!valid(number)) return;
  HardkeyRecord& key = records_[number];
  if (key.toggle == 0) key.state = 0;
  notify(number);
}

void HardkeyTable::notify(int number) {
  // The callback learns the key's state as it is now.
  if (records_[number].callback) records_[number].callback(number, records_[number].state != 0);
}
