#include "jpeg_qt.h"

namespace platform {

QImage toQImage(const RgbImage &image)
{
    if (image.width <= 0 || image.height <= 0)
        return {};
    const QImage view(image.rgb.data(), image.width, image.height, image.width * 3,
                      QImage::Format_RGB888);
    return view.copy();
}

} // namespace platform
