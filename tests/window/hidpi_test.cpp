// The window on a screen with two device pixels to a point: cells, label and icon keep their
// detail instead of being enlarged. The test runs on two offscreen screens (two_screens.json):
// the first, where windows open, has two device pixels to a point, the second has one.

#include <QLabel>
#include <QTest>
#include <QUuid>
#include <algorithm>

#include "window/app_icon.h"
#include "window/cell_canvas.h"
#include "window/frm_main.h"

using blokka::CellCanvas;

namespace {

constexpr qreal kRatio = 2;

QImage rgb32(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// A window with a guard of its own, so that it never meets a running game.
struct StartedWindow {
    blokka::frmMain window{QStringLiteral("blokka-test-") +
                           QUuid::createUuid().toString(QUuid::WithoutBraces)};
    bool loaded = window.load();
};

}  // namespace

class HiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void cellsShowTheStockPictureScaledToTheirDevicePixelsOnEitherScreen() {
        CellCanvas canvas;
        canvas.resize(265, 370);
        // A block and a background picture at each cell size of the menu. A 12-pixel cell on
        // the dense screen and a 24-pixel one on the plain screen cover as many device pixels.
        const int sizes[] = {12, 18, 24, 30};
        const int pictures[] = {3, 9};
        int k = 1;
        for (int row = 0; row < 2; ++row) {
            for (int column = 0; column < 4; ++column, ++k) {
                if (k > 1) canvas.createCell(k);
                canvas.setCellBounds(k,
                                     {5 + 40 * column, 5 + 40 * row, sizes[column], sizes[column]});
                canvas.setCellPicture(k, pictures[row]);
                canvas.setCellVisible(k, true);
            }
        }
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        for (const qreal ratio : {kRatio, 1.0}) {
            if (ratio != kRatio) canvas.move(QGuiApplication::screens().at(1)->geometry().center());
            QTRY_COMPARE(canvas.devicePixelRatioF(), ratio);
            const QImage shot = rgb32(canvas.grab().toImage());
            QCOMPARE(shot.size(), QSize(265, 370) * ratio);
            for (k = 1; k <= 8; ++k) {
                const QRect cell = canvas.cellBounds(k);
                const QRect device(cell.topLeft() * ratio, cell.size() * ratio);
                const QImage direct =
                    canvas.stockPicture(canvas.cellPicture(k))
                        .scaled(device.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
                QVERIFY2(shot.copy(device) == rgb32(direct),
                         qPrintable(QStringLiteral("cell %1 at ratio %2").arg(k).arg(ratio)));
            }
        }
    }

    void theLabelsTextIsDrawnAtDevicePixels() {
        StartedWindow w;
        QVERIFY(w.loaded);
        QLabel& label = w.window.layer().lblTotal();
        w.window.layer().SetLabelCaption("Счет: 32000");
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QImage shot = rgb32(label.grab().toImage());
        QCOMPARE(shot.size(), label.size() * kRatio);
        // Text drawn at one pixel to a point and enlarged fills whole 2x2 blocks with one
        // colour; text drawn at device pixels has glyph edges that cross the blocks.
        int inked = 0, crossed = 0;
        const QRgb paper = shot.pixel(0, 0);
        for (int y = 0; y + 1 < shot.height(); y += 2) {
            for (int x = 0; x + 1 < shot.width(); x += 2) {
                const QRgb block[] = {shot.pixel(x, y), shot.pixel(x + 1, y), shot.pixel(x, y + 1),
                                      shot.pixel(x + 1, y + 1)};
                if (std::ranges::all_of(block, [&](QRgb p) { return p == paper; })) continue;
                ++inked;
                if (std::ranges::any_of(block, [&](QRgb p) { return p != block[0]; })) ++crossed;
            }
        }
        QVERIFY(inked > 0);
        QVERIFY2(crossed * 2 > inked,
                 qPrintable(QStringLiteral("%1 of %2").arg(crossed).arg(inked)));
    }

    void theIconHasItsOwnDrawingForTwiceEachCommonSize() {
        const QIcon icon = StartedWindow().window.windowIcon();
        for (int size : blokka::kWindowIconSizes) {
            // Drawn at the doubled size, not scaled from a drawing of another size.
            const QPixmap sharp = icon.pixmap(QSize(size, size), kRatio);
            QCOMPARE(sharp.size(), QSize(size, size) * kRatio);
            QCOMPARE(sharp.devicePixelRatio(), kRatio);
            QImage drawn = blokka::drawAppIcon(size * 2);
            drawn.setDevicePixelRatio(kRatio);
            QCOMPARE(rgb32(sharp.toImage()), drawn);
        }
    }
};

QTEST_MAIN(HiDpiTest)
#include "hidpi_test.moc"
