// Draws the device picture and the pressed-keys picture from the front table.
#pragma once

#include <QImage>

namespace devicepic {

// 450 x 311, 24-bit: the whole front with the keys up. Pixels outside the
// rounded body carry the transparent colour, so the window takes its shape.
QImage paintDevicePicture();
// The same size: the keys drawn pressed, everything else transparent colour.
QImage paintPressedKeysPicture();

}  // namespace devicepic
