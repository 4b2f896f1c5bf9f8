// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The ten stock pictures, 36 by 36 pixels each: seven bevelled blocks (colours 1..7) and the
// empty-cell pictures of the three background modes (8, 9, 10). Built from these tables when the
// window starts, so no image file ships with the program.

#include <array>
#include <cstdint>

namespace blokka {

inline constexpr int kPictureSize = 36;
inline constexpr int kStockPictures = 10;
inline constexpr int kFlatPicture = 8;   // background mode 1
inline constexpr int kLightPicture = 9;  // background mode 2
inline constexpr int kDarkPicture = 10;  // background mode 3

using Rgb = std::uint32_t;                                     // 0xRRGGBB
using Picture = std::array<Rgb, kPictureSize * kPictureSize>;  // row by row from the top left

// Colours of a block's regions. Zero marks a region a block does not set apart.
struct BlockColors {
    Rgb face, lightBand, darkBand, seam, topLine, rightColumn, leftColumn, bottomRow, corner;
};

// Indexed by colour 1..7; entry 0 is unused.
inline constexpr std::array<BlockColors, 8> kBlockColors = {{
    {},
    {0xe70000, 0xe75d5a, 0xbd0000, 0xd63031, 0xe75152, 0xe70c08, 0, 0, 0},  // red
    {0xe75d00, 0xe78a29, 0xbd5d00, 0xd67518, 0xe78629, 0xe76100, 0, 0, 0},  // orange
    {0xe7e700, 0xe7e78c, 0xe7ba00, 0xe7d34a, 0xe7e77b, 0xe7e710,            // yellow
     0xe7be00, 0xe7e300, 0xe7e310},
    {0x00e700, 0x5ae75a, 0x00ba00, 0x31d331, 0x52e752, 0x08e708,  // green
     0x00be00, 0x00e300, 0x08e308},
    {0x5abae7, 0x8ce7e7, 0x298abd, 0x63bed6, 0x84e3e7, 0x63bee7,  // light blue
     0x318ebd, 0x52b2e7, 0x5abae7},
    {0x0000e7, 0x5a5de7, 0x0000bd, 0x3130d6, 0x5251e7, 0x080ce7, 0, 0, 0},  // blue
    {0xbd00e7, 0xbd5de7, 0x8c00bd, 0xa530d6, 0xbd51e7, 0xbd0ce7, 0,         // violet
     0xb500e7, 0xb50ce7},
}};

// The colour of pixel (x, y) of block `colour` (1..7).
constexpr Rgb BlockPixel(int colour, int x, int y) {
    const BlockColors& c = kBlockColors[static_cast<std::size_t>(colour)];
    const bool edgeRows = y <= 3 || y >= 32;
    if (edgeRows && x == y) return c.seam;
    if (y == 3 && x >= 4 && x <= 31) return c.topLine;
    if (edgeRows) return x > y ? c.lightBand : c.darkBand;
    // 4 <= y <= 31 from here on.
    if (x >= 32) return c.lightBand;
    if (x == 3 && c.leftColumn != 0) return c.leftColumn;
    if (x <= 3) return c.darkBand;
    if (x == 31) return (y == 31 && c.corner != 0) ? c.corner : c.rightColumn;
    if (y == 31 && c.bottomRow != 0) return c.bottomRow;
    return c.face;
}

// The colour of pixel (x, y) of stock picture `index` (1..10).
constexpr Rgb StockPixel(int index, int x, int y) {
    const int last = kPictureSize - 1;
    switch (index) {
        case kFlatPicture:
            return 0xc6c3c6;
        case kLightPicture:
            return (x <= 1 || y <= 1 || x >= last - 1 || y >= last - 1) ? 0xceefff : 0xe7ffff;
        case kDarkPicture:
            return (x == 0 || y == 0 || x == last || y == last) ? 0x393c39 : 0x313431;
        default:
            return BlockPixel(index, x, y);
    }
}

constexpr Picture MakeStockPicture(int index) {
    Picture picture{};
    for (int y = 0; y < kPictureSize; ++y) {
        for (int x = 0; x < kPictureSize; ++x) {
            picture[static_cast<std::size_t>(y * kPictureSize + x)] = StockPixel(index, x, y);
        }
    }
    return picture;
}

}  // namespace blokka
