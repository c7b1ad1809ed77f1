// Byte-level frame handling: what a write frame commits, what a read frame
// sends, and that no byte stream writes outside the object it addresses.
#include <gtest/gtest.h>

#include <cstring>

#include "data/dis_frame.h"
#include "data/dis_jobs.h"
#include "data/dis_objects.h"
#include "data/dis_queue.h"
#include "tests/data/link/link_harness.h"

namespace {

class Frames : public ::testing::Test {
 protected:
  LinkHarness link;
};

struct WriteCase {
  uint8_t id;
  uint8_t flags;         // committed-objects flags afterwards
  uint8_t* (*buffer)();  // where the data lands, nullptr for no object
};

TEST_F(Frames, WriteFrameCommitsByObjectKind) {
  const WriteCase cases[] = {
      {16, kDisFlagAnswer, &DIS_AnswerBuffer},
      {19, kDisFlagAnswer, &DIS_AnswerBuffer},
      {28, kDisFlagStatus, &DIS_StatusBuffer},
      {31, kDisFlagStatus, &DIS_StatusBuffer},
      {24, 0, &DIS_MaskBuffer},
      {33, 0, &DIS_WriteBuffer},
      {15, 0, nullptr},
      {36, 0, nullptr},
  };
  for (const WriteCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.id));
    DIS_ClearFlags(0xFF);
    EXPECT_TRUE(link.receive(LinkHarness::writeFrame(c.id, {0xA1, 0xB2})));
    EXPECT_EQ(DIS_GetFlags(), c.flags);
    if (c.buffer != nullptr) {
      EXPECT_EQ(c.buffer()[0], 0xA1);
      EXPECT_EQ(c.buffer()[1], 0xB2);
    }
  }
}

TEST_F(Frames, ChecksumErrorRefusesTheByteAndDoesNotCommit) {
  Bytes frame = LinkHarness::writeFrame(28, Bytes(20, 7));
  frame.back() ^= 0x01;
  EXPECT_FALSE(link.receive(frame));
  EXPECT_EQ(DIS_GetFlags() & kDisFlagStatus, 0);
  // The next frame starts afresh.
  EXPECT_TRUE(link.receive(LinkHarness::writeFrame(28, Bytes(20, 7))));
  EXPECT_EQ(DIS_GetFlags() & kDisFlagStatus, kDisFlagStatus);
}

TEST_F(Frames, NewFrameClearsTheObjectBeforeWriting) {
  link.receive(LinkHarness::writeFrame(16, Bytes(31, 0xEE)));
  link.receive(LinkHarness::writeFrame(16, {1, 2}));
  EXPECT_EQ(DIS_AnswerBuffer()[2], 0);
  EXPECT_EQ(DIS_AnswerBuffer()[kDisAnswerSize - 1], 0);
}

// Neighbouring buffers stay untouched however long the frame.
TEST_F(Frames, LongFramesStopAtTheObjectSize) {
  std::memset(DIS_StatusBuffer(), 0x5A, kDisStatusSize);
  std::memset(DIS_AnswerBuffer(), 0x5A, kDisAnswerSize);
  const Bytes data(254, 0xC3);  // L = 255: the checksum is byte 256
  EXPECT_TRUE(link.receive(LinkHarness::writeFrame(24, data)));
  EXPECT_EQ(DIS_MaskBuffer()[0], 0xC3);
  EXPECT_EQ(DIS_MaskBuffer()[1], 0xC3);
  EXPECT_EQ(DIS_StatusBuffer()[0], 0x5A);
  EXPECT_EQ(DIS_AnswerBuffer()[kDisAnswerSize - 1], 0x5A);

  EXPECT_TRUE(link.receive(LinkHarness::writeFrame(29, Bytes(40, 1))));
  EXPECT_EQ(DIS_StatusBuffer()[kDisStatusShortSize - 1], 1);
  EXPECT_EQ(DIS_StatusBuffer()[kDisStatusShortSize], 0x5A);  // beyond the short form
}

TEST_F(Frames, BytesAfterTheChecksumAreRefused) {
  Bytes frame = LinkHarness::writeFrame(24, {1, 2});
  frame.push_back(9);
  EXPECT_FALSE(link.receive(frame));
  EXPECT_EQ(DIS_MaskBuffer()[0], 1);
}

TEST_F(Frames, ReadFrameKinds) {
  DIS_QueueRequest(15, 0, 0);
  DIS_SendNextTelegram();
  // 0x40..0x7F: the identity, and the offered telegram stays offered.
  EXPECT_EQ(link.read(0x40), (Bytes{4, 0x11, 0x21, 0x00, 0x03, 4 + 0x11 + 0x21 + 0x03}));
  EXPECT_EQ(link.read(0x80), (Bytes{0, 0}));
  const Bytes telegram = link.read(0x3F);
  ASSERT_EQ(telegram.size(), 11u);
  EXPECT_EQ(telegram[0], 9);
  EXPECT_EQ(telegram[1], 20);
  EXPECT_EQ(telegram[2], 15 * 8 + 2);
  EXPECT_EQ(telegram[4], kDisKindDataRequest);
  uint8_t sum = 0;
  for (size_t i = 0; i + 1 < telegram.size(); ++i) sum = static_cast<uint8_t>(sum + telegram[i]);
  EXPECT_EQ(telegram.back(), sum);
  // Acknowledged: consumed.
  EXPECT_EQ(link.read(0), (Bytes{0, 0}));
}

TEST_F(Frames, UnacknowledgedReadKeepsTheTelegramOffered) {
  DIS_QueueRequest(15, 0, 0);
  DIS_SendNextTelegram();
  EXPECT_EQ(link.read(0, false).size(), 11u);
  EXPECT_TRUE(DIS_TransmitPending());
  EXPECT_EQ(link.read(0, true).size(), 11u);
  EXPECT_FALSE(DIS_TransmitPending());
}

}  // namespace
