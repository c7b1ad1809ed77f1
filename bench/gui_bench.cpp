// Costs of the graphics layer: a full refresh, a typical menu screen, a
// wrapped help text, and a plain copy of the same pixel count as the floor.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "gui/core/gui.h"
#include "gui/core/lcd.h"
#include "platform/host_services.h"
#include "platform/panel_memory.h"
#include "sim/virtual_time_host.h"

namespace {

constexpr int kPixels = LCD_XSIZE * LCD_YSIZE;

const char kHelpText[] =
    "Mit dem Betriebsprogramm legen Sie fest, wie Heizung und Warmwasser arbeiten. Im Automatikbetrieb "
    "folgt die Anlage den Zeitprogrammen, im Dauerbetrieb hält sie die eingestellte Temperatur. Drücken "
    "Sie OK, um ein Programm zu wählen, und Zurück, um ohne Änderung zu verlassen. Ein Symbol zeigt den "
    "aktiven Betrieb an.";

class GraphicsFixture {
 public:
  GraphicsFixture() {
    HOST_Install(&host_);
    GUI_Startup();
    GUI_SelectUtf8();
  }
  ~GraphicsFixture() { HOST_Install(nullptr); }

 private:
  VirtualTimeHost host_{0};
};

void drawMenuScreen() {
  static const char* const kLines[] = {"Heizung", "Warmwasser", "Zeitprogramme", "Einstellungen"};
  GUI_ClearScreen();
  const GUI_Rect title{0, 0, 239, 26};
  GUI_DrawTextInRect("Hauptmenü", &title, 14);
  GUI_DrawHorizontal(27, 0, 239);
  for (int i = 0; i < 4; ++i) {
    const GUI_Rect line{4, static_cast<int16_t>(28 + 26 * i), 235, static_cast<int16_t>(53 + 26 * i)};
    GUI_DrawTextInRect(kLines[i], &line, 12);
  }
  GUI_InvertArea(0, 54, 239, 79);
  GUI_DrawHorizontal(132, 0, 239);
  const GUI_Rect hint{0, 133, 239, 159};
  GUI_DrawTextInRect("Auswahl mit OK", &hint, 14);
}

void BM_FullRefresh(benchmark::State& state) {
  GraphicsFixture gfx;
  drawMenuScreen();
  for (auto _ : state) LCD_Refresh();
  state.SetItemsProcessed(state.iterations() * kPixels);
}
BENCHMARK(BM_FullRefresh);

void BM_MenuScreen(benchmark::State& state) {
  GraphicsFixture gfx;
  for (auto _ : state) drawMenuScreen();
}
BENCHMARK(BM_MenuScreen);

void BM_MenuScreenAndRefresh(benchmark::State& state) {
  GraphicsFixture gfx;
  for (auto _ : state) {
    drawMenuScreen();
    LCD_Refresh();
  }
}
BENCHMARK(BM_MenuScreenAndRefresh);

void BM_WrappedHelpText(benchmark::State& state) {
  static_assert(sizeof kHelpText - 1 >= 290 && sizeof kHelpText - 1 <= 330);
  GraphicsFixture gfx;
  const GUI_Rect content{0, 28, 239, 131};
  for (auto _ : state) GUI_DrawTextWrapped(kHelpText, &content, 12, GUI_WRAPMODE_WORD);
}
BENCHMARK(BM_WrappedHelpText);

// The floor: moving the same number of pixels as bytes without any logic.
void BM_MemcpyFloor(benchmark::State& state) {
  std::vector<uint8_t> from(kPixels, 1), to(kPixels);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), kPixels);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kPixels);
}
BENCHMARK(BM_MemcpyFloor);

void BM_MemsetFloor(benchmark::State& state) {
  std::vector<uint8_t> to(kPixels);
  for (auto _ : state) {
    std::memset(to.data(), static_cast<int>(state.iterations() & 1), kPixels);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kPixels);
}
BENCHMARK(BM_MemsetFloor);

}  // namespace

BENCHMARK_MAIN();
