// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/web_window_layer.h"

#include <algorithm>
#include <cmath>

#include "window/web/page_imports.h"

namespace blokka {

namespace {

// Where Img(1) sits in the window's design: the top left board cell at the start-up size.
constexpr CellBounds kFirstCellDesign{5, 5, 18, 18};
constexpr std::uint32_t kBackground = 0xff808080;  // grey, as RGBA in memory
// Beyond this many device pixels a pixel the frame only costs memory.
constexpr double kLargestRatio = 4;
// More changed areas than this are brought onto the canvas as the one area around them all.
constexpr std::size_t kMostAreas = 8;

constexpr std::uint32_t Rgba(Rgb rgb) {
    return 0xff000000u | (rgb & 0xffu) << 16 | (rgb & 0xff00u) | (rgb >> 16 & 0xffu);
}

// The pixel of the stock picture that device pixel i of `size` along an edge shows, as Qt's
// raster engine picks it for an image scaled without smoothing, which is what the desktop shows:
// the one under the pixel's centre, mapped back into the picture; a centre on the border of two
// takes the first, as Qt moves every point by 1/65536 before it maps it. (Qt maps in 16.16 fixed
// point, which comes to the same for every edge up to 336 device pixels.)
constexpr int SourcePixel(int i, int size) {
    return ((2 * i + 1) * kPictureSize + 2 * size - 1) / (2 * size) - 1;
}

}  // namespace

WebWindowLayer::WebWindowLayer(Lock lock, const Screen& screen) : lock_(lock) {
    Cell& first = cells_[1];
    first.created = true;
    first.visible = true;
    first.bounds = kFirstCellDesign;
    SetScreen(screen);
    page_timer(interval_);
}

void WebWindowLayer::SetScreen(const Screen& screen) {
    ratio_ = std::clamp(screen.ratio, 1.0 / kLargestRatio, kLargestRatio);
    // The canvas's device pixels as the browser counts them, so that each is a pixel of the
    // frame, where they fit the ratio (under emulation they need not); else the client area at
    // the ratio, rounded.
    const auto edge = [&](int counted, double client) {
        const double exact = std::max(client, 1.0) * ratio_;
        return std::abs(counted - exact) < 1 ? counted : static_cast<int>(std::lround(exact));
    };
    width_ = edge(screen.deviceWidth, screen.width);
    height_ = edge(screen.deviceHeight, screen.height);
    frame_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
                  kBackground);
    scaled_.clear();
    damage_ = {{0, 0, width_, height_}};
}

WebWindowLayer::Area WebWindowLayer::DeviceArea(const CellBounds& b) const {
    // Both edges are rounded, so that neighbouring cells meet at every ratio.
    const auto device = [&](int at) { return static_cast<int>(std::lround(at * ratio_)); };
    return {device(b.left), device(b.top), device(b.left + b.width), device(b.top + b.height)};
}

int WebWindowLayer::CellAt(double x, double y) const {
    const int px = static_cast<int>(std::lround(x)), py = static_cast<int>(std::lround(y));
    for (int k = kDisplayCells; k >= 1; --k) {
        const Cell& c = cells_[static_cast<std::size_t>(k)];
        const CellBounds& b = c.bounds;
        if (c.created && c.visible && px >= b.left && px < b.left + b.width && py >= b.top &&
            py < b.top + b.height) {
            return k;
        }
    }
    return 0;
}

void WebWindowLayer::Damage(const Cell& cell) {
    if (cell.created) damage_.push_back(DeviceArea(cell.bounds));
}

const WebWindowLayer::Pixels& WebWindowLayer::Scaled(int picture, int width, int height) {
    Pixels& pixels = scaled_[{width, height}].at(static_cast<std::size_t>(picture));
    if (pixels.empty()) {
        const Picture source = MakeStockPicture(picture);
        pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const int at = SourcePixel(y, height) * kPictureSize + SourcePixel(x, width);
                pixels.push_back(Rgba(source[static_cast<std::size_t>(at)]));
            }
        }
    }
    return pixels;
}

