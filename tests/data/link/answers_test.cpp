// Accepted answers: what lands in the data image, which follow-up requests
// multi-part jobs make and when their signal is posted.
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "data/data_fields.h"
#include "data/dis_jobs.h"
#include "data/dis_objects.h"
#include "data/dis_process.h"
#include "data/dis_queue.h"
#include "kernel/active_object.h"
#include "tests/data/link/link_harness.h"

namespace {

class Answers : public ::testing::Test {
 protected:
  // Answers `job` as if its request had just been sent.
  void awaitAndAnswer(uint8_t job, uint8_t circuit, const Bytes& data) {
    DIS_SetJobStatus(DIS_StatusIndex(job, circuit), kJobAwaited);
    DIS_RequestBuffer()[1] = DIS_JobAndSequence(job, 2);
    link.answer(job, circuit, data);
  }
  // Telegrams queued so far as (job, circuit, byte 4), emptying the queue.
  std::vector<std::array<int, 3>> drainQueue() {
    std::vector<std::array<int, 3>> out;
    for (; DIS_QueueCount() > 0; DIS_QueuePop()) {
      const uint8_t* slot = DIS_QueueFront();
      out.push_back({DIS_JobOf(slot[1]), slot[2], slot[4]});
    }
    return out;
  }
  size_t signals(Signal sig) { return link.posted(AO_BED, sig).size(); }

