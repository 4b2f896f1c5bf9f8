// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "key_places.h"
#include "window/web/web_keys.h"

namespace blokka::testing {
namespace {

// Chromium's keyCode is the code itself, for every layout; a browser that gives none, or one of
// Firefox's own numbers for ; = - and Meta, is read by the key's place.
TEST(WebKeys, EachPlaceGivesItsCodeWhetherTheBrowserNumbersItLikeWindowsOtherwiseOrNotAtAll) {
    for (const KeyPlaces* row : kKeyboard) {
        for (std::size_t i = 0; i < row->places.size(); ++i) {
            const std::string_view place = row->places[i];
            EXPECT_EQ(VirtualKeyCode(row->codes[i], place), row->codes[i]) << place;
            EXPECT_EQ(VirtualKeyCode(0, place), row->codes[i]) << place;
        }
    }
    const std::pair<int, std::string_view> firefox[] = {
        {59, "Semicolon"}, {61, "Equal"}, {173, "Minus"}, {224, "MetaLeft"}};
    for (const auto& [keyCode, place] : firefox) {
        EXPECT_EQ(VirtualKeyCode(keyCode, place), VirtualKeyCode(0, place)) << place;
    }
    EXPECT_EQ(VirtualKeyCode(173, "AudioVolumeMute"), 173);  // Windows' own mute key
    EXPECT_EQ(VirtualKeyCode(0, "Fn"), 0);
}

}  // namespace
}  // namespace blokka::testing
