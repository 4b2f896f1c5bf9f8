// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/stock_image.h"

#include "view/stock_pictures.h"

namespace blokka {

QImage stockImage(int index) {
    const Picture pixels = MakeStockPicture(index);
    QImage image(kPictureSize, kPictureSize, QImage::Format_RGB888);
    // Written a row of bytes at a time, red first: setPixel checks and converts every pixel on
    // its own, and made the ten pictures a measurable share of the start-up.
    for (int y = 0; y < kPictureSize; ++y) {
        uchar* byte = image.scanLine(y);
        for (int x = 0; x < kPictureSize; ++x) {
            const Rgb rgb = pixels[static_cast<std::size_t>(y * kPictureSize + x)];
            *byte++ = static_cast<uchar>(rgb >> 16);
            *byte++ = static_cast<uchar>(rgb >> 8);
            *byte++ = static_cast<uchar>(rgb);
        }
    }
    return image;
}

}  // namespace blokka
