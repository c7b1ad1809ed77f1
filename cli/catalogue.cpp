#include "cli/catalogue.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "cli/catalogue_screens.h"
#include "cli/cli_options.h"
#include "kernel/active_object.h"
#include "kernel/app.h"
#include "sim/panel_image.h"
#include "sim/start_language.h"
#include "sim/unit.h"
#include "sim/virtual_time_host.h"
#include "tools/langpack/languages.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRedrawSamples = 20;

// Silences the unit's traces and keeps the first host error.
class CatalogueListener : public VirtualTimeHost::Listener {
 public:
  void onError(uint64_t, const char* message) override {
    if (error.empty()) error = message;
  }
  std::string error;
};

struct ShotResult {
  std::string error;
  double worstRedrawMs = 0;
};

std::string fileName(const CatalogueScreen& screen, const langpack::Language& language) {
  return screen.name + "_" + langpack::fileCode(language) + ".png";
}

void scheduleSteps(VirtualTimeHost& host, const CatalogueScreen& screen) {
  for (const CatalogueStep& step : screen.steps) {
    if (step.requestSaver) {
      host.schedule(step.atMs, [] {
        SYS_SetScreenSaverRequest(1);
        AO_Post(AO_BED, SIG_DATA_STATUS, 0);
      });
      continue;
    }
    const uint8_t hardkey = static_cast<uint8_t>(step.hardkey);
    host.schedule(step.atMs, [&host, hardkey] { host.setHardkey(hardkey, true); });
    host.schedule(step.atMs + (step.holdMs != 0 ? step.holdMs : 100),
                  [&host, hardkey] { host.setHardkey(hardkey, false); });
  }
}

// The median of a few full redraws of the screen shown (the periodic
// refresh); the median keeps a busy machine's outliers out.
double redrawMs() {
  std::vector<double> samples;
  for (int i = 0; i < kRedrawSamples; ++i) {
    const auto start = Clock::now();
    HSM_Send(AO_GetHsm(AO_BED), SIG_MENU_TICK, 0);
    samples.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

ShotResult shoot(const CatalogueScreen& screen, const langpack::Language& language, const std::string& path,
                 int64_t startLocalSeconds) {
  SIM_SetStartLanguage(language.index);
  VirtualTimeHost host(startLocalSeconds);
  CatalogueListener listener;
  host.setListener(&listener);
  scheduleSteps(host, screen);
  ShotResult result;
  host.schedule(screen.snapshotMs, [&] {
    result.error = panel_image::savePng(panel_image::render(*host.panel()), path);
    result.worstRedrawMs = redrawMs();
    host.requestStop();
  });
  SIM_RunUnit(host);
  if (result.error.empty() && !listener.error.empty()) result.error = listener.error;
  return result;
}

void writeIndex(const std::string& directory, const std::vector<const langpack::Language*>& languages) {
  std::ofstream out(std::filesystem::path(directory) / "index.html");
  out << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Kalvero 200 KM3D screens</title>\n"
         "<style>body{font-family:sans-serif;background:#222;color:#ddd}td{padding:4px;vertical-align:top;"
         "text-align:center;font-size:12px}img{image-rendering:pixelated;width:240px}</style></head><body>\n"
         "<h1>Kalvero 200 KM3D: screens by language</h1>\n<table>\n<tr><th>Screen</th>";
  for (const auto* language : languages) out << "<th>" << language->code << " " << language->name << "</th>";
  out << "</tr>\n";
  for (const CatalogueScreen& screen : CLI_CatalogueScreens()) {
    out << "<tr><td>" << screen.description << "</td>";
    for (const auto* language : languages)
      out << "<td><img src=\"" << fileName(screen, *language) << "\" alt=\"" << screen.name << " "
          << language->code << "\"></td>";
    out << "</tr>\n";
  }
  out << "</table>\n</body></html>\n";
}

}  // namespace

int CLI_WriteCatalogue(const std::string& directory, std::optional<int> language) {
  std::error_code ec;
  std::filesystem::create_directories(directory, ec);
  if (ec) {
    std::fprintf(stderr, "kalvero-cli: cannot create %s: %s\n", directory.c_str(), ec.message().c_str());
    return 2;
  }
  std::vector<const langpack::Language*> languages;
  for (const auto& l : langpack::kLanguages)
    if (!language || *language == l.index) languages.push_back(&l);

  const int64_t start = *CLI_ParseClock("2026-12-10T08:00");
  const auto wallStart = Clock::now();
  double worstRedraw = 0;
  std::string worstScreen;
  int failures = 0;
  for (const auto* l : languages) {
    for (const CatalogueScreen& screen : CLI_CatalogueScreens()) {
      const std::string path = (std::filesystem::path(directory) / fileName(screen, *l)).string();
      const ShotResult r = shoot(screen, *l, path, start);
      if (!r.error.empty()) {
        std::fprintf(stderr, "kalvero-cli: %s: %s\n", path.c_str(), r.error.c_str());
        ++failures;
      }
      if (r.worstRedrawMs > worstRedraw) {
        worstRedraw = r.worstRedrawMs;
        worstScreen = screen.name + " (" + l->code + ")";
      }
    }
  }
  SIM_SetStartLanguage(std::nullopt);
  // The index shows every language the directory holds, so that runs for
  // single languages add up.
  std::vector<const langpack::Language*> shown;
  for (const auto& l : langpack::kLanguages)
    if (std::filesystem::exists(std::filesystem::path(directory) /
                                fileName(CLI_CatalogueScreens().front(), l)))
      shown.push_back(&l);
  writeIndex(directory, shown);
  const double seconds = std::chrono::duration<double>(Clock::now() - wallStart).count();
  std::printf(
      "Catalogue: %zu screens in %zu languages in %.3f s; slowest full redraw (median of %d) %.3f ms (%s).\n",
      CLI_CatalogueScreens().size(), languages.size(), seconds, kRedrawSamples, worstRedraw,
      worstScreen.c_str());
  return failures == 0 ? 0 : 1;
}
