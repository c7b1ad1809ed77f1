// The device picture and the pressed-keys picture: "Device.bmp" and
// "Device1.bmp" from the working directory when they can be read, else
// the built-in pair.
#pragma once

#include <QImage>
#include <functional>
#include <string>

#include "host/rgb_image.h"

struct DevicePictures {
  QImage device;
  QImage pressedKeys;
};

// `report` receives one line per file that exists but cannot be used.
DevicePictures HOST_LoadDevicePictures(const std::function<void(const std::string&)>& report,
                                       const QString& directory = QStringLiteral("."));
DevicePictures HOST_BuiltInDevicePictures();

QImage HOST_ToQImage(const RgbImage& image);
RgbImage HOST_ToRgbImage(const QImage& image);
