// The controller's end of the two-wire bus: frames handed to the unit's
// bus entry points exactly as its bus driver would, inside the
// interrupt-routine frame.
#pragma once

#include <cstdint>
#include <vector>

namespace simctl {

using Bytes = std::vector<uint8_t>;

// Writes object `id` with `data`. Answers whether the unit acknowledged
// every byte; a committed frame is followed by signal 130 to the link task.
bool BUS_WriteObject(uint8_t id, const Bytes& data);
// A write frame as it goes on the bus: length (data + 1), object id, data, checksum of id and data.
Bytes BUS_EncodeWriteFrame(uint8_t id, const Bytes& data);
// Writes `frame` as it is (length, id, data, checksum or anything else).
bool BUS_WriteRaw(const Bytes& frame);
// Writes `request` and reads the unit's answer: length, data, checksum.
Bytes BUS_Read(uint8_t request);
// The data of a read answer whose length and checksum are right; empty otherwise.
Bytes BUS_ReadData(uint8_t request);

}  // namespace simctl
