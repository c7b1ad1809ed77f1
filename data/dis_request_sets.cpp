#include "data/dis_request_sets.h"

#include "data/data_fields.h"
#include "data/dis_jobs.h"

namespace {

constexpr uint8_t kOptionJobs[] = {17, 24, 26};
constexpr uint8_t kSlowJobs[] = {1, 2, 0, 10, 15, 22, 3, 4, 5, 6, 7, 8, 9, 25};
constexpr uint8_t kStartupCircuitJobs[] = {2, 1, 0};
constexpr uint8_t kFirstWeekdayJob = 3;
constexpr uint8_t kLastWeekdayJob = 9;

bool optionSet() { return DAT_Get(df::OptionFlag) != 0; }

}  // namespace

bool DIS_Job18Wanted() { return DAT_Get(df::StatusByte7Value) > 3; }

void DIS_RequestStartupSet() {
  if (DIS_CircuitPresent(1)) {
    DIS_QueueRequest(25, 1, 1);
  } else if (DIS_CircuitPresent(2)) {
    DIS_QueueRequest(25, 2, 1);
  }
  for (uint8_t job : kStartupCircuitJobs)
    for (uint8_t circuit = 1; circuit <= 2; ++circuit)
      if (DIS_CircuitPresent(circuit)) DIS_QueueRequest(job, circuit, 0);
  if (optionSet())
    for (uint8_t job : kOptionJobs) DIS_QueueRequest(job, 0, 0);
  DIS_QueueRequest(15, 0, 0);
  DIS_QueueRequest(22, 0, 0);
  for (uint8_t job = kFirstWeekdayJob; job <= kLastWeekdayJob; ++job) DIS_Request(job);
}

void DIS_RequestFastSet() {
  if (optionSet())
    for (uint8_t job : kOptionJobs) DIS_Request(job);
  if (DIS_Job18Wanted()) DIS_Request(18);
}

void DIS_RequestSlowSet() {
  for (uint8_t job : kSlowJobs) DIS_Request(job);
}
