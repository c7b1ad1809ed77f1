#include "host/device_pictures.h"

#include <QFileInfo>

#include "host/bmp_reader.h"

namespace {

// Empty when the file is absent or unusable (the reason goes to `report`).
QImage readUserPicture(const QString& path, const std::function<void(const std::string&)>& report) {
  if (!QFileInfo::exists(path)) return {};
  RgbImage image;
  std::string error;
  if (!BMP_ReadFile(path.toStdString(), &image, &error)) {
    report(path.toStdString() + ": " + error + " - using the built-in picture");
    return {};
  }
  return HOST_ToQImage(image);
}

}  // namespace

QImage HOST_ToQImage(const RgbImage& image) {
  QImage out(image.width, image.height, QImage::Format_RGB32);
  for (int y = 0; y < image.height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < image.width; ++x) row[x] = 0xFF000000u | image.at(x, y);
  }
  return out;
}

RgbImage HOST_ToRgbImage(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  RgbImage out{rgb.width(), rgb.height(), {}};
  out.pixels.reserve(static_cast<size_t>(rgb.width()) * static_cast<size_t>(rgb.height()));
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) out.pixels.push_back(row[x] & 0xFFFFFF);
  }
  return out;
}

DevicePictures HOST_BuiltInDevicePictures() {
  Q_INIT_RESOURCE(host_resources);
  return {QImage(":/device.png").convertToFormat(QImage::Format_RGB32),
          QImage(":/device_pressed.png").convertToFormat(QImage::Format_RGB32)};
}

DevicePictures HOST_LoadDevicePictures(const std::function<void(const std::string&)>& report,
                                       const QString& directory) {
  const DevicePictures builtIn = HOST_BuiltInDevicePictures();
  DevicePictures pictures{readUserPicture(directory + "/Device.bmp", report),
                          readUserPicture(directory + "/Device1.bmp", report)};
  if (pictures.device.isNull()) pictures.device = builtIn.device;
  if (pictures.pressedKeys.isNull()) pictures.pressedKeys = builtIn.pressedKeys;
  if (pictures.device.size() != pictures.pressedKeys.size()) {
    // Keys found in a picture of another size would sit in the wrong place.
    report("Device.bmp and Device1.bmp differ in size - using the built-in pictures");
    return builtIn;
  }
  return pictures;
}
