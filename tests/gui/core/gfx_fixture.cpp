#include "tests/gui/core/gfx_fixture.h"

#include "gui/core/lcd_frame_buffer.h"
#include "platform/host_services.h"

void GfxTest::SetUp() {
  HOST_Install(&host);
  GUI_Startup();
  GUI_SelectUtf8();
}

void GfxTest::TearDown() { HOST_Install(nullptr); }

bool GfxTest::lit(int x, int y) { return LCD_GetPixelIndex(x, y) != 0; }

int GfxTest::litCount(int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) n += lit(x, y) ? 1 : 0;
  return n;
}
