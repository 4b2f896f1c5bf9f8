// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The board's display cells Img(1..208), painted by one widget. Each cell is a rectangle that
// shows one of the ten stock pictures scaled to its size, or nothing, so that the grey of the
// window shows through. A change repaints only the cells it touches.

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QWidget>
#include <array>
#include <map>
#include <utility>

#include "core/game_state.h"
#include "view/stock_pictures.h"

namespace blokka {

class CellCanvas : public QWidget {
    Q_OBJECT

public:
    static constexpr QRgb kBackground = 0x808080;

    explicit CellCanvas(QWidget* parent = nullptr);

    // Img(k) comes to life as a hidden copy of Img(1).
    void createCell(int k);
    void setCellPicture(int k, int picture);
    void setCellVisible(int k, bool visible);
    void setCellBounds(int k, const QRect& bounds);
    QRect cellBounds(int k) const;
    int cellPicture(int k) const;  // 0 while the cell has none

    // The stock picture ConstImg(index), 36 by 36 pixels, 24-bit.
    const QImage& stockPicture(int index) const;

    // The display cell under `pos`, or 0 over the background.
    int cellAt(QPoint pos) const;

    QSize sizeHint() const override;

signals:
    void cellMouseMove(int index);
    void cellMouseDown(int index, int button);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Cell {
        QRect bounds;
        int picture = 0;
        bool visible = false;
        bool created = false;
    };

    // The pictures scaled to a cell size in device pixels.
    using ScaledSet = std::array<QPixmap, kStockPictures + 1>;
    const QPixmap& scaledPicture(int picture, QSize size);
    void repaintCell(const Cell& cell);

    std::array<Cell, kDisplayCells + 1> cells_{};
    std::array<QImage, kStockPictures + 1> stock_{};
    std::map<std::pair<int, int>, ScaledSet> scaled_;
};

}  // namespace blokka
