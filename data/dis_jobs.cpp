#include "data/dis_jobs.h"

#include "data/data_fields.h"
#include "data/dis_frame.h"
#include "data/dis_objects.h"
#include "data/dis_queue.h"
#include "kernel/active_object.h"

namespace {

uint8_t jobStatus[kDisStatusCount];
uint8_t currentSequence;

constexpr uint8_t kFirstCircuitIndex = kDisJobCount;
constexpr uint8_t kTelegramParamFirst = 4;

// Indices 27..32 are jobs 0..2 of circuits 1 and 2.
constexpr uint8_t kPriorityOrder[] = {10, 14, 22, 23, 13, 28, 31, 27, 30, 29, 32, 15,
                                      3,  4,  5,  6,  7,  8,  9,  17, 24, 26, 18, 25};

// Job and circuit of a status table index.
void jobOfIndex(uint8_t index, uint8_t* job, uint8_t* circuit) {
  if (index < kFirstCircuitIndex) {
    *job = index;
    *circuit = 0;
    return;
  }
  *job = static_cast<uint8_t>((index - kFirstCircuitIndex) % kDisCircuitJobs);
  *circuit = static_cast<uint8_t>((index - kFirstCircuitIndex) / kDisCircuitJobs + 1);
}

// The circuit a request of a plain job carries: the time programs are
// fetched for the first configured circuit, the circuit names from circuit 1 or 2.
uint8_t requestCircuit(uint8_t job) {
  if ((job >= 3 && job <= 9) || job == 25) return DIS_CircuitPresent(1) ? 1 : 2;
  return 0;
}

uint8_t requestPart(uint8_t job) { return job == 25 ? 1 : 0; }

void countQueued(uint8_t index) {
  const uint8_t status = jobStatus[index];
  jobStatus[index] = status > kJobIdle ? static_cast<uint8_t>(status + 1) : kJobQueued;
}

void countSent(uint8_t index) {
  const uint8_t status = jobStatus[index];
  jobStatus[index] = status < kJobQueued ? kJobAwaited : static_cast<uint8_t>(status - 1);
}

void markIdleWanted(uint8_t index) {
  if (jobStatus[index] == kJobIdle) jobStatus[index] = kJobWanted;
}

void offerSlot(const uint8_t* slot) {
  uint8_t* request = DIS_RequestBuffer();
  if (slot[0] == kDisWriteSlotMarker) {
    uint8_t* write = DIS_WriteBuffer();
    for (uint8_t i = 0; i < kDisSlotSize; ++i) write[i] = slot[i];
    request[1] = slot[1];
    request[2] = slot[2];
    DIS_PrepareTransmit(kDisWriteObjectId);
    return;
  }
  for (uint8_t i = 0; i < kDisRequestSize; ++i) request[i] = slot[i];
  DIS_PrepareTransmit(kDisRequestObjectId);
}

}  // namespace

bool DIS_CircuitPresent(uint8_t circuit) {
  if (circuit == 1) return DAT_Get(df::Circuit1Present) != 0;
  if (circuit == 2) return DAT_Get(df::Circuit2Present) != 0;
  return false;
}

uint8_t DIS_StatusIndex(uint8_t job, uint8_t circuit) {
  if (job < kDisCircuitJobs && circuit >= 1 && circuit <= 3)
    return static_cast<uint8_t>(kFirstCircuitIndex + (circuit - 1) * kDisCircuitJobs + job);
  return job;
}

uint8_t DIS_GetJobStatus(uint8_t index) { return index < kDisStatusCount ? jobStatus[index] : 0; }

void DIS_SetJobStatus(uint8_t index, uint8_t status) {
  if (index < kDisStatusCount) jobStatus[index] = status;
}

void DIS_ResetJobs() {
  for (uint8_t& status : jobStatus) status = kJobIdle;
  currentSequence = 1;
}

uint8_t DIS_GetCurrentSequence() { return currentSequence; }
void DIS_SetCurrentSequence(uint8_t sequence) { currentSequence = sequence & kDisSequenceMask; }

void DIS_Request(uint8_t job) {
  if (job >= kDisStatusCount) {
    AO_Post(AO_BED, SIG_BED_ERROR_RESET, kResetDataRequest);
    return;
  }
  markIdleWanted(job);
  if (job >= kDisCircuitJobs) return;
  for (uint8_t circuit = 1; circuit <= 2; ++circuit)
    if (DIS_CircuitPresent(circuit)) markIdleWanted(DIS_StatusIndex(job, circuit));
  jobStatus[DIS_StatusIndex(job, 3)] = kJobIdle;
}

bool DIS_QueueJob(uint8_t job, uint8_t circuit, uint8_t kind, const uint8_t* params, uint8_t paramCount) {
  uint8_t* telegram = DIS_TelegramBuffer();
  telegram[0] = kDisRequestObjectId;
  telegram[1] = DIS_JobAndSequence(job, DIS_TelegramSequence());
  telegram[2] = circuit;
  telegram[3] = kind;
  for (uint8_t i = kTelegramParamFirst; i < kDisTelegramSize; ++i) {
    const uint8_t k = static_cast<uint8_t>(i - kTelegramParamFirst);
    telegram[i] = k < paramCount ? params[k] : 0;
  }
  return DIS_QueueTelegram(telegram, kDisTelegramSize);
}

bool DIS_QueueRequest(uint8_t job, uint8_t circuit, uint8_t part) {
  return DIS_QueueJob(job, circuit, kDisKindDataRequest, &part, 1);
}

bool DIS_QueueTelegram(const uint8_t* telegram, uint8_t size) {
  if (!DIS_QueuePush(telegram, size)) return false;
  countQueued(DIS_StatusIndex(DIS_JobOf(telegram[1]), telegram[2]));
  return true;
}

void DIS_QueueNextWantedJob() {
  for (uint8_t index : kPriorityOrder) {
    if (jobStatus[index] != kJobWanted) continue;
    if (DIS_QueueCount() >= kDisQueuedTelegramLimit) return;
    uint8_t job = 0;
    uint8_t circuit = 0;
    jobOfIndex(index, &job, &circuit);
    if (index < kFirstCircuitIndex) circuit = requestCircuit(job);
    DIS_QueueRequest(job, circuit, requestPart(job));
    return;
  }
}

void DIS_SendNextTelegram() {
  const uint8_t requestSequence = DIS_SequenceOf(DIS_RequestBuffer()[1]);
  if (requestSequence != currentSequence || DIS_QueueCount() == 0) return;
  // Every telegram carries the same sequence bits, so after the first
  // answer they no longer hold the next one back: never overwrite an
  // offered telegram that the controller has not read yet.
  if (DIS_TransmitPending()) return;
  const uint8_t* slot = DIS_QueueFront();
  offerSlot(slot);
  countSent(DIS_StatusIndex(DIS_JobOf(slot[1]), slot[2]));
  DIS_QueuePop();
}
