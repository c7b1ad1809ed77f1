#include "host/trace_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <string>

namespace {

TEST(TraceWindow, ShowsTheNewestLinesThatMatchTheFilter) {
  TraceWindow window;
  for (int i = 0; i < TraceWindow::kMaxLines + 10; ++i)
    window.addText("\n TAS_Idle Entry " + std::to_string(i));
  window.addText("\n BGA_Grundanzeige Entry\n BGA_Grundanzeige Init");
  const QString all = window.shownText();
  EXPECT_FALSE(all.contains("Entry 11\n")) << "the oldest lines are gone";
  EXPECT_TRUE(all.endsWith("BGA_Grundanzeige Init"));

  window.findChild<QLineEdit*>()->setText("bga_");
  EXPECT_EQ(window.shownText(), "BGA_Grundanzeige Entry\nBGA_Grundanzeige Init");
  window.addText("\n TAS_Pressed Entry\n BGA_Grundanzeige Exit");
  EXPECT_EQ(window.shownText(), "BGA_Grundanzeige Entry\nBGA_Grundanzeige Init\nBGA_Grundanzeige Exit");
}

}  // namespace
