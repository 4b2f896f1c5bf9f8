// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/app_icon.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <map>

#include "view/stock_pictures.h"
#include "window/stock_image.h"

namespace blokka {

namespace {

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

QImage drawIcon(int size, const QImage& empty, const QImage& red) {
    QImage image(size, size, QImage::Format_RGB32);
    const int cell = IconCellEdge(size);
    const int shift = IconShift(size);
    QPainter painter(&image);
    const QImage emptyCell = cellImage(empty, cell);
    const QImage redCell = cellImage(red, cell);
    for (int row = -1; row <= kIconGrid; ++row) {
        for (int column = -1; column <= kIconGrid; ++column) {
            const bool z = IconPicture(column, row) == kIconRedPicture;
            painter.drawImage(column * cell + shift, row * cell, z ? redCell : emptyCell);
        }
    }
    return image;
}

// Draws each size when it is first asked for: the window system takes only the few small ones,
// so the large sizes cost nothing at start-up, and a dense screen still gets a drawing of its
// own rather than an enlarged copy.
class AppIconEngine : public QIconEngine {
public:
    // The two pictures every size is drawn from, made once for all sizes.
    AppIconEngine() : empty_(stockImage(kDarkPicture)), red_(stockImage(kIconRedPicture)) {}
    AppIconEngine(const AppIconEngine& other)
        : QIconEngine(other), empty_(other.empty_), red_(other.red_) {}

    QIconEngine* clone() const override { return new AppIconEngine(*this); }
    QString key() const override { return QStringLiteral("blokka"); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int size : kWindowIconSizes) sizes.append(QSize(size, size));
        return sizes;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int edge = std::min(size.width(), size.height());
        return {edge, edge};
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    // `size` is in device pixels already; `scale` is the screen's ratio.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) override {
        const int edge = std::min(size.width(), size.height());
        if (edge <= 0) return {};
        QPixmap& drawn = drawings_[edge];
        if (drawn.isNull()) drawn = QPixmap::fromImage(drawIcon(edge, empty_, red_));
        QPixmap out = drawn;
        out.setDevicePixelRatio(scale);
        return out;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale = painter->device()->devicePixelRatioF();
        painter->drawPixmap(rect, scaledPixmap(rect.size() * scale, mode, state, scale));
    }

private:
    const QImage empty_, red_;
    std::map<int, QPixmap> drawings_;
};

}  // namespace

QImage drawAppIcon(int size) {
    return drawIcon(size, stockImage(kDarkPicture), stockImage(kIconRedPicture));
}

QIcon makeAppIcon() { return QIcon(new AppIconEngine); }

}  // namespace blokka
