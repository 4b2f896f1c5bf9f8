// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/web_icon.h"

#include <algorithm>
#include <utility>

#include "view/stock_pictures.h"
#include "window/icon_layout.h"

namespace blokka {

namespace {

// Integer division that rounds towards minus infinity: the grid starts left of the icon.
constexpr int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// The mean colour of the stock picture's pixels that pixel (x, y) of a `cell`-pixel cell covers.
std::uint32_t Reduced(int picture, int cell, int x, int y) {
    const auto span = [&](int i) {
        return std::pair{i * kPictureSize / cell,
                         std::max((i + 1) * kPictureSize / cell, i * kPictureSize / cell + 1)};
    };
    const auto [left, right] = span(x);
    const auto [top, bottom] = span(y);
    std::uint32_t sum[3] = {};
    for (int sy = top; sy < bottom; ++sy) {
        for (int sx = left; sx < right; ++sx) {
            const Rgb rgb = StockPixel(picture, sx, sy);
            sum[0] += rgb >> 16 & 0xffu, sum[1] += rgb >> 8 & 0xffu, sum[2] += rgb & 0xffu;
        }
    }
    const auto n = static_cast<std::uint32_t>((right - left) * (bottom - top));
    return 0xff000000u | (sum[2] + n / 2) / n << 16 | (sum[1] + n / 2) / n << 8 |
           (sum[0] + n / 2) / n;
}

}  // namespace

std::vector<std::uint32_t> DrawWebIcon(int size) {
    const int cell = IconCellEdge(size);
    const int shift = IconShift(size);
    std::vector<std::uint32_t> pixels;
    if (cell < 1) return pixels;
    pixels.reserve(static_cast<std::size_t>(size) * static_cast<std::size_t>(size));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int column = FloorDiv(x - shift, cell), row = y / cell;
            const int picture = IconPicture(column, row);
            pixels.push_back(Reduced(picture, cell, x - shift - column * cell, y - row * cell));
        }
    }
    return pixels;
}

}  // namespace blokka