  LinkHarness link;
};

TEST_F(Answers, WeekdayTimesAreConvertedAndCircuit2Follows) {
  Bytes times(24, 255);
  times[0] = 6 * 8 + 3;         // 6:30
  times[1] = 22 * 8 + 0;        // 22:00
  times[2] = 24 * 8;            // 24:00
  times[8] = 5 * 8 + 5;         // hot water program, 5:50
  awaitAndAnswer(4, 1, times);  // Tuesday
  EXPECT_EQ(DAT_GetSwitchingTime(0, 0, 1, 0, 0), 6 * 6 + 3);
  EXPECT_EQ(DAT_GetSwitchingTime(0, 0, 1, 0, 1), 22 * 6);
  EXPECT_EQ(DAT_GetSwitchingTime(0, 0, 1, 1, 0), 144);
  EXPECT_EQ(DAT_GetSwitchingTime(0, 0, 1, 1, 1), kNoTime);
  EXPECT_EQ(DAT_GetSwitchingTime(0, 1, 1, 0, 0), 5 * 6 + 5);
  // Two circuits: circuit 2 is asked for before the menus hear of it.
  EXPECT_EQ(signals(183), 0u);
  EXPECT_EQ(drainQueue(), (std::vector<std::array<int, 3>>{{4, 2, 0}}));
  awaitAndAnswer(4, 2, times);
  EXPECT_EQ(DAT_GetSwitchingTime(1, 0, 1, 0, 0), 6 * 6 + 3);
  EXPECT_EQ(signals(183), 1u);
  EXPECT_EQ(link.posted(AO_DIS, 183).size(), 1u);
  EXPECT_TRUE(drainQueue().empty());
}

TEST_F(Answers, WeekdayAnswerWithOneCircuitIsCompleteAtOnce) {
  DAT_Set(df::Circuit2Present, 0);
  awaitAndAnswer(9, 1, Bytes(24, 255));
  EXPECT_EQ(signals(188), 1u);
  EXPECT_TRUE(drainQueue().empty());
}

TEST_F(Answers, FaultHistoryIsFetchedInFiveParts) {
  for (uint8_t part = 0; part <= 4; ++part) {
    SCOPED_TRACE(static_cast<int>(part));
    Bytes data(23, static_cast<uint8_t>(0x10 + part));
    data[0] = part;
    awaitAndAnswer(22, 0, data);
    const auto queued = drainQueue();
    if (part < 4) {
      EXPECT_EQ(queued, (std::vector<std::array<int, 3>>{{22, 0, part + 1}}));
      EXPECT_EQ(signals(193), 0u);
    } else {
      EXPECT_TRUE(queued.empty());
    }
  }
  EXPECT_EQ(signals(193), 1u);
  const uint8_t* history = DAT_Block(DatBlock::FaultHistoryA);
  EXPECT_EQ(history[0], 0x10);
  EXPECT_EQ(history[kHistorySize - 1], 0x14);
}

TEST_F(Answers, CircuitNamesComeInTwoPartsPerCircuit) {
  auto namePart = [](uint8_t part, const char* text, uint8_t language) {
    Bytes data(23, 0);
    data[0] = part;
    data[1] = static_cast<uint8_t>(std::strlen(text));
    for (size_t i = 0; text[i] != 0; ++i) data[2 + 2 * i] = static_cast<uint8_t>(text[i]);
    data[22] = language;
    return data;
  };
  awaitAndAnswer(25, 1, namePart(1, "Wohnbereic", 3));
  EXPECT_EQ(drainQueue(), (std::vector<std::array<int, 3>>{{25, 1, 2}}));
  awaitAndAnswer(25, 1, namePart(2, "h", 3));
  EXPECT_EQ(drainQueue(), (std::vector<std::array<int, 3>>{{25, 2, 1}}));
  EXPECT_EQ(signals(196), 0u);
  awaitAndAnswer(25, 2, namePart(1, "Keller", 3));
  awaitAndAnswer(25, 2, namePart(2, "", 3));
  EXPECT_EQ(signals(196), 1u);
  const CircuitName* name = DAT_GetCircuitName(1);
  EXPECT_EQ(name->units[0], 'W');
  EXPECT_EQ(name->units[10], 'h');
  EXPECT_EQ(name->units[11], 0);
  EXPECT_EQ(name->language, 3);
  EXPECT_EQ(DAT_GetCircuitName(2)->units[5], 'r');
}

TEST_F(Answers, Job2FillsItsRecordBlocksAndSetsTheClock) {
  Bytes data(30, 0);
  for (uint8_t i = 0; i < 5; ++i) data[i] = static_cast<uint8_t>(0xD0 + i);  // circuit part
  data[5 + 4] = 42;                                                          // contrast
  const uint32_t clock = 1796889600;
  for (int i = 0; i < 4; ++i) data[11 + i] = static_cast<uint8_t>(clock >> (8 * i));
  awaitAndAnswer(2, 2, data);
  EXPECT_EQ(DAT_CircuitRecord(2)[kRecordJob2Offset], 0xD0);
  EXPECT_EQ(DAT_CircuitRecord(2)[kRecordJob2Offset + 4], 0xD4);
  EXPECT_EQ(DAT_Get(df::ReportedContrast), 42u);
  const auto clocks = link.posted(AO_DTM, SIG_DTM_SET_CLOCK);
  ASSERT_EQ(clocks.size(), 1u);
  EXPECT_EQ(clocks[0].par, clock);
  EXPECT_EQ(signals(176), 1u);
  EXPECT_EQ(signals(SIG_DATA_165), 1u);
  // Circuit 1 is current: the plain entry waits for circuit 1's answer.
  EXPECT_EQ(DIS_GetJobStatus(DIS_StatusIndex(2, 2)), kJobIdle);
}

TEST_F(Answers, BlocksLongerThanTheAnswerKeepTheirTail) {
  uint8_t* job15 = DAT_Block(DatBlock::Job15);
  job15[53] = 0x77;
  awaitAndAnswer(15, 0, Bytes(30, 0x11));
  EXPECT_EQ(job15[0], 0x11);
  EXPECT_EQ(job15[kDisAnswerSize - 3], 0x11);
  EXPECT_EQ(job15[53], 0x77);
}

TEST_F(Answers, ConfigurationWithAnotherCircuitCountAsksForEverything) {
  Bytes config(DAT_Block(DatBlock::Config), DAT_Block(DatBlock::Config) + 30);
  awaitAndAnswer(10, 0, config);
  EXPECT_TRUE(link.posted(AO_DIS, SIG_DIS_SEND_NOW).empty());
  config[23] &= 0xF3;  // circuit 2 gone
  awaitAndAnswer(10, 0, config);
  EXPECT_EQ(link.posted(AO_DIS, SIG_DIS_SEND_NOW).size(), 1u);
  EXPECT_EQ(signals(179), 2u);
}

TEST_F(Answers, AnswersThatMatchNothingAreDropped) {
  const uint8_t before = DAT_Block(DatBlock::Job17)[0];
  link.answer(17, 0, {0xAB});  // not awaited
  DIS_SetJobStatus(17, kJobAwaited);
  DIS_RequestBuffer()[1] = DIS_JobAndSequence(17, 2);
  link.answer(17, 3, {0xAB});  // circuit 3
  link.answer(28, 0, {0xAB});  // no such job
  EXPECT_EQ(DIS_GetUnmatchedAnswers(), 3);
  EXPECT_EQ(DAT_Block(DatBlock::Job17)[0], before);
  EXPECT_EQ(signals(SIG_DATA_165), 0u);
}

}  // namespace
