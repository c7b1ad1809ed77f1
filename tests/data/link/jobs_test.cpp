// Job bookkeeping: priority order, the limit of queued telegrams, sequence
// gating and the restart for job numbers out of range.
#include <gtest/gtest.h>

#include "data/data_fields.h"
#include "data/dis_jobs.h"
#include "data/dis_process.h"
#include "data/dis_queue.h"
#include "kernel/active_object.h"
#include "tests/data/link/link_harness.h"

namespace {

class Jobs : public ::testing::Test {
 protected:
  // Jobs of the telegrams in the queue, oldest first, emptying it.
  std::vector<std::pair<int, int>> drainQueue() {
    std::vector<std::pair<int, int>> out;
    while (DIS_QueueCount() > 0) {
      const uint8_t* slot = DIS_QueueFront();
      out.emplace_back(DIS_JobOf(slot[1]), slot[2]);
      DIS_QueuePop();
    }
    return out;
  }

  LinkHarness link;
};

TEST_F(Jobs, WantedJobsAreQueuedInPriorityOrderAtMostThreeAtATime) {
  for (uint8_t job : {25, 3, 15, 0, 22, 10}) DIS_Request(job);  // job 0: circuits 1 and 2
  std::vector<std::pair<int, int>> order;
  for (int round = 0; round < 10; ++round) {
    for (int k = 0; k < 5; ++k) DIS_QueueNextWantedJob();
    EXPECT_LE(DIS_QueueCount(), kDisQueuedTelegramLimit);
    for (auto& job : drainQueue()) order.push_back(job);
  }
  const std::vector<std::pair<int, int>> expected = {{10, 0}, {22, 0}, {0, 1}, {0, 2},
                                                     {15, 0}, {3, 1},  {25, 1}};
  EXPECT_EQ(order, expected);
  EXPECT_EQ(DIS_GetJobStatus(DIS_StatusIndex(0, 1)), kJobQueued);
}

TEST_F(Jobs, QueuedCopiesAreCountedDownAsTheyAreSent) {
  DIS_QueueRequest(15, 0, 0);
  DIS_QueueRequest(15, 0, 0);
  EXPECT_EQ(DIS_GetJobStatus(15), kJobQueued + 1);
  DIS_ProcessFrame();
  link.read(0);
  EXPECT_EQ(DIS_GetJobStatus(15), kJobQueued);
  link.answer(15, 0, {});  // a copy is still queued: not the awaited answer
  EXPECT_EQ(DIS_GetUnmatchedAnswers(), 1);
  DIS_ProcessFrame();
  link.read(0);
  EXPECT_EQ(DIS_GetJobStatus(15), kJobAwaited);
  DIS_Request(15);  // awaited: not wanted again
  EXPECT_EQ(DIS_GetJobStatus(15), kJobAwaited);
  link.answer(15, 0, {});
  EXPECT_EQ(DIS_GetJobStatus(15), kJobIdle);
}

TEST_F(Jobs, TheNextTelegramWaitsForTheAnswerThatEchoesItsSequence) {
  DIS_QueueRequest(13, 0, 0);
  DIS_QueueRequest(14, 0, 0);
  DIS_ProcessFrame();
  ASSERT_EQ(DIS_JobOf(link.nextTelegram()[1]), 13);
  DIS_ProcessFrame();  // a frame without an answer
  EXPECT_TRUE(link.nextTelegram().empty());
  link.answer(13, 0, {}, 5);  // wrong sequence bits: dropped, still blocked
  EXPECT_EQ(DIS_GetUnmatchedAnswers(), 1);
  DIS_ProcessFrame();
  EXPECT_TRUE(link.nextTelegram().empty());
  link.answer(13, 0, {}, 2);
  EXPECT_EQ(DIS_GetJobStatus(13), kJobIdle);
  DIS_ProcessFrame();
  EXPECT_EQ(DIS_JobOf(link.nextTelegram()[1]), 14);
}

TEST_F(Jobs, AnOfferedTelegramIsNotOverwrittenBeforeTheControllerReadsIt) {
  for (uint8_t job : {13, 14, 15}) DIS_QueueRequest(job, 0, 0);
  DIS_ProcessFrame();
  link.read(0);
  link.answer(13, 0, {});
  DIS_ProcessFrame();  // offers job 14
  DIS_ProcessFrame();  // a further frame before the controller reads
  EXPECT_EQ(DIS_JobOf(link.nextTelegram()[1]), 14);
  EXPECT_EQ(DIS_GetJobStatus(15), kJobQueued);
}

TEST_F(Jobs, CircuitJobsAreWantedPerPresentCircuit) {
  DAT_Set(df::Circuit2Present, 0);
  DIS_SetJobStatus(DIS_StatusIndex(1, 3), kJobWanted);
  DIS_Request(1);
  EXPECT_EQ(DIS_GetJobStatus(1), kJobWanted);
  EXPECT_EQ(DIS_GetJobStatus(DIS_StatusIndex(1, 1)), kJobWanted);
  EXPECT_EQ(DIS_GetJobStatus(DIS_StatusIndex(1, 2)), kJobIdle);
  EXPECT_EQ(DIS_GetJobStatus(DIS_StatusIndex(1, 3)), kJobIdle);
}

TEST_F(Jobs, RequestOfJob36RestartsTheUnitWithReason136) {
  DIS_Request(35);
  EXPECT_TRUE(link.posted(AO_BED, SIG_BED_ERROR_RESET).empty());
  DIS_Request(36);
  const auto restarts = link.posted(AO_BED, SIG_BED_ERROR_RESET);
  ASSERT_EQ(restarts.size(), 1u);
  EXPECT_EQ(restarts[0].par, 136u);
}

TEST_F(Jobs, AFullQueueTakesNoMoreAndTheJobStaysWanted) {
  for (int i = 0; i < kDisQueueSlots; ++i) EXPECT_TRUE(DIS_QueueRequest(16, 0, 0));
  EXPECT_FALSE(DIS_QueueRequest(16, 0, 0));
  EXPECT_EQ(DIS_QueueCount(), kDisQueueSlots);
  DIS_Request(15);
  DIS_QueueNextWantedJob();
  EXPECT_EQ(DIS_GetJobStatus(15), kJobWanted);
}

TEST_F(Jobs, RequestMaskMarksItsJobsWanted) {
  link.receive(LinkHarness::writeFrame(24, {0x00, 0x60}));  // bits 13, 14
  DIS_ProcessFrame();
  EXPECT_EQ(DIS_GetJobStatus(14), kJobAwaited);  // first by priority, sent at once
  EXPECT_EQ(DIS_GetJobStatus(13), kJobWanted);
  link.receive(LinkHarness::writeFrame(24, {0x00, 0x80}));  // bit 15 is not a job
  DIS_ProcessFrame();
  EXPECT_EQ(DIS_GetJobStatus(15), kJobIdle);
}

}  // namespace
