#include "window/app_icon.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <array>

#include "view/stock_pictures.h"
#include "window/stock_image.h"

namespace blokka {

namespace {

constexpr int kGrid = 4;  // cells per side

struct GridCell {
    int column, row;
};

// The Z: two cells in the upper row, two in the lower row one column to the right.
constexpr std::array kZ = std::to_array<GridCell>({{0, 1}, {1, 1}, {1, 2}, {2, 2}});
constexpr int kRedPicture = 1;

// A stock picture `cell` pixels wide. A smooth reduction keeps small cells even; a cell wider
// than the picture first repeats every pixel whole, so that the bevel's lines stay sharp
// instead of blurring, and only the last step to the size is smoothed.
QImage cellImage(const QImage& picture, int cell) {
    const int repeat = (cell + kPictureSize - 1) / kPictureSize;
    const QImage source = repeat > 1 ? picture.scaled(picture.size() * repeat,
                                                      Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                     : picture;
    return source.scaled(cell, cell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QPixmap iconPixmap(int size, const QImage& empty, const QImage& red) {
    QImage image(size, size, QImage::Format_RGB32);
    const int cell = size / kGrid;
    // The Z is three cells wide; half a cell of grid on either side centres it.
    const int shift = cell / 2;
    QPainter painter(&image);
    const QImage emptyCell = cellImage(empty, cell);
    const QImage redCell = cellImage(red, cell);
    for (int row = -1; row <= kGrid; ++row) {
        for (int column = -1; column <= kGrid; ++column) {
            painter.drawImage(column * cell + shift, row * cell, emptyCell);
        }
    }
    for (const GridCell& c : kZ) painter.drawImage(c.column * cell + shift, c.row * cell, redCell);
    return QPixmap::fromImage(image);
}

}  // namespace

QIcon makeAppIcon() {
    const QImage empty = stockImage(kDarkPicture);
    const QImage red = stockImage(kRedPicture);
    QIcon icon;
    for (int size : kIconSizes) icon.addPixmap(iconPixmap(size, empty, red));
    return icon;
}

}  // namespace blokka
