#include "host/log_buffer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LogBuffer, TrimsWholeLinesFromTheTopBeforeItWouldReach5001Characters) {
  LogBuffer log;
  const std::string line(99, 'a');
  for (int i = 0; i < 50; ++i) log.append(line + "\n");  // exactly 5000
  ASSERT_EQ(log.text().size(), 5000u);
  log.append("b");  // would be 5001: the first line goes
  EXPECT_EQ(log.text().size(), 4901u);
  EXPECT_EQ(log.text().back(), 'b');
  EXPECT_EQ(log.text().substr(0, 100), line + "\n");

  LogBuffer upTo;
  upTo.append(std::string(4999, 'x') + "\n");
  upTo.append("");
  EXPECT_EQ(upTo.text().size(), 5000u) << "exactly 5000 stays";
}

TEST(LogBuffer, TextsWithoutLineBreaksOrLongerThanTheBufferStillFit) {
  LogBuffer log;
  log.append(std::string(4000, 'a'));
  log.append(std::string(2000, 'b'));  // no line break to cut at: the old text goes
  EXPECT_EQ(log.text(), std::string(2000, 'b'));
  log.append(std::string(7000, 'c'));
  EXPECT_EQ(log.text().size(), LogBuffer::kCapacity);
  EXPECT_EQ(log.text().front(), 'c');
}

}  // namespace
