// Objects of the bus link: the buffers the controller writes into the unit
// and the two it reads from it, addressed by object id 16..35.
#pragma once

#include <cstdint>

constexpr uint8_t kDisFirstObjectId = 16;
constexpr uint8_t kDisLastObjectId = 35;
constexpr uint8_t kDisRequestObjectId = 20;
constexpr uint8_t kDisWriteObjectId = 35;

constexpr uint8_t kDisAnswerSize = 32;
constexpr uint8_t kDisRequestSize = 9;
constexpr uint8_t kDisMaskSize = 2;
constexpr uint8_t kDisStatusSize = 21;
constexpr uint8_t kDisStatusShortSize = 13;
constexpr uint8_t kDisWriteSize = 30;

// What a committed write of the object means to the link.
enum class DisCommit : uint8_t { None, Answer, Status };

struct DisObject {
  uint8_t* buffer;
  uint8_t size;
  uint8_t flags;  // low three bits: the object's type (1 = read by the controller)
  DisCommit commit;
};

// False for ids outside 16..35.
bool DIS_FindObject(uint8_t id, DisObject* object);
uint8_t DIS_ObjectType(const DisObject& object);

uint8_t* DIS_AnswerBuffer();
uint8_t* DIS_RequestBuffer();
uint8_t* DIS_MaskBuffer();
uint8_t* DIS_StatusBuffer();
uint8_t* DIS_WriteBuffer();
void DIS_ClearObjects();
