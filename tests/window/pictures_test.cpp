// The stock pictures as the window holds them, pixel by pixel, and the display cells on screen.

#include <QBitArray>
#include <QPaintEvent>
#include <QTest>
#include <vector>

#include "window/cell_canvas.h"

using blokka::CellCanvas;

namespace {

struct Region {
    const char* name;
    std::vector<QRect> rects;
};

// The bevelled block, region by region. Sub-regions some blocks set apart come last.
const std::vector<Region>& blockRegions() {
    static const std::vector<Region> regions = {
        {"seam",
         {{0, 0, 1, 1},
          {1, 1, 1, 1},
          {2, 2, 1, 1},
          {3, 3, 1, 1},
          {32, 32, 1, 1},
          {33, 33, 1, 1},
          {34, 34, 1, 1},
          {35, 35, 1, 1}}},
        {"light band",
         {{1, 0, 35, 1},
          {2, 1, 34, 1},
          {3, 2, 33, 1},
          {32, 3, 4, 1},
          {32, 4, 4, 28},
          {33, 32, 3, 1},
          {34, 33, 2, 1},
          {35, 34, 1, 1}}},
        {"dark band",
         {{0, 1, 1, 1},
          {0, 2, 2, 1},
          {0, 3, 3, 1},
          {0, 4, 3, 28},
          {0, 32, 32, 1},
          {0, 33, 33, 1},
          {0, 34, 34, 1},
          {0, 35, 35, 1}}},
        {"top line", {{4, 3, 28, 1}}},
        {"right column", {{31, 4, 1, 27}}},
        {"face", {{4, 4, 27, 27}}},
        {"left column", {{3, 4, 1, 28}}},
        {"bottom row", {{4, 31, 27, 1}}},
        {"corner", {{31, 31, 1, 1}}},
    };
    return regions;
}

// Colours in the order of blockRegions(); 0 = not set apart (falls back to the region named
// by kFallback).
constexpr QRgb kBlockColours[7][9] = {
    {0xd63031, 0xe75d5a, 0xbd0000, 0xe75152, 0xe70c08, 0xe70000, 0, 0, 0},
    {0xd67518, 0xe78a29, 0xbd5d00, 0xe78629, 0xe76100, 0xe75d00, 0, 0, 0},
    {0xe7d34a, 0xe7e78c, 0xe7ba00, 0xe7e77b, 0xe7e710, 0xe7e700, 0xe7be00, 0xe7e300, 0xe7e310},
    {0x31d331, 0x5ae75a, 0x00ba00, 0x52e752, 0x08e708, 0x00e700, 0x00be00, 0x00e300, 0x08e308},
    {0x63bed6, 0x8ce7e7, 0x298abd, 0x84e3e7, 0x63bee7, 0x5abae7, 0x318ebd, 0x52b2e7, 0x5abae7},
    {0x3130d6, 0x5a5de7, 0x0000bd, 0x5251e7, 0x080ce7, 0x0000e7, 0, 0, 0},
    {0xa530d6, 0xbd5de7, 0x8c00bd, 0xbd51e7, 0xbd0ce7, 0xbd00e7, 0, 0xb500e7, 0xb50ce7},
};
// left column -> dark band, bottom row -> face, corner -> right column
constexpr int kFallback[9] = {0, 1, 2, 3, 4, 5, 2, 5, 4};

QRgb rgb(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xffffff; }

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void theBlockRegionsCoverEachPixelOnce() {
        QBitArray seen(36 * 36);
        for (const Region& region : blockRegions()) {
            for (const QRect& r : region.rects) {
                for (int y = r.top(); y <= r.bottom(); ++y) {
                    for (int x = r.left(); x <= r.right(); ++x) {
                        QVERIFY2(!seen.testBit(y * 36 + x), region.name);
                        seen.setBit(y * 36 + x);
                    }
                }
            }
        }
        QCOMPARE(seen.count(true), 36 * 36);
    }

    void eachBlockShowsItsRegionsInTheirColours_data() {
        QTest::addColumn<int>("index");
        for (int i = 1; i <= 7; ++i) QTest::addRow("block %d", i) << i;
    }
    void eachBlockShowsItsRegionsInTheirColours() {
        QFETCH(int, index);
        const CellCanvas canvas;
        const QImage& picture = canvas.stockPicture(index);
        QCOMPARE(picture.size(), QSize(36, 36));
        QCOMPARE(picture.depth(), 24);
        const QRgb* colours = kBlockColours[index - 1];
        const auto& regions = blockRegions();
        for (std::size_t region = 0; region < regions.size(); ++region) {
            const QRgb expected = colours[region] ? colours[region] : colours[kFallback[region]];
            for (const QRect& r : regions[region].rects) {
                for (int y = r.top(); y <= r.bottom(); ++y) {
                    for (int x = r.left(); x <= r.right(); ++x) {
                        if (rgb(picture, x, y) != expected) {
                            QFAIL(qPrintable(QStringLiteral("%1 at (%2, %3): %4 instead of %5")
                                                 .arg(regions[region].name)
                                                 .arg(x)
                                                 .arg(y)
                                                 .arg(rgb(picture, x, y), 6, 16, QChar('0'))
                                                 .arg(expected, 6, 16, QChar('0'))));
                        }
                    }
                }
            }
        }
    }

