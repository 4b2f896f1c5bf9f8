// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// An offscreen screen (dense_screen.json) with two device pixels to a point. That cells of every
// size fill the device pixels they cover, the fault tests see on Wayland, two pixels to a point.

#include <QPaintEvent>
#include <QTest>
#include <algorithm>

#include "window/cell_canvas.h"

using blokka::CellCanvas;

namespace {

// The bevelled block: a diagonal seam splits the outer pixels into a light band (top and right)
// and a dark band (left and bottom); inside them a one-pixel rim frames the face.
enum Region { Seam, Light, Dark, TopLine, RightColumn, Face, LeftColumn, BottomRow, Corner };
Region BlockRegion(int x, int y) {
    if (x == y && (x <= 3 || x >= 32)) return Seam;
    if (x > y && (y < 3 || x >= 32)) return Light;
    if (x < y && (x < 3 || y >= 32)) return Dark;
    if (y == 3) return TopLine;
    if (x == 3) return LeftColumn;
    if (x == 31) return y == 31 ? Corner : RightColumn;
    return y == 31 ? BottomRow : Face;
}

// The seven blocks' colours in the order of Region.
constexpr QRgb kBlocks[7][9] = {
    {0xd63031, 0xe75d5a, 0xbd0000, 0xe75152, 0xe70c08, 0xe70000, 0xbd0000, 0xe70000, 0xe70c08},
    {0xd67518, 0xe78a29, 0xbd5d00, 0xe78629, 0xe76100, 0xe75d00, 0xbd5d00, 0xe75d00, 0xe76100},
    {0xe7d34a, 0xe7e78c, 0xe7ba00, 0xe7e77b, 0xe7e710, 0xe7e700, 0xe7be00, 0xe7e300, 0xe7e310},
    {0x31d331, 0x5ae75a, 0x00ba00, 0x52e752, 0x08e708, 0x00e700, 0x00be00, 0x00e300, 0x08e308},
    {0x63bed6, 0x8ce7e7, 0x298abd, 0x84e3e7, 0x63bee7, 0x5abae7, 0x318ebd, 0x52b2e7, 0x5abae7},
    {0x3130d6, 0x5a5de7, 0x0000bd, 0x5251e7, 0x080ce7, 0x0000e7, 0x0000bd, 0x0000e7, 0x080ce7},
    {0xa530d6, 0xbd5de7, 0x8c00bd, 0xbd51e7, 0xbd0ce7, 0xbd00e7, 0x8c00bd, 0xb500e7, 0xb50ce7},
};

// Pictures 8 to 10 are the backgrounds: flat grey, light with a two-pixel frame, dark with one.
QRgb Expected(int picture, int x, int y) {
    const int edge = std::min({x, y, 35 - x, 35 - y});
    if (picture == 8) return 0xc6c3c6;
    if (picture == 9) return edge < 2 ? 0xceefff : 0xe7ffff;
    if (picture == 10) return edge < 1 ? 0x393c39 : 0x313431;
    return kBlocks[picture - 1][BlockRegion(x, y)];
}

// The pixel at `p` in points: a grab on the dense screen has two device pixels to a point.
QRgb Rgb(const QImage& image, QPoint p) {
    return image.pixel(p * image.devicePixelRatio()) & 0xffffff;
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void eachStockPictureShowsItsRegionsInTheirColours() {
        const CellCanvas canvas;
        for (int picture = 1; picture <= 10; ++picture) {
            const QImage& image = canvas.stockPicture(picture);
            QCOMPARE(image.size(), QSize(36, 36));
            QCOMPARE(image.depth(), 24);
            for (int i = 0; i < 36 * 36; ++i) {
                const int x = i % 36, y = i / 36;
                if (Rgb(image, {x, y}) != Expected(picture, x, y))
                    QFAIL(qPrintable(QString::asprintf("picture %d at (%d, %d)", picture, x, y)));
            }
        }
    }

    void theCanvasShowsReportsAndRepaintsOnlyVisibleCellsWithPictures() {
        CellCanvas canvas;
        canvas.resize(265, 370);
        canvas.createCell(2);
        canvas.setCellBounds(2, {5, 5, 30, 30});
        canvas.setCellPicture(2, 6);  // hidden: shows nothing
        canvas.createCell(3);
        canvas.setCellBounds(3, {100, 5, 18, 18});
        canvas.setCellVisible(3, true);  // no picture: shows nothing
        canvas.setCellBounds(1, {35, 65, 30, 30});
        canvas.setCellPicture(1, 1);
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        const QImage shot = canvas.grab().toImage();
        QCOMPARE(Rgb(shot, {50, 80}), 0xe70000u);
        for (QPoint grey : {QPoint(34, 80), QPoint(65, 80), QPoint(20, 20), QPoint(109, 14)})
            QCOMPARE(Rgb(shot, grey), 0x808080u);

        QStringList events;
        connect(&canvas, &CellCanvas::cellMouseMove, this,
                [&](int k) { events << QString::number(k); });
        connect(&canvas, &CellCanvas::cellMouseDown, this,
                [&](int k, int button) { events << QString("%1 button %2").arg(k).arg(button); });
        for (QPoint pos :
             {QPoint(64, 94), QPoint(65, 80), QPoint(34, 65), QPoint(20, 20), QPoint(109, 14)})
            QTest::mouseMove(&canvas, pos);
        QTest::mouseClick(&canvas, Qt::LeftButton, {}, {50, 80});
        QTest::mouseClick(&canvas, Qt::RightButton, {}, {109, 14});
        QTest::mouseClick(&canvas, Qt::MiddleButton, {}, {50, 80});
        QTest::mouseClick(&canvas, Qt::LeftButton, {}, {20, 20});
        QCOMPARE(events, QStringList({"1", "3", "1 button 1", "3 button 2", "1 button 4"}));

        struct : QObject {
            QRegion painted;
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
                return false;
            }
        } recorder;
        QCoreApplication::processEvents();
        canvas.installEventFilter(&recorder);
        canvas.setCellPicture(3, 3);
        QTRY_COMPARE(recorder.painted, QRegion(100, 5, 18, 18));
        recorder.painted = {};
        canvas.setCellBounds(3, {130, 5, 18, 18});  // its old place and its new one
        QTRY_COMPARE(recorder.painted, QRegion(100, 5, 18, 18) + QRegion(130, 5, 18, 18));
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
