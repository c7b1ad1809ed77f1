// Fuzz target for the bus entry points of the display link: the input is a
// program of bus events (received bytes, frame ends, reads, transmit
// results) interleaved with the link's frame processing. A fault shows as
// a crash or, under the sanitizers, as an out-of-bounds access.
#include <cstddef>
#include <cstdint>

#include "data/data_image.h"
#include "data/dis_frame.h"
#include "data/dis_link_control.h"
#include "data/display_link.h"
#include "kernel/active_object.h"
#include "platform/interrupt.h"
#include "sim/virtual_time_host.h"

namespace {

StateResult Sink(Hsm*, const Event* e) { return e->sig == SIG_EMPTY ? StateResult(&HSM_Top) : nullptr; }

void startLink() {
  static VirtualTimeHost host(1796889600);
  HOST_Install(&host);
  IRQ_InitLocks();
  for (AoNumber n = AO_BED; n <= AO_DIS; ++n) AO_Init(n);
  AO_ClearReady();
  DAT_Init(kStartCold);
  AO_Start(AO_BED, &Sink, 0);
  AO_Start(AO_DTM, &Sink, 0);
  AO_Start(AO_DIS, &DIS_I2C_Task, kStartCold);
  AO_Post(AO_DIS, SIG_DIS_START, 0);
  AO_Run();
}

class Program {
 public:
  Program(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool done() const { return at_ >= size_; }
  uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

void readFrame(uint8_t request, bool acknowledge) {
  IRQ_RunRoutine([&] {
    DIS_ByteReceived(request);
    DIS_FrameEnd(kDisFrameEndRead);
    for (int i = 0; i < 300 && DIS_MoreToTransmit(); ++i) DIS_ByteToTransmit();
    DIS_TransmitFinished(acknowledge);
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  startLink();
  Program program(data, size);
  while (!program.done()) {
    const uint8_t op = program.next();
    switch (op % 5) {
      case 0:
      case 1: {  // a run of received bytes
        const uint8_t count = static_cast<uint8_t>(op / 5 + 1);
        IRQ_RunRoutine([&] {
          for (uint8_t i = 0; i < count && !program.done(); ++i) DIS_ByteReceived(program.next());
        });
        break;
      }
      case 2:
        IRQ_RunRoutine([&] { DIS_FrameEnd(program.next()); });
        AO_Post(AO_DIS, SIG_DIS_FRAME_COMMITTED, 0);
        break;
      case 3:
        readFrame(program.next(), (op & 0x80) == 0);
        break;
      default:
        AO_Post(AO_DIS, op & 0x80 ? SIG_DIS_SEND_NOW : SIG_DIS_SUPERVISE, 0);
        AO_Run();
        break;
    }
  }
  AO_Run();
  return 0;
}