    void theBackgroundsShowTheirFrames() {
        const CellCanvas canvas;
        const QImage& flat = canvas.stockPicture(8);
        const QImage& light = canvas.stockPicture(9);
        const QImage& dark = canvas.stockPicture(10);
        for (int y = 0; y < 36; ++y) {
            for (int x = 0; x < 36; ++x) {
                QCOMPARE(rgb(flat, x, y), 0xc6c3c6u);
                const bool lightFrame = x <= 1 || y <= 1 || x >= 34 || y >= 34;
                QCOMPARE(rgb(light, x, y), lightFrame ? 0xceefffu : 0xe7ffffu);
                const bool darkFrame = x == 0 || y == 0 || x == 35 || y == 35;
                QCOMPARE(rgb(dark, x, y), darkFrame ? 0x393c39u : 0x313431u);
            }
        }
    }

    void aCellShowsItsPictureScaledAndTheGreyShowsElsewhere() {
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
        const QImage shot = canvas.grab().toImage();
        QCOMPARE(rgb(shot, 35 + 15, 65 + 15), 0xe70000u);           // face
        QCOMPARE(rgb(shot, 35, 65), 0xd63031u);                     // seam
        QCOMPARE(rgb(shot, 35 + 29, 65), 0xe75d5au);                // light band
        QCOMPARE(rgb(shot, 35, 65 + 29), 0xbd0000u);                // dark band
        QCOMPARE(rgb(shot, 34, 80), CellCanvas::kBackground);       // left of the cell
        QCOMPARE(rgb(shot, 35 + 30, 80), CellCanvas::kBackground);  // right of it
        QCOMPARE(rgb(shot, 20, 20), CellCanvas::kBackground);
        QCOMPARE(rgb(shot, 109, 14), CellCanvas::kBackground);
    }

    void aChangedCellRepaintsOnlyItsOwnRectangle() {
        CellCanvas canvas;
        canvas.resize(265, 370);
        QRegion painted;
        struct Recorder : QObject {
            QRegion* region;
            explicit Recorder(QRegion* r) : region(r) {}
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::Paint) *region += static_cast<QPaintEvent*>(e)->region();
                return false;
            }
        } recorder(&painted);
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        canvas.createCell(57);
        canvas.setCellBounds(57, {131, 95, 18, 18});
        canvas.setCellVisible(57, true);
        QCoreApplication::processEvents();
        canvas.installEventFilter(&recorder);
        canvas.setCellPicture(57, 3);
        QTRY_VERIFY(!painted.isEmpty());
        QCOMPARE(painted, QRegion(131, 95, 18, 18));
    }

    void theMouseReportsTheCellUnderThePointerAndItsButton() {
        CellCanvas canvas;
        canvas.resize(265, 370);
        canvas.createCell(2);
        canvas.setCellBounds(2, {30, 5, 18, 18});
        canvas.setCellVisible(2, true);
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        QList<int> moves;
        QList<QPair<int, int>> presses;
        connect(&canvas, &CellCanvas::cellMouseMove, this, [&](int k) { moves << k; });
        connect(&canvas, &CellCanvas::cellMouseDown, this,
                [&](int k, int button) { presses << qMakePair(k, button); });
        QTest::mouseMove(&canvas, {35, 10});
        QTest::mouseMove(&canvas, {37, 12});
        QTest::mouseMove(&canvas, {26, 10});  // the grey gap between cells 1 and 2
        QTest::mouseMove(&canvas, {10, 10});
        QCOMPARE(moves, QList<int>({2, 2, 1}));
        QTest::mouseClick(&canvas, Qt::LeftButton, {}, {10, 10});
        QTest::mouseClick(&canvas, Qt::RightButton, {}, {35, 10});
        QTest::mouseClick(&canvas, Qt::MiddleButton, {}, {35, 10});
        QTest::mouseClick(&canvas, Qt::LeftButton, {}, {100, 100});
        QCOMPARE(presses, (QList<QPair<int, int>>{{1, 1}, {2, 2}, {2, 4}}));
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
