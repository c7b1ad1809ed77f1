// How the controller answers the unit's telegrams: data requests, write
// telegrams (applied to its own state first) and the identification.
#pragma once

#include "sim/controller/plant_model.h"

namespace simctl {

constexpr uint8_t kAnswerObject = 16;
constexpr uint8_t kStatusObject = 28;
constexpr size_t kAnswerSize = 32;

// The 32-byte answer object for a telegram read from the unit (9 bytes of
// object 20 or 30 bytes of object 35); empty for a telegram that is not one.
Bytes CTL_Answer(PlantModel& model, const Bytes& telegram);

// The data bytes of `job` for `circuit` (1..2) as answer bytes 2..31;
// `part` selects the part of multi-part jobs.
Bytes CTL_JobData(const PlantModel& model, uint8_t job, uint8_t circuit, uint8_t part);

}  // namespace simctl
