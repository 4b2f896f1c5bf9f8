// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/cell_canvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "view/client_area.h"
#include "window/stock_image.h"

namespace blokka {

namespace {

// Where Img(1) sits in the window's design: the top left board cell at the start-up size.
constexpr QRect kFirstCellDesign{5, 5, 18, 18};

int gameButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

}  // namespace

CellCanvas::CellCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName("canvas");
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (int i = 1; i <= kStockPictures; ++i) stock_[static_cast<std::size_t>(i)] = stockImage(i);
    Cell& first = cells_[1];
    first.created = true;
    first.visible = true;
    first.bounds = kFirstCellDesign;
}

QSize CellCanvas::sizeHint() const { return {kClientWidth, kClientHeight}; }

void CellCanvas::createCell(int k) {
    Cell& cell = cells_.at(static_cast<std::size_t>(k));
    cell = cells_[1];
    cell.visible = false;
}

void CellCanvas::setCellPicture(int k, int picture) {
    Cell& cell = cells_.at(static_cast<std::size_t>(k));
    if (cell.picture == picture) return;
    cell.picture = picture;
    repaintCell(cell);
}

void CellCanvas::setCellVisible(int k, bool visible) {
    Cell& cell = cells_.at(static_cast<std::size_t>(k));
    if (cell.visible == visible) return;
    cell.visible = visible;
    repaintCell(cell);
}

void CellCanvas::setCellBounds(int k, const QRect& bounds) {
    Cell& cell = cells_.at(static_cast<std::size_t>(k));
    if (cell.bounds == bounds) return;
    repaintCell(cell);
    cell.bounds = bounds;
    repaintCell(cell);
}

QRect CellCanvas::cellBounds(int k) const { return cells_.at(static_cast<std::size_t>(k)).bounds; }

int CellCanvas::cellPicture(int k) const { return cells_.at(static_cast<std::size_t>(k)).picture; }

const QImage& CellCanvas::stockPicture(int index) const {
    return stock_.at(static_cast<std::size_t>(index));
}

int CellCanvas::cellAt(QPoint pos) const {
    for (int k = kDisplayCells; k >= 1; --k) {
        const Cell& cell = cells_[static_cast<std::size_t>(k)];
        if (cell.created && cell.visible && cell.bounds.contains(pos)) return k;
    }
    return 0;
}

void CellCanvas::repaintCell(const Cell& cell) {
    if (cell.created) update(cell.bounds);
}

const QPixmap& CellCanvas::scaledPicture(int picture, QSize size) {
    // Scaled to the device pixels the cell covers, so that a screen with two pixels to a point
    // shows the picture's own detail instead of every pixel of a small copy doubled.
    const qreal ratio = devicePixelRatioF();
    const QSize device = (QSizeF(size) * ratio).toSize();
    ScaledSet& set = scaled_[{device.width(), device.height()}];
    QPixmap& pixmap = set.at(static_cast<std::size_t>(picture));
    // The same device size stands for another cell size at another ratio.
    if (pixmap.isNull() || pixmap.devicePixelRatio() != ratio) {
        // Nearest neighbour keeps the bevel's one-pixel lines sharp at every size.
        pixmap =
            QPixmap::fromImage(stock_.at(static_cast<std::size_t>(picture))
                                   .scaled(device, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        pixmap.setDevicePixelRatio(ratio);
    }
    return pixmap;
}

bool CellCanvas::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::ScreenChangeInternal:
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        case QEvent::DevicePixelRatioChange:
#endif
            // On a screen of another pixel ratio the pictures scaled so far are of no more use.
            scaled_.clear();
            update();
            break;
        default:
            break;
    }
    return QWidget::event(event);
}

void CellCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor::fromRgb(kBackground));
    for (int k = 1; k <= kDisplayCells; ++k) {
        const Cell& cell = cells_[static_cast<std::size_t>(k)];
        if (!cell.created || !cell.visible || cell.picture < 1 || cell.picture > kStockPictures) {
            continue;
        }
        if (!cell.bounds.isValid() || !event->region().intersects(cell.bounds)) continue;
        painter.drawPixmap(cell.bounds.topLeft(), scaledPicture(cell.picture, cell.bounds.size()));
    }
}

void CellCanvas::mouseMoveEvent(QMouseEvent* event) {
    const int k = cellAt(event->position().toPoint());
    if (k != 0) emit cellMouseMove(k);
}

void CellCanvas::mousePressEvent(QMouseEvent* event) {
    const int k = cellAt(event->position().toPoint());
    const int button = gameButton(event->button());
    if (k != 0 && button != 0) emit cellMouseDown(k, button);
}

}  // namespace blokka
