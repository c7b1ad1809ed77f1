// Byte-level frame handling of the bus link, called by the bus driver
// inside its interrupt routine.
//
// Write frame (controller to unit): length L, object id, L - 1 data bytes,
// checksum (8-bit sum of id and data). Read frame: the controller writes one
// byte and reads: length N, N data bytes, checksum (sum of N and the data).
#pragma once

#include <cstdint>

// Bits of the committed-objects flags byte.
constexpr uint8_t kDisFlagAnswer = 0x01;
constexpr uint8_t kDisFlagStatus = 0x02;

// Frame end kind: the controller wrote one byte and now reads.
constexpr uint8_t kDisFrameEndRead = 1;

// Bus driver entry points. False from DIS_ByteReceived refuses the byte
// (checksum error, or a byte past the end of the frame).
bool DIS_ByteReceived(uint8_t byte);
uint8_t DIS_ByteToTransmit();
void DIS_FrameEnd(uint8_t kind);
void DIS_TransmitFinished(bool acknowledged);
bool DIS_MoreToTransmit();

// Offers object 20 or 35 for the controller's next read.
void DIS_PrepareTransmit(uint8_t objectId);
bool DIS_TransmitPending();

// Index, object, prepared transmission and retries back to idle.
void DIS_ResetFrameState();

// Committed-objects flags, shared with the bus routine.
uint8_t DIS_GetFlags();
void DIS_ClearFlags(uint8_t bits);

bool DIS_IsLinkActive();
void DIS_SetLinkActive(bool active);
// Time (100 ms ticks) of the last frame end, as the application thread
// last noticed it; call it from the application thread only.
uint32_t DIS_GetLastFrameTime();
void DIS_TouchLastFrameTime();
uint8_t DIS_GetErrorCount();
void DIS_CountLinkError();
// Flags, link-active and error counter back to their start values.
void DIS_ResetFrameCounters();

// Bus hardware operations: nothing to do on the host.
void DIS_BusEnable();
void DIS_BusDisable();
void DIS_BusReset();
