// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/web_keys.h"

#include <algorithm>
#include <array>

#include "control/key_codes.h"

namespace blokka {

namespace {

struct Place {
    std::string_view code;
    std::int16_t key;
};

// The places whose code is not a letter, a digit or a function key, and their virtual keys.
constexpr std::array kPlaces = std::to_array<Place>({
    {"Backspace", 8},       {"Tab", 9},
    {"NumpadClear", 12},    {"Enter", 13},
    {"NumpadEnter", 13},    {"ShiftLeft", 16},
    {"ShiftRight", 16},     {"ControlLeft", 17},
    {"ControlRight", 17},   {"AltLeft", 18},
    {"AltRight", 18},       {"Pause", 19},
    {"CapsLock", 20},       {"Escape", 27},
    {"Space", 32},          {"PageUp", 33},
    {"PageDown", 34},       {"End", 35},
    {"Home", 36},           {"ArrowLeft", 37},
    {"ArrowUp", 38},        {"ArrowRight", 39},
    {"ArrowDown", 40},      {"PrintScreen", 44},
    {"Insert", 45},         {"Delete", 46},
    {"MetaLeft", 91},       {"MetaRight", 92},
    {"ContextMenu", 93},    {"NumpadMultiply", 106},
    {"NumpadAdd", 107},     {"NumpadSubtract", 109},
    {"NumpadDecimal", 110}, {"NumpadComma", 110},
    {"NumpadDivide", 111},  {"NumLock", 144},
    {"ScrollLock", 145},    {"Semicolon", 186},
    {"Equal", 187},         {"Comma", 188},
    {"Minus", 189},         {"Period", 190},
    {"Slash", 191},         {"Backquote", 192},
    {"BracketLeft", 219},   {"Backslash", 220},
    {"BracketRight", 221},  {"Quote", 222},
    {"IntlBackslash", 226},
});

// Key codes some browsers give keys of the main keyboard that Windows numbers otherwise.
constexpr std::array kForeignCodes = {59, 61, 173, 224};

constexpr std::int16_t kFirstFunctionKeyCode = 112;
constexpr std::int16_t kFirstKeypadDigitCode = 96;
constexpr int kLastVirtualKey = 254;

// The digits after `prefix` in `code` as a number, or -1.
int NumberAfter(std::string_view code, std::string_view prefix) {
    if (!code.starts_with(prefix) || code.size() == prefix.size()) return -1;
    int n = 0;
    for (char c : code.substr(prefix.size())) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

std::int16_t KeyOfPlace(std::string_view code) {
    if (code.size() == 4 && code.starts_with("Key") && code[3] >= 'A' && code[3] <= 'Z') {
        return static_cast<std::int16_t>(code[3]);
    }
    if (const int digit = NumberAfter(code, "Digit"); digit >= 0 && digit <= 9) {
        return static_cast<std::int16_t>('0' + digit);
    }
    if (const int digit = NumberAfter(code, "Numpad"); digit >= 0 && digit <= 9) {
        return static_cast<std::int16_t>(kFirstKeypadDigitCode + digit);
    }
    if (const int f = NumberAfter(code, "F"); f >= 1 && f <= 24) {
        return static_cast<std::int16_t>(kFirstFunctionKeyCode + f - 1);
    }
    const auto place = std::find_if(kPlaces.begin(), kPlaces.end(),
                                    [&](const Place& p) { return p.code == code; });
    return place == kPlaces.end() ? 0 : place->key;
}

}  // namespace

std::int16_t VirtualKeyCode(int keyCode, std::string_view code) {
    const bool foreign =
        std::find(kForeignCodes.begin(), kForeignCodes.end(), keyCode) != kForeignCodes.end();
    if (keyCode <= 0 || keyCode > kLastVirtualKey || foreign) {
        const std::int16_t place = KeyOfPlace(code);
        if (place != 0 || keyCode <= 0 || keyCode > kLastVirtualKey) return place;
    }
    return static_cast<std::int16_t>(keyCode);
}

bool BrowserActsOn(std::int16_t code) {
    switch (code) {
        case vk::Left:
        case vk::Up:
        case vk::Right:
        case vk::Down:
        case vk::Space:
        case vk::PageUp:
        case vk::PageDown:
        case vk::F2:
        case vk::Escape:
        case vk::Pause:
            return true;
        default:
            return false;
    }
}

}  // namespace blokka
