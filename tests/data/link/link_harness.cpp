#include "tests/data/link/link_harness.h"

#include "data/data_image.h"
#include "data/dis_frame.h"
#include "data/dis_link_control.h"
#include "data/dis_process.h"
#include "kernel/active_object.h"
#include "platform/interrupt.h"
#include "sim/controller/bus_port.h"

std::vector<PostedEvent> LinkHarness::events;

namespace {

template <uint8_t Ao>
StateResult Recorder(Hsm*, const Event* e) {
  if (e->sig == SIG_EMPTY) return &HSM_Top;
  if (e->sig > SIG_EXIT_ALL) LinkHarness::events.push_back({Ao, e->sig, e->par});
  return nullptr;
}

}  // namespace

LinkHarness::LinkHarness() {
  events.clear();
  IRQ_InitLocks();
  for (AoNumber n = AO_BED; n <= AO_DIS; ++n) AO_Init(n);
  AO_ClearReady();
  DAT_Init(kStartCold);
  AO_Start(AO_BED, &Recorder<AO_BED>, 0);
  AO_Start(AO_DTM, &Recorder<AO_DTM>, 0);
  AO_Start(AO_DIS, &Recorder<AO_DIS>, 0);
  DIS_InitLink();
}

void LinkHarness::deliver() { AO_Run(); }

std::vector<PostedEvent> LinkHarness::posted(uint8_t ao, Signal sig) {
  deliver();
  std::vector<PostedEvent> out;
  for (const auto& e : events)
    if (e.ao == ao && e.sig == sig) out.push_back(e);
  return out;
}

Bytes LinkHarness::writeFrame(uint8_t id, const Bytes& data) {
  return simctl::BUS_EncodeWriteFrame(id, data);
}

bool LinkHarness::receive(const Bytes& frame) {
  bool acknowledged = true;
  IRQ_RunRoutine([&] {
    for (uint8_t b : frame) acknowledged = DIS_ByteReceived(b) && acknowledged;
    DIS_FrameEnd(0);
  });
  return acknowledged;
}

Bytes LinkHarness::read(uint8_t request, bool acknowledge) {
  Bytes out;
  IRQ_RunRoutine([&] {
    DIS_ByteReceived(request);
    DIS_FrameEnd(kDisFrameEndRead);
    while (DIS_MoreToTransmit()) out.push_back(DIS_ByteToTransmit());
    DIS_TransmitFinished(acknowledge);
  });
  return out;
}

void LinkHarness::answer(uint8_t job, uint8_t circuit, const Bytes& data, uint8_t sequence) {
  constexpr size_t kHeader = 2;
  constexpr size_t kBody = 30;
  Bytes payload(kHeader + kBody, 0);
  payload[0] = static_cast<uint8_t>(job * 8 + sequence);
  payload[1] = circuit;
  for (size_t i = 0; i < data.size() && i < kBody; ++i) payload[kHeader + i] = data[i];
  receive(writeFrame(16, payload));
  DIS_ProcessFrame();
}

Bytes LinkHarness::nextTelegram() {
  const Bytes frame = read(0);
  if (frame.size() < 2 || frame[0] == 0) return {};
  return Bytes(frame.begin() + 1, frame.end() - 1);
}
