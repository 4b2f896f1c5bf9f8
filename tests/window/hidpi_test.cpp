// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Cells on a screen with two device pixels to a point keep their detail instead of being
// enlarged. Two offscreen screens (two_screens.json): the first, where
// windows open, has two device pixels to a point, the second one.

#include <QTest>

#include "window/cell_canvas.h"

namespace {

QImage Rgb32(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

}  // namespace

class HiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void cellsShowTheStockPictureScaledToTheirDevicePixelsOnEitherScreen() {
        blokka::CellCanvas canvas;
        canvas.resize(265, 370);
        // A block and a background picture at each cell size. A 12-pixel cell on the dense
        // screen and a 24-pixel one on the plain screen cover as many device pixels.
        for (int k = 1; k <= 8; ++k) {
            const int size = 12 + 6 * ((k - 1) % 4);
            if (k > 1) canvas.createCell(k);
            canvas.setCellBounds(k, {5 + 40 * ((k - 1) % 4), 5 + 40 * ((k - 1) / 4), size, size});
            canvas.setCellPicture(k, k <= 4 ? 3 : 9);
            canvas.setCellVisible(k, true);
        }
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        for (const qreal ratio : {2.0, 1.0}) {
            if (ratio == 1) canvas.move(QGuiApplication::screens().at(1)->geometry().center());
            QTRY_COMPARE(canvas.devicePixelRatioF(), ratio);
            const QImage shot = Rgb32(canvas.grab().toImage());
            for (int k = 1; k <= 8; ++k) {
                const QRect cell = canvas.cellBounds(k);
                const QRect device(cell.topLeft() * ratio, cell.size() * ratio);
                const QImage direct =
                    canvas.stockPicture(canvas.cellPicture(k))
                        .scaled(device.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
                QVERIFY2(shot.copy(device) == Rgb32(direct),
                         qPrintable(QString("cell %1 at %2").arg(k).arg(ratio)));
            }
        }
    }
};

QTEST_MAIN(HiDpiTest)
#include "hidpi_test.moc"
