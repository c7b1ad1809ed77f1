// Write telegrams: framing of the commands, their side effects, and the
// 30-byte circuit-name telegram.
#include <gtest/gtest.h>

#include "data/data_fields.h"
#include "data/dis_jobs.h"
#include "data/dis_queue.h"
#include "data/dis_write.h"
#include "kernel/active_object.h"
#include "tests/data/link/link_harness.h"

namespace {

class WriteTelegrams : public ::testing::Test {
 protected:
  Bytes popSlot() {
    const uint8_t* slot = DIS_QueueFront();
    Bytes out(slot, slot + kDisSlotSize);
    DIS_QueuePop();
    return out;
  }
  LinkHarness link;
};

struct CommandCase {
  uint8_t code;
  Bytes params;
  int job;  // -1: refused
};

TEST_F(WriteTelegrams, CommandsNameTheJobTheyChange) {
  const CommandCase cases[] = {
      {200, {}, 1},         {210, {7}, 1},       {212, {1, 2, 3, 4}, 2},
      {222, {3}, 13},       {223, {}, 0},        {228, {0x12, 5, 0x34, 0x12, 9}, 14},
      {229, {2}, 1},        {229, {11}, 17},     {234, {3, 40, 0, 0x55, 0}, 15},
      {239, {}, 12},        {242, {1}, 0},       {243, {0, 0, 0, 0, 9}, 16},
      {247, {11, 255}, 15}, {250, {1, 2, 3}, 2}, {252, {1, 120}, 1},
      {231, {}, -1},        {241, {}, -1},       {199, {}, -1},
  };
  DAT_ChangeCircuit(2);
  for (const CommandCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.code));
    const bool queued = DIS_SendCommand(c.code, c.params.data(), static_cast<uint8_t>(c.params.size()));
    ASSERT_EQ(queued, c.job >= 0);
    if (!queued) continue;
    const Bytes slot = popSlot();
    EXPECT_EQ(slot[0], 20);
    EXPECT_EQ(slot[1], c.job * 8 + 2);
    EXPECT_EQ(slot[2], 2);
    EXPECT_EQ(slot[3], c.code);
    for (size_t i = 0; i < c.params.size(); ++i) EXPECT_EQ(slot[4 + i], c.params[i]);
    EXPECT_EQ(slot[4 + c.params.size()], 0);
  }
}

TEST_F(WriteTelegrams, AnswerOfACommandIsCountedOnItsJob) {
  DIS_SendCommandValue(222, 4);
  EXPECT_EQ(DIS_GetJobStatus(13), kJobQueued);
  DIS_SendNextTelegram();
  EXPECT_EQ(DIS_GetJobStatus(13), kJobAwaited);
  link.read(0);
  link.answer(13, 2, {0x42});
  EXPECT_EQ(DIS_GetJobStatus(13), kJobIdle);
  EXPECT_EQ(DAT_Block(DatBlock::Job13_14)[0], 0x42);
}

TEST_F(WriteTelegrams, SettingsForCircuitsAskForEverythingAgain) {
  DIS_SendCommandValue(229, 1);
  EXPECT_EQ(link.posted(AO_DIS, SIG_DIS_SEND_NOW).size(), 1u);
  DIS_SendCommandValue(229, 12);
  EXPECT_EQ(link.posted(AO_DIS, SIG_DIS_SEND_NOW).size(), 1u);
}

TEST_F(WriteTelegrams, ClockCommandSetsTheClockAtOnceAndAsksForJob15) {
  EXPECT_TRUE(DIS_SendClock(213, 0x11223344));
  const auto clocks = link.posted(AO_DTM, SIG_DTM_SET_CLOCK);
  ASSERT_EQ(clocks.size(), 1u);
  EXPECT_EQ(clocks[0].par, 0x11223344u);
  const Bytes slot = popSlot();
  EXPECT_EQ(slot[3], 213);
  EXPECT_EQ((Bytes{slot[4], slot[5], slot[6], slot[7]}), (Bytes{0x44, 0x33, 0x22, 0x11}));
  EXPECT_EQ(DIS_GetJobStatus(15), kJobWanted);
}

TEST_F(WriteTelegrams, CircuitNameGoesAsTwoWholeTelegrams) {
  DAT_SetLanguage(4);
  std::u16string name = u"Dachgeschoss Süd";
  EXPECT_TRUE(DIS_SendCircuitName(2, reinterpret_cast<const uint16_t*>(name.data()),
                                  static_cast<uint8_t>(name.size())));
  ASSERT_EQ(DIS_QueueCount(), 2);
  const Bytes first = popSlot();
  EXPECT_EQ(first[0], '#');
  EXPECT_EQ(first[1], 25 * 8 + 2);
  EXPECT_EQ(first[2], 2);
  EXPECT_EQ(first[3], 2);
  EXPECT_EQ(first[4], 10);
  EXPECT_EQ(first[5], 'D');
  EXPECT_EQ(first[23], 'o');  // character 10
  EXPECT_EQ(first[24], 0);
  EXPECT_EQ(first[29], 4);
  const Bytes second = popSlot();
  EXPECT_EQ(second[3], 3);
  EXPECT_EQ(second[4], 6);
  EXPECT_EQ(second[5 + 2 * 4], 0xFC);  // ü, low byte first
  EXPECT_EQ(DAT_GetCircuitName(2)->units[13], u'S');
  EXPECT_EQ(DAT_GetCircuitName(2)->language, 4);
}

TEST_F(WriteTelegrams, CircuitNameTelegramTravelsThroughObject35) {
  const uint16_t name[] = {'A', 'B'};
  DIS_SendCircuitName(1, name, 2);
  DIS_SendNextTelegram();
  const Bytes frame = link.read(0);
  ASSERT_EQ(frame.size(), 32u);
  EXPECT_EQ(frame[1], '#');
  EXPECT_EQ(frame[6], 'A');
}

}  // namespace
