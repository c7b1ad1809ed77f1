// Write telegrams: how the menus change a controller setting. A telegram
// names the job whose data the command changes; it is queued, sent and
// answered like a data request of that job, and the answer brings the
// job's new data.
#pragma once

#include <cstdint>

constexpr uint8_t kDisMaxCommandParams = 9;  // telegram bytes 4..12
constexpr uint8_t kDisNoJob = 0xFF;

// The job a command changes; kDisNoJob for codes that are no command. Code
// 229 changes job 1 for parameter 1 or 2 and job 17 otherwise.
uint8_t DIS_CommandJob(uint8_t code, uint8_t firstParam);

// Queues command `code` with `count` parameter bytes from byte 4 on, for
// the current circuit. False for an unknown code or a full queue.
bool DIS_SendCommand(uint8_t code, const uint8_t* params, uint8_t count);
bool DIS_SendCommandValue(uint8_t code, uint8_t value);
// Commands 212 (time) and 213 (date): the unit's clock is set at once and
// job 15 is asked for afterwards.
bool DIS_SendClock(uint8_t code, uint32_t seconds);

// Stores the name of circuit 1 or 2 (at most 20 characters) in the data
// image and queues it as two 30-byte telegrams for object 35.
bool DIS_SendCircuitName(uint8_t circuit, const uint16_t* units, uint8_t count);
