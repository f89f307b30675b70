// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/window_icon.h"

#include "qt/window_icon_pixels.h"

#include <QImage>
#include <QPixmap>

namespace ambrel {

QIcon windowIcon()
{
    QIcon icon;
    for (std::size_t i = 0; i < kWindowIconPixelsCount; ++i) {
        const WindowIconPixels& picture = kWindowIconPixels[i];
        const QImage image(reinterpret_cast<const uchar*>(picture.pixels), picture.size, picture.size,
                           QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace ambrel
