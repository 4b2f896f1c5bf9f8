// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// An offscreen screen (dense_screen.json) with two device pixels to a point. That cells of every
// size fill the device pixels they cover, the fault tests see on Wayland, two pixels to a point.

#include <QCryptographicHash>
#include <QPaintEvent>
#include <QTest>

#include "window/cell_canvas.h"

using blokka::CellCanvas;

namespace {

// The pixel at `p` in points: a grab on the dense screen has two device pixels to a point.
QRgb Rgb(const QImage& image, QPoint p) {
    return image.pixel(p * image.devicePixelRatio()) & 0xffffff;
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    // Seven bevelled blocks and the three backgrounds, as the cells have always shown them: a
    // pixel changed in any of them changes its digest.
    void eachStockPictureIsTheOneTheCellsHaveAlwaysShown() {
        static constexpr const char* kDigests[] = {
            "9a91dce4467b7b42aa69453e44080574", "7bf01a72d1fab07689f943364ecd7167",
            "8a1a4e00a983ced767721f364f7ad5e1", "4c93a3cd8de9be11e43c3d66fd2371ca",
            "9868ed4642cb49395f60e1ec7ca892ba", "122184835b830b989780197a385f42f9",
            "de0c9b3c95ebd5fea4b5fadad7c69b07", "2a4f948b6ee90b897a788dbb1e0f3537",
            "653e512145f0cc5daccb7bb90dd6d8db", "d44b5ade8f4ca1f18c3711a4a69bcf2a"};
        const CellCanvas canvas;
        for (int picture = 1; picture <= 10; ++picture) {
            const QImage& image = canvas.stockPicture(picture);
            QCOMPARE(image.size(), QSize(36, 36));
            QCOMPARE(image.format(), QImage::Format_RGB888);
            const QByteArrayView bytes(image.constBits(), image.sizeInBytes());
            QCOMPARE(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex(),
                     QByteArray(kDigests[picture - 1]));
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
