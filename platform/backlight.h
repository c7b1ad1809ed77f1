// Backlight task (active object 2): keeps the backlight level and chooses
// the driver mode, which on the host decides the panel's two shades.
#pragma once

#include <cstdint>

#include "kernel/hsm.h"

// Ramp modes.
constexpr uint32_t kBelIdle = 0;
constexpr uint32_t kBelRamp = 1;  // move towards the target step by step
constexpr uint32_t kBelSet = 2;   // set at once

// Driver modes: 0..3 dim, 4 and 5 bright.
constexpr uint32_t kBelDriverDim = 2;
constexpr uint32_t kBelDriverBright = 4;
// Lowest level that lights the panel brightly.
constexpr uint8_t kBelBrightLevel = 25;
// Set pixels while the backlight is dim.
constexpr uint32_t kBelDimShade = 0x4F4F4F;

StateResult BEL_Task(Hsm* me, const Event* e);

// Selects driver mode m; a change repaints the whole panel in its shades.
void BEL_Driver(uint32_t mode);
// One step of the light-sensor ramp, called by the analogue-input routine
// with the averaged sensor value (on the device; nothing calls it on the host).
void BEL_Ramp(uint8_t sensorValue);

uint8_t BEL_GetLevel();
uint8_t BEL_GetTarget();
uint32_t BEL_GetMode();
uint32_t BEL_GetDriverMode();
// Forgets the driver mode, as at process start.
void BEL_ProcessReset();
