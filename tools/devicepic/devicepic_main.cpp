// kalvero-devicepic OUTPUT_DIR: writes the built-in device pictures
// (device.png, device_pressed.png) and, for people who want to start a
// picture pair of their own, the same pictures as Device.bmp and Device1.bmp.
#include <QGuiApplication>
#include <cstdio>

#include "tools/devicepic/device_painter.h"

namespace {

bool save(const QImage& image, const QString& path) {
  if (image.save(path)) return true;
  std::fprintf(stderr, "kalvero-devicepic: cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kalvero-devicepic OUTPUT_DIR\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString dir = QString::fromLocal8Bit(argv[1]);
  const QImage device = devicepic::paintDevicePicture();
  const QImage pressed = devicepic::paintPressedKeysPicture();
  const bool ok = save(device, dir + "/device.png") && save(pressed, dir + "/device_pressed.png") &&
                  save(device, dir + "/Device.bmp") && save(pressed, dir + "/Device1.bmp");
  return ok ? 0 : 1;
}
