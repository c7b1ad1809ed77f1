#include "data/dis_answer_copy.h"

#include "data/data_fields.h"
#include "data/dis_jobs.h"
#include "data/dis_objects.h"
#include "kernel/active_object.h"

namespace {

// A run of answer bytes that lands in a data image block.
struct BlockCopy {
  uint8_t job;
  DatBlock block;
  uint8_t answerOffset;
  uint8_t size;
};

// Blocks longer than an answer object (jobs 15 and 16) take what the
// object holds; their remaining bytes keep their values.
constexpr BlockCopy kBlockCopies[] = {
    {0, DatBlock::Job0, 2, 24},      {1, DatBlock::Job1, 22, 7},    {2, DatBlock::Job2Short, 7, 10},
    {2, DatBlock::Job2Long, 17, 11}, {10, DatBlock::Config, 2, 30}, {13, DatBlock::Job13_14, 2, 25},
    {14, DatBlock::Job13_14, 2, 26}, {15, DatBlock::Job15, 2, 54},  {16, DatBlock::Job16, 2, 37},
    {17, DatBlock::Job17, 2, 25},    {18, DatBlock::Job18, 2, 27},  {24, DatBlock::Job24, 2, 29},
    {26, DatBlock::Job26, 2, 29},
};

// The part of a circuit record each of jobs 0, 1, 2 brings.
struct RecordCopy {
  uint8_t answerOffset;
  uint8_t recordOffset;
  uint8_t size;
};
constexpr RecordCopy kRecordCopies[kDisCircuitJobs] = {
    {26, kRecordJob0Offset, kRecordJob0Size},
    {2, kRecordJob1Offset, kRecordJob1Size},
    {2, kRecordJob2Offset, kRecordJob2Size},
};

struct JobSignal {
  uint8_t job;
  uint16_t signal;
};
constexpr JobSignal kJobSignals[] = {
    {0, 178},  {1, 180},  {2, 176},  {3, 182},  {4, 183},  {5, 184},  {6, 185},  {7, 186},
    {8, 187},  {9, 188},  {10, 179}, {13, 175}, {14, 174}, {15, 181}, {16, 172}, {17, 171},
    {18, 173}, {22, 193}, {23, 194}, {24, 195}, {25, 196}, {26, 197},
};

constexpr uint8_t kHistoryLastPart = 4;
constexpr uint8_t kHistoryPartSize = 2 * kHistoryEntrySize;
constexpr uint8_t kHistoryPartAt = 2;
constexpr uint8_t kHistoryDataAt = 3;
constexpr uint8_t kNamePartAt = 2;
constexpr uint8_t kNameCountAt = 3;
constexpr uint8_t kNameCharsAt = 4;
constexpr uint8_t kNameLanguageAt = 24;
constexpr uint8_t kNamePartLength = 10;
constexpr uint8_t kClockAt = 13;

void copyBytes(uint8_t* to, uint16_t toSize, const uint8_t* answer, uint8_t offset, uint16_t count) {
  for (uint16_t i = 0; i < count && i < toSize && offset + i < kDisAnswerSize; ++i)
    to[i] = answer[offset + i];
}

void copyBlocks(uint8_t job, const uint8_t* answer) {
  for (const BlockCopy& copy : kBlockCopies) {
    if (copy.job != job) continue;
    copyBytes(DAT_Block(copy.block), DAT_BlockSize(copy.block), answer, copy.answerOffset, copy.size);
  }
}

void post(uint8_t job) {
  const uint16_t signal = DIS_JobSignal(job);
  if (signal == 0) return;
  AO_Post(AO_DIS, signal, 0);
  AO_Post(AO_BED, signal, 0);
}

uint32_t clockOf(const uint8_t* answer) {
  uint32_t seconds = 0;
  for (uint8_t i = 0; i < 4; ++i) seconds |= static_cast<uint32_t>(answer[kClockAt + i]) << (8 * i);
  return seconds;
}

uint8_t presentCircuitCount() { return static_cast<uint8_t>(DIS_CircuitPresent(1) + DIS_CircuitPresent(2)); }

void circuitJob(uint8_t job, const uint8_t* answer) {
  const uint8_t circuit = answer[kDisAnswerCircuit];
  uint8_t* record = DAT_CircuitRecord(circuit);
  const RecordCopy& part = kRecordCopies[job];
  if (record != nullptr)
    copyBytes(record + part.recordOffset, part.size, answer, part.answerOffset, part.size);
  copyBlocks(job, answer);
  if (job == 2) AO_Post(AO_DTM, SIG_DTM_SET_CLOCK, clockOf(answer));
  DAT_SelectCircuit(circuit);
  post(job);
}

void weekdayJob(uint8_t job, const uint8_t* answer) {
  const uint8_t circuit = answer[kDisAnswerCircuit];
  if (circuit == 1 || circuit == 2)
    DAT_StoreWeekdayAnswer(circuit, static_cast<uint8_t>(job - 3), answer + kDisAnswerData);
  if (circuit == 1 && DIS_CircuitPresent(2)) {
    DIS_QueueRequest(job, 2, 0);
    return;
  }
  post(job);
}

void configurationJob(const uint8_t* answer) {
  const uint8_t circuitsBefore = presentCircuitCount();
  copyBlocks(10, answer);
  if (presentCircuitCount() != circuitsBefore) AO_Post(AO_DIS, SIG_DIS_SEND_NOW, 0);
  post(10);
}

void historyJob(uint8_t job, const uint8_t* answer) {
  const uint8_t part = answer[kHistoryPartAt];
  const DatBlock block = job == 22 ? DatBlock::FaultHistoryA : DatBlock::FaultHistoryB;
  if (part > kHistoryLastPart) return;
  if (part == 0) DAT_ClearBlock(block);
  copyBytes(DAT_Block(block) + part * kHistoryPartSize, kHistoryPartSize, answer, kHistoryDataAt,
            kHistoryPartSize);
  if (part < kHistoryLastPart) {
    DIS_QueueRequest(job, 0, static_cast<uint8_t>(part + 1));
    return;
  }
  post(job);
}

void circuitNameJob(const uint8_t* answer) {
  const uint8_t circuit = answer[kDisAnswerCircuit];
  const uint8_t part = answer[kNamePartAt];
  if ((circuit != 1 && circuit != 2) || (part != 1 && part != 2)) return;
  const uint8_t count = answer[kNameCountAt] < kNamePartLength ? answer[kNameCountAt] : kNamePartLength;
  DAT_StoreCircuitNamePart(circuit, part, answer + kNameCharsAt, count, answer[kNameLanguageAt]);
  if (part == 1) {
    DIS_QueueRequest(25, circuit, 2);
  } else if (circuit == 1 && DIS_CircuitPresent(2)) {
    DIS_QueueRequest(25, 2, 1);
  } else {
    post(25);
  }
}

}  // namespace

uint16_t DIS_JobSignal(uint8_t job) {
  for (const JobSignal& entry : kJobSignals)
    if (entry.job == job) return entry.signal;
  return 0;
}

void DIS_CopyAnswer(uint8_t job, const uint8_t* answer) {
  if (job < kDisCircuitJobs) {
    circuitJob(job, answer);
  } else if (job >= 3 && job <= 9) {
    weekdayJob(job, answer);
  } else if (job == 10) {
    configurationJob(answer);
  } else if (job == 22 || job == 23) {
    historyJob(job, answer);
  } else if (job == 25) {
    circuitNameJob(answer);
  } else {
    copyBlocks(job, answer);
    post(job);
  }
}
