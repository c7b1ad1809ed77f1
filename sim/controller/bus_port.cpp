#include "sim/controller/bus_port.h"

#include <cstddef>

#include "data/dis_frame.h"
#include "kernel/active_object.h"
#include "platform/interrupt.h"

namespace simctl {

bool BUS_WriteRaw(const Bytes& frame) {
  bool acknowledged = true;
  IRQ_RunRoutine([&] {
    for (uint8_t byte : frame) acknowledged = DIS_ByteReceived(byte) && acknowledged;
    DIS_FrameEnd(0);
  });
  if (acknowledged) AO_Post(AO_DIS, SIG_DIS_FRAME_COMMITTED, 0);
  return acknowledged;
}

Bytes BUS_EncodeWriteFrame(uint8_t id, const Bytes& data) {
  Bytes frame{static_cast<uint8_t>(data.size() + 1), id};
  uint8_t sum = id;
  for (uint8_t byte : data) {
    frame.push_back(byte);
    sum = static_cast<uint8_t>(sum + byte);
  }
  frame.push_back(sum);
  return frame;
}

bool BUS_WriteObject(uint8_t id, const Bytes& data) { return BUS_WriteRaw(BUS_EncodeWriteFrame(id, data)); }

Bytes BUS_Read(uint8_t request) {
  Bytes out;
  IRQ_RunRoutine([&] {
    DIS_ByteReceived(request);
    DIS_FrameEnd(kDisFrameEndRead);
    while (DIS_MoreToTransmit() && out.size() < 300) out.push_back(DIS_ByteToTransmit());
    DIS_TransmitFinished(true);
  });
  return out;
}

Bytes BUS_ReadData(uint8_t request) {
  const Bytes frame = BUS_Read(request);
  if (frame.size() < 2 || frame[0] + 2u != frame.size()) return {};
  uint8_t sum = frame[0];
  for (std::size_t i = 1; i + 1 < frame.size(); ++i) sum = static_cast<uint8_t>(sum + frame[i]);
  if (sum != frame.back()) return {};
  return Bytes(frame.begin() + 1, frame.end() - 1);
}

}  // namespace simctl
