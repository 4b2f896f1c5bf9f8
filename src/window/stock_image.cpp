#include "window/stock_image.h"

#include "view/stock_pictures.h"

namespace blokka {

QImage stockImage(int index) {
    const Picture pixels = MakeStockPicture(index);
    QImage image(kPictureSize, kPictureSize, QImage::Format_RGB888);
    for (int y = 0; y < kPictureSize; ++y) {
        for (int x = 0; x < kPictureSize; ++x) {
            image.setPixel(x, y, pixels[static_cast<std::size_t>(y * kPictureSize + x)]);
        }
    }
    return image;
}

}  // namespace blokka
