// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the program's own icon as files for the desktop, so that launchers, file managers and
// task bars show the very pictures the window carries.
//
//     render_icons <directory> <name> <size>...    PNG files for an icon theme:
//                                                   <directory>/<size>x<size>/apps/<name>.png
//     render_icons --ico <file> <size>...          one Windows icon file with every size

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QtEndian>
#include <algorithm>
#include <cstdio>
#include <iterator>

#include "window/app_icon.h"

namespace {

// A picture of a Windows icon file: a device-independent bitmap of 32 bits a pixel, bottom row
// first, twice the height to make room for the transparency mask that follows it. The icon is
// opaque, so every bit of that mask stays clear.
QByteArray iconBitmap(const QImage& icon) {
    const QImage image = icon.convertToFormat(QImage::Format_ARGB32).mirrored();
    const int size = image.width();
    const int maskRowBytes = (size + 31) / 32 * 4;
    QByteArray out(40, '\0');
    auto put32 = [&](int at, quint32 value) { qToLittleEndian(value, out.data() + at); };
    put32(0, 40);                                   // the header's size
    put32(4, quint32(size));                        // width
    put32(8, quint32(size * 2));                    // height of the picture and its mask
    qToLittleEndian(quint16(1), out.data() + 12);   // planes
    qToLittleEndian(quint16(32), out.data() + 14);  // bits a pixel
    for (int y = 0; y < size; ++y) {
        // ARGB32 is stored as B, G, R, A in memory on a little-endian machine, as a DIB wants.
        const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
        for (int x = 0; x < size; ++x) {
            char pixel[4];
            qToLittleEndian(row[x], pixel);
            out.append(pixel, 4);
        }
    }
    out.append(QByteArray(maskRowBytes * size, '\0'));
    return out;
}

bool writeIconFile(const QString& file, const QList<int>& sizes) {
    QByteArray head(6 + 16 * sizes.size(), '\0');
    qToLittleEndian(quint16(1), head.data() + 2);  // an icon, not a cursor
    qToLittleEndian(quint16(sizes.size()), head.data() + 4);
    QByteArray pictures;
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        const QByteArray bitmap = iconBitmap(blokka::drawAppIcon(sizes[i]));
        char* entry = head.data() + 6 + 16 * i;
        entry[0] = entry[1] = char(sizes[i] % 256);  // width and height, 0 meaning 256
        qToLittleEndian(quint16(1), entry + 4);      // planes
        qToLittleEndian(quint16(32), entry + 6);     // bits a pixel
        qToLittleEndian(quint32(bitmap.size()), entry + 8);
        qToLittleEndian(quint32(head.size() + pictures.size()), entry + 12);
        pictures += bitmap;
    }
    QFile out(file);
    return out.open(QIODevice::WriteOnly) &&
           out.write(head + pictures) == head.size() + pictures.size();
}

}  // namespace

int main(int argc, char* argv[]) {
    const QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    const bool ico = args.size() > 1 && args[1] == "--ico";
    if (args.size() < 4) {
        std::fprintf(stderr,
                     "usage: render_icons <directory> <name> <size>...\n"
                     "       render_icons --ico <file> <size>...\n");
        return 2;
    }
    QList<int> sizes;
    for (const QString& arg : args.mid(3)) {
        const int size = arg.toInt();
        // The theme's sizes are the ones the icon is designed and tested at.
        if (std::ranges::find(blokka::kThemeIconSizes, size) == std::end(blokka::kThemeIconSizes)) {
            std::fprintf(stderr, "render_icons: the icon is not drawn at %s\n", qPrintable(arg));
            return 1;
        }
        sizes.append(size);
    }
    if (ico) {
        if (writeIconFile(args[2], sizes)) return 0;
        std::fprintf(stderr, "render_icons: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    for (const int size : sizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[1]).arg(size);
        const QString file = folder + '/' + args[2] + ".png";
        if (!QDir().mkpath(folder) || !blokka::drawAppIcon(size).save(file)) {
            std::fprintf(stderr, "render_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
