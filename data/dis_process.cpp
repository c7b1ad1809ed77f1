#include "data/dis_process.h"

#include "data/data_fields.h"
#include "data/dis_answer_copy.h"
#include "data/dis_frame.h"
#include "data/dis_jobs.h"
#include "data/dis_objects.h"
#include "data/dis_queue.h"
#include "data/dis_status.h"
#include "kernel/active_object.h"
#include "platform/interrupt.h"

namespace {

constexpr uint8_t kMaskBits = 15;

uint16_t unmatchedAnswers;

uint16_t takeRequestMask() {
  uint8_t* mask = DIS_MaskBuffer();
  __disable_interrupt();
  const auto bits = static_cast<uint16_t>(mask[0] | (mask[1] << 8));
  mask[0] = 0;
  mask[1] = 0;
  __enable_interrupt();
  return bits;
}

void requestMaskedJobs() {
  const uint16_t mask = takeRequestMask();
  for (uint8_t job = 0; job < kMaskBits; ++job)
    if (mask & (1u << job)) DIS_Request(job);
}

// The bus routine may write the next frame while the application thread
// works on this one: work on a copy.
void takeAnswer(uint8_t* answer) {
  __disable_interrupt();
  for (uint8_t i = 0; i < kDisAnswerSize; ++i) answer[i] = DIS_AnswerBuffer()[i];
  __enable_interrupt();
}

// The plain entry of jobs 0..2 follows the answer of the current circuit.
void markAnswered(uint8_t job, uint8_t circuit, uint8_t index) {
  DIS_SetJobStatus(index, kJobIdle);
  if (job >= kDisCircuitJobs || index == job) return;
  const auto current = static_cast<uint8_t>(DAT_Get(df::CurrentCircuit));
  if (current == 0 || current == circuit) DIS_SetJobStatus(job, kJobIdle);
}

void processAnswer() {
  uint8_t answer[kDisAnswerSize];
  takeAnswer(answer);
  DIS_ClearFlags(kDisFlagAnswer);
  const uint8_t job = DIS_JobOf(answer[0]);
  const uint8_t circuit = answer[kDisAnswerCircuit];
  DIS_SetCurrentSequence(DIS_SequenceOf(answer[0]));
  const uint8_t index = DIS_StatusIndex(job, circuit);
  const bool accepted = job < kDisJobCount && circuit <= 2 && DIS_GetJobStatus(index) == kJobAwaited &&
                        DIS_SequenceOf(DIS_RequestBuffer()[1]) == DIS_GetCurrentSequence();
  if (!accepted) {
    ++unmatchedAnswers;
    return;
  }
  markAnswered(job, circuit, index);
  AO_Post(AO_BED, SIG_DATA_165, 0);
  DIS_CopyAnswer(job, answer);
}

}  // namespace

void DIS_ProcessFrame() {
  requestMaskedJobs();
  if (DIS_GetFlags() & kDisFlagStatus) DIS_ProcessStatusRecord();
  DIS_QueueNextWantedJob();
  DIS_SendNextTelegram();
  if (DIS_GetFlags() & kDisFlagAnswer) processAnswer();
}

uint16_t DIS_GetUnmatchedAnswers() { return unmatchedAnswers; }
void DIS_ResetUnmatchedAnswers() { unmatchedAnswers = 0; }
