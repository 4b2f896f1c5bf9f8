// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the page's script does for the window layer, and nothing more: it shows pixels, the
// label and the menus' elements, runs the timer, tells the time of day and takes the game off
// the page. The script hands these functions to the module when it starts it.

#include <cstdint>

#define BLOKKA_PAGE_FUNCTION(name) __attribute__((import_module("page"), import_name(#name)))

extern "C" {

// Puts the rectangle (x, y, w, h) of `frame`, `width` by `height` device pixels of RGBA, on the
// canvas.
BLOKKA_PAGE_FUNCTION(blit)
void page_blit(const std::uint32_t* frame, int width, int height, int x, int y, int w, int h);

// The score label: its text (UTF-8), its colour 0xRRGGBB and its place in the client area.
BLOKKA_PAGE_FUNCTION(label)
void page_label(const char* text, int length, std::uint32_t rgb, int left, int top);

// Ticks every `milliseconds` from now on, counting afresh; 0 stops the ticks.
BLOKKA_PAGE_FUNCTION(timer) void page_timer(int milliseconds);

// The menu bar's elements as markup (UTF-8), each with its id in data-id; and the classes of
// element `id` from now on.
BLOKKA_PAGE_FUNCTION(menus) void page_menus(const char* markup, int length);
BLOKKA_PAGE_FUNCTION(menu_classes) void page_menu_classes(int id, const char* classes, int length);

// Offers the page's icon, `size` by `size` pixels of RGBA.
BLOKKA_PAGE_FUNCTION(icon) void page_icon(const std::uint32_t* rgba, int size);

// Milliseconds since midnight, local time.
BLOKKA_PAGE_FUNCTION(time_of_day) std::int32_t page_time_of_day();

// Takes the game off the page, frees the one-copy lock and closes the tab where the browser lets
// the page do so.
BLOKKA_PAGE_FUNCTION(end) void page_end();

}  // extern "C"

#undef BLOKKA_PAGE_FUNCTION
