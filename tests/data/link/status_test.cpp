// Status records: restart requests, edges of the indications and the
// suppress flags that keep a locally acknowledged indication out.
#include <gtest/gtest.h>

#include "data/data_fields.h"
#include "data/dis_process.h"
#include "kernel/active_object.h"
#include "tests/data/link/link_harness.h"

namespace {

class Status : public ::testing::Test {
 protected:
  void SetUp() override { sendStatus(0, 0); }

  void sendStatus(uint16_t word, uint8_t byte7) {
    Bytes record(20, 0);
    record[0] = static_cast<uint8_t>(word);
    record[1] = static_cast<uint8_t>(word >> 8);
    record[7] = byte7;
    record[8 + 4] = 0x31;  // status group of circuit 2
    link.receive(LinkHarness::writeFrame(28, record));
    link.clearPosted();
    DIS_ProcessFrame();
    link.deliver();
  }
  size_t count(Signal sig) {
    size_t n = 0;
    for (const auto& e : LinkHarness::events) n += e.ao == AO_BED && e.sig == sig;
    return n;
  }

  LinkHarness link;
};

TEST_F(Status, RestartRequestsArePostedWhileTheirBitIsSet) {
  sendStatus(1u << 13, 0);
  EXPECT_EQ(count(SIG_3UHR_RESTART), 1u);
  sendStatus(1u << 13, 0);
  EXPECT_EQ(count(SIG_3UHR_RESTART), 1u);
  sendStatus(1u << 15, 0);
  EXPECT_EQ(count(SIG_REG_RESET), 1u);
  EXPECT_EQ(count(SIG_3UHR_RESTART), 0u);
  EXPECT_EQ(count(SIG_DATA_STATUS), 1u);
}

TEST_F(Status, EdgesOfTheIndications) {
  sendStatus((1u << 1) | (1u << 3) | (1u << 14), 1u << 5);
  EXPECT_EQ(DAT_Get(df::FaultMessage), 1u);
  EXPECT_EQ(DAT_Get(df::MaintenanceMessage), 1u);
  EXPECT_EQ(count(SIG_DATA_198), 1u);
  EXPECT_EQ(count(SIG_DATA_154), 1u);
  EXPECT_EQ(DAT_Get(df::BurnerLockedOut), 1u);

  DAT_Set(df::FaultMessage, 0);  // acknowledged without the suppress flag
  sendStatus((1u << 1) | (1u << 3) | (1u << 14), 1u << 5);
  EXPECT_EQ(DAT_Get(df::FaultMessage), 0u);  // no new edge
  EXPECT_EQ(count(SIG_DATA_198) + count(SIG_DATA_154), 0u);

  sendStatus(0, 0);
  EXPECT_EQ(DAT_Get(df::MaintenanceMessage), 0u);
  EXPECT_EQ(count(SIG_DATA_155), 1u);
}

TEST_F(Status, SuppressFlagsKeepTheIndicationOut) {
  DAT_Set(df::FaultSuppress, kSuppressActive);
  DAT_Set(df::EventSuppress, kSuppressActive);
  sendStatus((1u << 1) | (1u << 14), 1u << 5);
  EXPECT_EQ(DAT_Get(df::FaultMessage), 0u);
  EXPECT_EQ(DAT_Get(df::FaultIndication), 0u);
  EXPECT_EQ(DAT_Get(df::MaintenanceMessage), 1u);
  EXPECT_EQ(DAT_Get(df::MaintenanceIndication), 1u);
  EXPECT_EQ(count(SIG_DATA_154), 0u);
  EXPECT_EQ(DAT_Get(df::StatusEventBit), 0u);
  EXPECT_EQ(DAT_Get(df::BurnerLockedOut), 0u);
}

TEST_F(Status, CurrentCircuitGetsItsStatusGroup) {
  DAT_ChangeCircuit(2);
  sendStatus(0, 0);
  EXPECT_EQ(DAT_Block(DatBlock::CurrentCircuitStatus)[0], 0x31);
}

}  // namespace
