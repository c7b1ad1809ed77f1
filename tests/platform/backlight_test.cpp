#include "platform/backlight.h"

#include <gtest/gtest.h>

#include "data/data_image.h"
#include "gui/core/lcd.h"
#include "platform/panel_memory.h"
#include "tests/support/test_host.h"

namespace {

class Backlight : public ::testing::Test {
 protected:
  Backlight() {
    DAT_Init(kStartCold);
    send(SIG_ENTRY);
    send(SIG_INIT);
  }

  static void send(Signal sig, uint32_t par = 0) {
    const Event e{sig, par};
    BEL_Task(nullptr, &e);
  }

  PanelMemory& panel() { return *test.host.panel(); }
  uint32_t redraws() { return panel().modificationCount.load(); }

  TestHost test;
};

TEST_F(Backlight, LevelChoosesDimOrBrightShade) {
  LCD_SetContrast(30);
  struct {
    uint32_t level;
    uint32_t driverMode;
    uint32_t lightShade;
  } cases[] = {
      {25, kBelDriverBright, 0xBABABA},  // contrast grey 0x9C + 30
      {24, kBelDriverDim, kBelDimShade},
      {0, kBelDriverDim, kBelDimShade},
      {255, kBelDriverBright, 0xBABABA},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.level);
    send(SIG_BEL_SET_LEVEL, c.level);
    EXPECT_EQ(BEL_GetLevel(), c.level);
    EXPECT_EQ(BEL_GetDriverMode(), c.driverMode);
    EXPECT_EQ(panel().lightShade.load(), c.lightShade);
    EXPECT_EQ(panel().darkShade.load(), 0u);
  }
}

TEST_F(Backlight, OnlyAChangeOfDriverModeRedrawsThePanel) {
  send(SIG_BEL_SET_LEVEL, 200);
  const uint32_t afterBright = redraws();
  send(SIG_BEL_SET_LEVEL, 100);  // still bright
  send(SIG_BEL_SET_LEVEL, 25);
  EXPECT_EQ(redraws(), afterBright);
  send(SIG_BEL_SET_LEVEL, 24);
  EXPECT_EQ(redraws(), afterBright + 1);
  send(SIG_BEL_OFF);  // dim again: no redraw
  EXPECT_EQ(redraws(), afterBright + 1);
}

TEST_F(Backlight, RedrawShowsTheFrameBufferInTheNewShades) {
  LCD_WriteDisplayByte(0, 0xFF);  // some light pixels in the first row
  send(SIG_BEL_SET_LEVEL, 24);
  send(SIG_BEL_SET_LEVEL, 25);
  int light = 0;
  for (int x = 0; x < PanelMemory::kWidth; ++x) light += panel().pixels[0][x] != 0;
  EXPECT_GT(light, 0);
}

TEST_F(Backlight, SetLevelUsesTheLowByteOnly) {
  send(SIG_BEL_SET_LEVEL, 0x1FF);
  EXPECT_EQ(BEL_GetLevel(), 255);
  EXPECT_EQ(BEL_GetTarget(), 255);
  send(SIG_BEL_SET_LEVEL, 0x100);
  EXPECT_EQ(BEL_GetLevel(), 0);
  EXPECT_EQ(BEL_GetDriverMode(), kBelDriverDim);
}

TEST_F(Backlight, CommandsTakeTheBrightnessValuesOfTheDataImage) {
  const uint8_t saver = DAT_GetBrightness1();
  const uint8_t operating = DAT_GetBrightness2();
  ASSERT_NE(saver, operating);
  struct {
    Signal sig;
    uint8_t target;
    uint8_t level;  // ramps leave the level as it was (0 after entry)
    uint32_t mode;
  } cases[] = {
      {SIG_BEL_SET_LEVEL1, saver, saver, kBelIdle},
      {SIG_BEL_SET_LEVEL2, operating, operating, kBelIdle},
      {SIG_BEL_OFF, 0, 0, kBelIdle},
      {SIG_BEL_RAMP_LEVEL1, saver, 0, kBelRamp},
      {SIG_BEL_RAMP_LEVEL2, operating, 0, kBelRamp},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.sig);
    send(SIG_ENTRY);
    send(c.sig);
    EXPECT_EQ(BEL_GetTarget(), c.target);
    EXPECT_EQ(BEL_GetLevel(), c.level);
    EXPECT_EQ(BEL_GetMode(), c.mode);
  }
  send(SIG_BEL_MODE_SET);
  EXPECT_EQ(BEL_GetMode(), kBelSet);
  send(SIG_BEL_SET_LEVEL, 7);  // leaves the mode alone
  EXPECT_EQ(BEL_GetMode(), kBelSet);
  send(SIG_BEL_MODE_IDLE);
  EXPECT_EQ(BEL_GetMode(), kBelIdle);
}

TEST_F(Backlight, UnknownDriverModeIsTracedAndIgnored) {
  send(SIG_BEL_SET_LEVEL, 30);
  const uint32_t before = redraws();
  BEL_Driver(6);
  EXPECT_EQ(test.traceCount("\n*** Display-Beleuchtung, FEHLER ***"), 1u);
  EXPECT_EQ(BEL_GetDriverMode(), kBelDriverBright);
  EXPECT_EQ(redraws(), before);
}

TEST_F(Backlight, RampStepsTowardsTheTargetWithinItsRange) {
  send(SIG_BEL_SET_LEVEL, 23);
  DAT_Set(DAT_Byte(DatBlock::Local, kLocalBrightness1), 26);
  send(SIG_BEL_RAMP_LEVEL1);
  BEL_Ramp(0);
  BEL_Ramp(0);
  EXPECT_EQ(BEL_GetLevel(), 25);
  EXPECT_EQ(BEL_GetDriverMode(), kBelDriverBright);
  EXPECT_EQ(BEL_GetMode(), kBelRamp);
  BEL_Ramp(0);
  EXPECT_EQ(BEL_GetLevel(), 26);
  EXPECT_EQ(BEL_GetMode(), kBelIdle);

  // A target of 0 ends at the lowest ramp level instead of ramping forever.
  send(SIG_BEL_SET_LEVEL, 4);
  DAT_Set(DAT_Byte(DatBlock::Local, kLocalBrightness1), 0);
  send(SIG_BEL_RAMP_LEVEL1);
  for (int i = 0; i < 5; ++i) BEL_Ramp(0);
  EXPECT_EQ(BEL_GetLevel(), 2);
  EXPECT_EQ(BEL_GetMode(), kBelIdle);
}

}  // namespace
