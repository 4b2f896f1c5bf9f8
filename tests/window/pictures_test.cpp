// The stock pictures as the window holds them, pixel by pixel, and the display cells on screen.

#include <QPaintEvent>
#include <QTest>
#include <algorithm>

#include "window/cell_canvas.h"

using blokka::CellCanvas;

namespace {

enum Region {
    Seam,
    LightBand,
    DarkBand,
    TopLine,
    RightColumn,
    Face,
    LeftColumn,
    BottomRow,
    Corner
};

// The bevelled block: a diagonal seam splits the outer three pixels into a light band (top and
// right) and a dark band (left and bottom); inside them a one-pixel rim frames the face.
Region blockRegion(int x, int y) {
    if (x == y && (x <= 3 || x >= 32)) return Seam;
    if (x > y && (y < 3 || x >= 32)) return LightBand;
    if (x < y && (x < 3 || y >= 32)) return DarkBand;
    if (y == 3) return TopLine;
    if (x == 3) return LeftColumn;
    if (x == 31) return y == 31 ? Corner : RightColumn;
    return y == 31 ? BottomRow : Face;
}

// Colours of the seven blocks in the order of Region.
constexpr QRgb kBlockColours[7][9] = {
    {0xd63031, 0xe75d5a, 0xbd0000, 0xe75152, 0xe70c08, 0xe70000, 0xbd0000, 0xe70000, 0xe70c08},
    {0xd67518, 0xe78a29, 0xbd5d00, 0xe78629, 0xe76100, 0xe75d00, 0xbd5d00, 0xe75d00, 0xe76100},
    {0xe7d34a, 0xe7e78c, 0xe7ba00, 0xe7e77b, 0xe7e710, 0xe7e700, 0xe7be00, 0xe7e300, 0xe7e310},
    {0x31d331, 0x5ae75a, 0x00ba00, 0x52e752, 0x08e708, 0x00e700, 0x00be00, 0x00e300, 0x08e308},
    {0x63bed6, 0x8ce7e7, 0x298abd, 0x84e3e7, 0x63bee7, 0x5abae7, 0x318ebd, 0x52b2e7, 0x5abae7},
    {0x3130d6, 0x5a5de7, 0x0000bd, 0x5251e7, 0x080ce7, 0x0000e7, 0x0000bd, 0x0000e7, 0x080ce7},
    {0xa530d6, 0xbd5de7, 0x8c00bd, 0xbd51e7, 0xbd0ce7, 0xbd00e7, 0x8c00bd, 0xb500e7, 0xb50ce7},
};

// Pictures 8 to 10 are the backgrounds: flat grey, light with a two-pixel frame, dark with one.
QRgb expectedColour(int picture, int x, int y) {
    const int edge = std::min({x, y, 35 - x, 35 - y});
    if (picture == 8) return 0xc6c3c6;
    if (picture == 9) return edge < 2 ? 0xceefff : 0xe7ffff;
    if (picture == 10) return edge < 1 ? 0x393c39 : 0x313431;
    return kBlockColours[picture - 1][blockRegion(x, y)];
}

QRgb rgb(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xffffff; }

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
            for (int y = 0; y < 36; ++y) {
                for (int x = 0; x < 36; ++x) {
                    const QRgb got = rgb(image, x, y), want = expectedColour(picture, x, y);
                    if (got == want) continue;
                    QFAIL(qPrintable(QString::asprintf("picture %d at (%d, %d): %06x, not %06x",
                                                       picture, x, y, got, want)));
                }
            }
        }
    }

    void theCanvasShowsAndReportsOnlyVisibleCellsAndRepaintsJustTheChangedOne() {
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
        QCOMPARE(rgb(shot, 35 + 15, 65 + 15), 0xe70000u);  // face, scaled
        QCOMPARE(rgb(shot, 35, 65 + 29), 0xbd0000u);       // dark band
        for (QPoint grey : {QPoint(34, 80), QPoint(65, 80), QPoint(20, 20), QPoint(109, 14)}) {
            QCOMPARE(rgb(shot, grey.x(), grey.y()), CellCanvas::kBackground);
        }

        QStringList events;
        connect(&canvas, &CellCanvas::cellMouseMove, this,
                [&](int k) { events << QString::number(k); });
        connect(&canvas, &CellCanvas::cellMouseDown, this,
                [&](int k, int button) { events << QString("%1 button %2").arg(k).arg(button); });
        for (QPoint pos : {QPoint(50, 80), QPoint(65, 80), QPoint(20, 20), QPoint(109, 14)}) {
            QTest::mouseMove(&canvas, pos);
        }
        QTest::mouseClick(&canvas, Qt::LeftButton, {}, {50, 80});
        QTest::mouseClick(&canvas, Qt::RightButton, {}, {109, 14});
        QTest::mouseClick(&canvas, Qt::MiddleButton, {}, {50, 80});
        QTest::mouseClick(&canvas, Qt::LeftButton, {}, {20, 20});
        QCOMPARE(events, QStringList({"1", "3", "1 button 1", "3 button 2", "1 button 4"}));

        struct Recorder : QObject {
            QRegion painted;
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
                return false;
            }
        } recorder;
        QCoreApplication::processEvents();
        canvas.installEventFilter(&recorder);
        canvas.setCellPicture(3, 3);
        QTRY_VERIFY(!recorder.painted.isEmpty());
        QCOMPARE(recorder.painted, QRegion(100, 5, 18, 18));
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
