#pragma once
// Hands a decoded JPEG to Qt's drawing.

#include "platform/jpeg.h"

#include <QImage>

namespace platform {

// A deep copy of the pixels as a QImage::Format_RGB888 image; a null QImage for an empty one.
QImage toQImage(const RgbImage &image);

} // namespace platform
