// Integer angles and sines for thick lines.
#include <cstdlib>

#include "gui/core/gui_shapes.h"

namespace {

constexpr int kTurn = 4096;
constexpr int kQuarter = kTurn / 4;

// Arctangent of 0/16 .. 16/16 in 1/4096 of a turn (0..45 degrees).
constexpr int kAtan[17] = {0, 41, 81, 121, 160, 197, 234, 269, 302, 334, 364, 393, 419, 445, 469, 491, 512};
// Sine of 0..90 degrees in 16 steps, scale 1024.
constexpr int kSin[17] = {0,   100, 200, 297, 392, 483,  569,  650, 724,
                          792, 851, 903, 946, 980, 1004, 1019, 1024};

int sinQuarter(int a) {
  const int i = a >> 6;
  if (i >= 16) return kSin[16];
  const int step = a & 63;
  return kSin[i] + ((kSin[i + 1] - kSin[i]) * step + 32) / 64;
}

}  // namespace

int GUI_AngleOf(int dx, int dy) {
  const int ax = std::abs(dx);
  const int ay = std::abs(dy);
  if (ax == 0 && ay == 0) return 0;
  const bool steep = ay > ax;
  const int ratio = (steep ? ax : ay) * 256 / (steep ? ay : ax);
  const int i = ratio >> 4;
  int a = i >= 16 ? kAtan[16] : kAtan[i] + (kAtan[i + 1] - kAtan[i]) * (ratio & 15) / 16;
  if (steep) a = kQuarter - a;
  if (dx < 0) a = kTurn / 2 - a;
  if (dy < 0) a = kTurn - a;
  return a & (kTurn - 1);
}

int GUI_Sin(int angle) {
  angle &= kTurn - 1;
  if (angle < kQuarter) return sinQuarter(angle);
  if (angle < 2 * kQuarter) return sinQuarter(2 * kQuarter - angle);
  if (angle < 3 * kQuarter) return -sinQuarter(angle - 2 * kQuarter);
  return -sinQuarter(kTurn - angle);
}

int GUI_Cos(int angle) { return GUI_Sin(angle + kQuarter); }
