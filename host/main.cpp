// kalvero-sim: the operating unit of the Kalvero 200 KM3D on the desktop.
#include <QApplication>
#include <QImage>
#include <QTimer>

#include "host/host_log.h"
#include "host/host_options.h"
#include "host/sim_host.h"
#include "sim/start_language.h"

namespace {

// The window as it looks on screen: outside a shaped window's mask the
// picture is transparent.
QImage HOST_GrabWindow(QWidget* window) {
  QImage image = window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
  const QRegion mask = window->mask();
  if (mask.isEmpty()) return image;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (!mask.contains(QPoint(x, y))) image.setPixel(x, y, 0);
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  HostOptions options;
  if (auto exitCode = HOST_ParseOptions(argc, argv, &options)) return *exitCode;

  QApplication application(argc, argv);
  QApplication::setApplicationName("kalvero-sim");
  QApplication::setQuitOnLastWindowClosed(false);

  SimHost::Config config;
  SIM_ConfigureApplication(config.settings);
  if (options.frameWindow) config.settings.lcdX = config.settings.lcdY = -1;
  config.settings.zoom = options.zoom;
  config.settings.messageBoxes = options.messageBoxesWanted();
  config.speed = options.speed;
  config.traceToStderr = options.trace;
  config.servicePort = options.servicePort;
  config.controller = options.controller;

  HostLog log;
  SIM_SetStartLanguage(options.language);
  SimHost host(config, log);

  QWidget* window = host.mainWindow();
  QObject::connect(&application, &QApplication::lastWindowClosed, &application, &QApplication::quit);
  window->show();
  host.restart();

  if (options.quitAfterMs) {
    QTimer::singleShot(*options.quitAfterMs, &application, [&] {
      if (!options.grabFile.empty())
        HOST_GrabWindow(window).save(QString::fromStdString(options.grabFile), "PNG");
      application.quit();
    });
  }
  const int exitCode = application.exec();
  host.app().stop();
  log.closeErrorFile();
  return exitCode;
}