void WebWindowLayer::Paint(const Area& area) {
    const Area a{std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, width_),
                 std::min(area.bottom, height_)};
    if (a.left >= a.right || a.top >= a.bottom) return;
    const auto row = [&](int y) {
        return frame_.begin() + static_cast<std::ptrdiff_t>(y) * width_;
    };
    for (int y = a.top; y < a.bottom; ++y)
        std::fill(row(y) + a.left, row(y) + a.right, kBackground);
    for (int k = 1; k <= kDisplayCells; ++k) {
        const Cell& c = cells_[static_cast<std::size_t>(k)];
        if (!c.created || !c.visible || c.picture < 1 || c.picture > kStockPictures) continue;
        const Area d = DeviceArea(c.bounds);
        const int w = d.right - d.left, h = d.bottom - d.top;
        const int left = std::max(d.left, a.left), right = std::min(d.right, a.right);
        const int top = std::max(d.top, a.top), bottom = std::min(d.bottom, a.bottom);
        if (w <= 0 || h <= 0 || left >= right || top >= bottom) continue;
        const Pixels& pixels = Scaled(c.picture, w, h);
        for (int y = top; y < bottom; ++y) {
            const auto from = pixels.begin() + static_cast<std::ptrdiff_t>(y - d.top) * w;
            std::copy(from + (left - d.left), from + (right - d.left), row(y) + left);
        }
    }
    page_blit(frame_.data(), width_, height_, a.left, a.top, a.right - a.left, a.bottom - a.top);
}

void WebWindowLayer::Flush() {
    if (damage_.size() > kMostAreas) {
        Area all = damage_.front();
        for (const Area& d : damage_) {
            all = {std::min(all.left, d.left), std::min(all.top, d.top),
                   std::max(all.right, d.right), std::max(all.bottom, d.bottom)};
        }
        damage_ = {all};
    }
    for (const Area& area : damage_) Paint(area);
    damage_.clear();
}

void WebWindowLayer::CreateCell(int k) {
    Cell& cell = cells_.at(static_cast<std::size_t>(k));
    cell = cells_[1];
    cell.visible = false;
}

void WebWindowLayer::SetCellPicture(int k, int picture) {
    Cell& cell = cells_.at(static_cast<std::size_t>(k));
    if (cell.picture == picture) return;
    cell.picture = picture;
    Damage(cell);
}

void WebWindowLayer::SetCellVisible(int k, bool visible) {
    Cell& cell = cells_.at(static_cast<std::size_t>(k));
    if (cell.visible == visible) return;
    cell.visible = visible;
    Damage(cell);
}

void WebWindowLayer::SetCellBounds(int k, CellBounds bounds) {
    Cell& cell = cells_.at(static_cast<std::size_t>(k));
    if (cell.bounds == bounds) return;
    Damage(cell);
    cell.bounds = bounds;
    Damage(cell);
}

CellBounds WebWindowLayer::GetCellBounds(int k) const {
    return cells_.at(static_cast<std::size_t>(k)).bounds;
}

void WebWindowLayer::SetLabelCaption(std::string_view utf8) {
    caption_ = utf8;
    ShowLabel();
}

void WebWindowLayer::SetLabelColor(std::uint32_t rgb) {
    labelColor_ = rgb & 0xffffffu;
    ShowLabel();
}

void WebWindowLayer::SetLabelPosition(int left, int top) {
    labelLeft_ = left;
    labelTop_ = top;
    ShowLabel();
}

void WebWindowLayer::ShowLabel() const {
    page_label(caption_.data(), static_cast<int>(caption_.size()), labelColor_, labelLeft_,
               labelTop_);
}

void WebWindowLayer::SetTimerEnabled(bool enabled) {
    if (!enabled) {
        timerOn_ = false;
        page_timer(0);
    } else if (!timerOn_ && !ended_) {
        timerOn_ = true;
        page_timer(interval_);
    }
}

void WebWindowLayer::SetTimerInterval(std::int32_t milliseconds) {
    interval_ = milliseconds;
    // As a desktop timer does, a running timer counts the new interval afresh.
    if (timerOn_) page_timer(interval_);
}

void WebWindowLayer::Close() {
    if (!ended_ && game_ != nullptr) game_->Form_Unload();
    // Closing ends the program whatever the game did on unload.
    End();
}

void WebWindowLayer::End() {
    if (ended_) return;
    ended_ = true;
    timerOn_ = false;
    page_timer(0);
    page_end();
}

float WebWindowLayer::SecondsSinceMidnight() const { return SecondsOfDay(page_time_of_day()); }

}  // namespace blokka
