// Job bookkeeping of the bus link: which data jobs are wanted, queued or
// awaited, and the order in which wanted jobs become telegrams.
#pragma once

#include <cstdint>

constexpr uint8_t kDisJobCount = 27;     // data jobs 0..26
constexpr uint8_t kDisStatusCount = 36;  // plus jobs 0..2 for circuits 1..3
constexpr uint8_t kDisCircuitJobs = 3;   // jobs 0, 1, 2 are kept per circuit

// Entries of the job status table.
constexpr uint8_t kJobWanted = 1;
constexpr uint8_t kJobIdle = 2;
constexpr uint8_t kJobAwaited = 3;
constexpr uint8_t kJobQueued = 4;  // 4 + further queued copies

// Fewer queued telegrams than this let the next wanted job in.
constexpr uint8_t kDisQueuedTelegramLimit = 3;

// Index of a job in the status table: the circuit's entry for jobs 0..2 of
// circuits 1..3, the job itself otherwise.
// Circuit 1 or 2 as the configuration block reports it.
bool DIS_CircuitPresent(uint8_t circuit);

uint8_t DIS_StatusIndex(uint8_t job, uint8_t circuit);
uint8_t DIS_GetJobStatus(uint8_t index);
void DIS_SetJobStatus(uint8_t index, uint8_t status);
void DIS_ResetJobs();

uint8_t DIS_GetCurrentSequence();
void DIS_SetCurrentSequence(uint8_t sequence);

// Marks a job wanted; job numbers of 36 and more restart the unit.
void DIS_Request(uint8_t job);

// Builds a telegram for `job` from the telegram buffer (byte 3 := kind,
// byte 4 := first parameter, the other parameters cleared) and queues it.
bool DIS_QueueJob(uint8_t job, uint8_t circuit, uint8_t kind, const uint8_t* params, uint8_t paramCount);
// Queues a data request of `job` for `circuit` with byte 4 = `part`.
bool DIS_QueueRequest(uint8_t job, uint8_t circuit, uint8_t part);
// Queues a prepared telegram of `size` bytes and counts it on its job.
bool DIS_QueueTelegram(const uint8_t* telegram, uint8_t size);

// The first wanted job in priority order, queued while fewer than three
// telegrams wait.
void DIS_QueueNextWantedJob();
// Moves the oldest telegram into its object when the sequence bits allow
// it and the controller has read the telegram offered before.
void DIS_SendNextTelegram();
