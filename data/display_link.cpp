#include "data/display_link.h"

#include "data/data_fields.h"
#include "data/dis_frame.h"
#include "data/dis_jobs.h"
#include "data/dis_link_control.h"
#include "data/dis_process.h"
#include "data/dis_request_sets.h"
#include "data/dis_settings.h"
#include "kernel/active_object.h"
#include "kernel/app.h"

namespace {

constexpr Signal kJob10Answered = 179;
constexpr Signal kJob9Answered = 188;

void startupFinished(Hsm* me) {
  if (DIS_Job18Wanted()) DIS_QueueRequest(18, 0, 0);
  DIS_ApplyControllerSettings();
  AO_Post(AO_BED, SIG_DIS_STARTED, 0);
  HSM_Tran(me, &DIS_I2C_Task, &DIS_Run);
}

}  // namespace

StateResult DIS_I2C_Task(Hsm* me, const Event* e) {
  HSM_TraceState("DIS_I2C_Task", e->sig);
  switch (e->sig) {
    case SIG_ENTRY:
    case SIG_EXIT:
      return nullptr;
    case SIG_INIT:
      DIS_InitLink();
      return nullptr;
    case SIG_DIS_ENABLE:
      DIS_EnableLink();
      return nullptr;
    case SIG_DIS_STOP:
      DIS_StopLink();
      return nullptr;
    case SIG_DIS_RESET:
      DIS_LinkReset();
      return nullptr;
    case SIG_DIS_START:
      HSM_Tran(me, &DIS_I2C_Task, &DIS_StartCommunication);
      return nullptr;
    default:
      return &HSM_Top;
  }
}

StateResult DIS_StartCommunication(Hsm* me, const Event* e) {
  HSM_TraceState("DIS_StartCommunication", e->sig);
  switch (e->sig) {
    case SIG_ENTRY:
      DIS_Request(10);
      DIS_QueueIdentification();
      DIS_EnableLink();
      return nullptr;
    case SIG_INIT:
    case SIG_EXIT:
      return nullptr;
    case SIG_DIS_SUPERVISE:
      DIS_Supervise();
      return nullptr;
    case SIG_DIS_FRAME_COMMITTED:
      DIS_ProcessFrame();
      return nullptr;
    case kJob10Answered:
      SYS_SetResetReason(kResetNone);
      DIS_RequestStartupSet();
      return nullptr;
    case kJob9Answered:
      startupFinished(me);
      return nullptr;
    default:
      return &DIS_I2C_Task;
  }
}

StateResult DIS_Run(Hsm* /*me*/, const Event* e) {
  HSM_TraceState("DIS_Run", e->sig);
  switch (e->sig) {
    case SIG_ENTRY:
    case SIG_EXIT:
      return nullptr;
    case SIG_INIT:
      DIS_SetCyclicRequests(true);
      return nullptr;
    case SIG_DIS_SUPERVISE:
      DIS_Supervise();
      return nullptr;
    case SIG_DIS_CYCLE_FAST:
      if (DIS_CyclicRequests()) DIS_RequestFastSet();
      return nullptr;
    case SIG_DIS_CYCLE_SLOW:
      if (DIS_CyclicRequests()) DIS_RequestSlowSet();
      return nullptr;
    case SIG_DIS_FRAME_COMMITTED:
      DIS_ProcessFrame();
      return nullptr;
    case SIG_DIS_SEND_NOW:
      DIS_RequestSlowSet();
      DIS_RequestFastSet();
      return nullptr;
    case SIG_DIS_CYCLIC_ON:
      DIS_SetCyclicRequests(true);
      return nullptr;
    case SIG_DIS_CYCLIC_OFF:
      DIS_SetCyclicRequests(false);
      return nullptr;
    default:
      return &DIS_I2C_Task;
  }
}
