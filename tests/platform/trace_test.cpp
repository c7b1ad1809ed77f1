#include "platform/trace.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_host.h"

namespace {

TEST(Trace, NullFormatWritesNothingAndLongLinesAreCut) {
  TestHost test;
  TRC_Printf(nullptr);
  EXPECT_TRUE(test.traces.empty());
  const std::string longText(400, 'x');
  TRC_Printf("\n%s", longText.c_str());
  EXPECT_EQ(test.traces.size(), 255u);
  TRC_WPrintf(L"\n%ls %d", L"Größe", 5);
  EXPECT_NE(test.traces.find("\nGröße 5"), std::string::npos);
}

}  // namespace
