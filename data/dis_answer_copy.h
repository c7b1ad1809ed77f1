// What each accepted data job answer does: the data image blocks it fills,
// the follow-up requests of multi-part jobs and the signal that tells the
// menus.
#pragma once

#include <cstdint>

// Answer layout: byte 0 = job × 8 + sequence, byte 1 = circuit, data from byte 2.
constexpr uint8_t kDisAnswerCircuit = 1;
constexpr uint8_t kDisAnswerData = 2;

// Copies the answer of `job` (32 bytes) into the data image and posts the
// job's signal to the link and to the menus once the job is complete.
void DIS_CopyAnswer(uint8_t job, const uint8_t* answer);

// The signal of a job's answer; 0 for jobs without one.
uint16_t DIS_JobSignal(uint8_t job);
