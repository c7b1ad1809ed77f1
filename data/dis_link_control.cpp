#include "data/dis_link_control.h"

#include "data/data_image.h"
#include "data/dis_frame.h"
#include "data/dis_jobs.h"
#include "data/dis_objects.h"
#include "data/dis_process.h"
#include "data/dis_queue.h"
#include "kernel/active_object.h"
#include "kernel/app.h"
#include "kernel/timer_task.h"

namespace {

bool cyclicRequests = true;

constexpr uint8_t kIdentificationJob = 10;
constexpr uint8_t kStartSequence = 1;
constexpr uint8_t kTelegramSequence = 2;
constexpr uint8_t kProtocolVersion = 3;
constexpr uint8_t kUnitType = 0x21;

}  // namespace

void DIS_InitLink() {
  DIS_ResetUnmatchedAnswers();
  DIS_ClearObjects();
  uint8_t* answer = DIS_AnswerBuffer();
  answer[0] = DIS_JobAndSequence(0, kStartSequence);
  uint8_t* request = DIS_RequestBuffer();
  request[0] = kDisRequestObjectId;
  request[1] = DIS_JobAndSequence(0, kStartSequence);
  request[2] = 1;
  DIS_ClearQueue();
  uint8_t* telegram = DIS_TelegramBuffer();
  for (uint8_t i = 0; i < kDisTelegramSize; ++i) telegram[i] = 0;
  telegram[0] = kDisRequestObjectId;
  telegram[1] = DIS_JobAndSequence(kIdentificationJob, kTelegramSequence);
  telegram[2] = 1;
  telegram[3] = kDisKindDataRequest;
  DIS_ResetJobs();
  request[1] = DIS_JobAndSequence(DIS_JobOf(request[1]), DIS_GetCurrentSequence());
  DIS_ResetFrameCounters();
  cyclicRequests = true;
  DIS_ResetFrameState();
}

void DIS_LinkReset() {
  DIS_BusDisable();
  DIS_BusReset();
  DIS_ResetFrameState();
  DIS_TouchLastFrameTime();
  DIS_BusEnable();
  DIS_CountLinkError();
}

void DIS_EnableLink() {
  DIS_TouchLastFrameTime();
  DIS_BusEnable();
}

void DIS_StopLink() {
  DIS_SetLinkActive(false);
  DIS_BusDisable();
}

void DIS_Supervise() {
  if (!DIS_IsLinkActive()) return;
  const uint32_t lastFrame = DIS_GetLastFrameTime();
  if (DTM_GetTicks100ms() - lastFrame <= kDisSilenceTicks) return;
  const bool resetBefore = DIS_GetErrorCount() != 0;
  DIS_LinkReset();
  if (resetBefore) AO_Post(AO_BED, SIG_BED_ERROR_RESET, kResetLinkSupervision);
}

bool DIS_CyclicRequests() { return cyclicRequests; }
void DIS_SetCyclicRequests(bool on) { cyclicRequests = on; }

void DIS_QueueIdentification() {
  const uint8_t params[] = {kProtocolVersion, 0, SYS_GetResetReason(), kUnitType, 0};
  DIS_QueueJob(kIdentificationJob, DIS_TelegramBuffer()[2], kDisKindIdentification, params, sizeof params);
}
