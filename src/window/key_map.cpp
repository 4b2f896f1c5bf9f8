// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/key_map.h"

#include <array>

namespace blokka {

namespace {

enum class Pad : std::uint8_t { Any, Only, Never };

struct KeyRule {
    int key;
    Pad pad;
    std::int16_t code;
};

// Keys whose Qt code differs from the virtual-key code. Letters and digits share their codes
// (Qt::Key_A is 65, Qt::Key_0 is 48) and are handled before this table.
constexpr std::array kKeyRules = std::to_array<KeyRule>({
    {Qt::Key_Backspace, Pad::Any, 8},
    {Qt::Key_Tab, Pad::Any, 9},
    {Qt::Key_Backtab, Pad::Any, 9},
    {Qt::Key_Clear, Pad::Any, 12},
    {Qt::Key_Return, Pad::Any, 13},
    {Qt::Key_Enter, Pad::Any, 13},
    {Qt::Key_Shift, Pad::Any, 16},
    {Qt::Key_Control, Pad::Any, 17},
    {Qt::Key_Alt, Pad::Any, 18},
    {Qt::Key_AltGr, Pad::Any, 18},
    {Qt::Key_Pause, Pad::Any, 19},
    {Qt::Key_CapsLock, Pad::Any, 20},
    {Qt::Key_Escape, Pad::Any, 27},
    {Qt::Key_Space, Pad::Any, 32},
    {Qt::Key_PageUp, Pad::Any, 33},
    {Qt::Key_PageDown, Pad::Any, 34},
    {Qt::Key_End, Pad::Any, 35},
    {Qt::Key_Home, Pad::Any, 36},
    {Qt::Key_Left, Pad::Any, 37},
    {Qt::Key_Up, Pad::Any, 38},
    {Qt::Key_Right, Pad::Any, 39},
    {Qt::Key_Down, Pad::Any, 40},
    {Qt::Key_Print, Pad::Any, 44},
    {Qt::Key_Insert, Pad::Any, 45},
    {Qt::Key_Delete, Pad::Any, 46},
    {Qt::Key_Meta, Pad::Any, 91},
    {Qt::Key_Menu, Pad::Any, 93},
    {Qt::Key_Asterisk, Pad::Only, 106},
    {Qt::Key_Plus, Pad::Only, 107},
    {Qt::Key_Minus, Pad::Only, 109},
    {Qt::Key_Period, Pad::Only, 110},
    {Qt::Key_Comma, Pad::Only, 110},
    {Qt::Key_Slash, Pad::Only, 111},
    {Qt::Key_NumLock, Pad::Any, 144},
    {Qt::Key_ScrollLock, Pad::Any, 145},
    // The main keyboard's punctuation, shifted or not.
    {Qt::Key_Semicolon, Pad::Never, 186},
    {Qt::Key_Colon, Pad::Never, 186},
    {Qt::Key_Equal, Pad::Never, 187},
    {Qt::Key_Plus, Pad::Never, 187},
    {Qt::Key_Comma, Pad::Never, 188},
    {Qt::Key_Less, Pad::Never, 188},
    {Qt::Key_Minus, Pad::Never, 189},
    {Qt::Key_Underscore, Pad::Never, 189},
    {Qt::Key_Period, Pad::Never, 190},
    {Qt::Key_Greater, Pad::Never, 190},
    {Qt::Key_Slash, Pad::Never, 191},
    {Qt::Key_Question, Pad::Never, 191},
    {Qt::Key_QuoteLeft, Pad::Never, 192},
    {Qt::Key_AsciiTilde, Pad::Never, 192},
    {Qt::Key_BracketLeft, Pad::Never, 219},
    {Qt::Key_BraceLeft, Pad::Never, 219},
    {Qt::Key_Backslash, Pad::Never, 220},
    {Qt::Key_Bar, Pad::Never, 220},
    {Qt::Key_BracketRight, Pad::Never, 221},
    {Qt::Key_BraceRight, Pad::Never, 221},
    {Qt::Key_Apostrophe, Pad::Never, 222},
    {Qt::Key_QuoteDbl, Pad::Never, 222},
    // Shifted digits of the US layout report the symbol; the key is still the digit's.
    {Qt::Key_Exclam, Pad::Never, '1'},
    {Qt::Key_At, Pad::Never, '2'},
    {Qt::Key_NumberSign, Pad::Never, '3'},
    {Qt::Key_Dollar, Pad::Never, '4'},
    {Qt::Key_Percent, Pad::Never, '5'},
    {Qt::Key_AsciiCircum, Pad::Never, '6'},
    {Qt::Key_Ampersand, Pad::Never, '7'},
    {Qt::Key_Asterisk, Pad::Never, '8'},
    {Qt::Key_ParenLeft, Pad::Never, '9'},
    {Qt::Key_ParenRight, Pad::Never, '0'},
});

// The main keyboard's keys by their place: the virtual-key code of each X11 key code (evdev's
// code plus 8) from the digit 1 on, row by row; 0 between the rows, where Backspace, Tab, Return,
// Control and Shift stand. The layout does not change a key's X11 code, so a key gives the code
// of its place as on Windows, whatever the letter on it: in the Russian layout every letter sits
// on the place whose code it gave when it was looked up by its letter, so no table of letters is
// needed for it, nor for any other layout.
constexpr std::uint32_t kFirstPlace = 10;
constexpr std::array<std::int16_t, 52> kPlaces = {
    '1', '2', '3', '4', '5', '6', '7', '8', '9', '0', 189, 187, 0, 0,    // 10 to 23
    'Q', 'W', 'E', 'R', 'T', 'Y', 'U', 'I', 'O', 'P', 219, 221, 0, 0,    // 24 to 37
    'A', 'S', 'D', 'F', 'G', 'H', 'J', 'K', 'L', 186, 222, 192, 0, 220,  // 38 to 51
    'Z', 'X', 'C', 'V', 'B', 'N', 'M', 188, 190, 191,                    // 52 to 61
};

constexpr std::int16_t kFirstFunctionKeyCode = 112;
constexpr std::int16_t kFirstKeypadDigitCode = 96;

}  // namespace

std::int16_t virtualKeyCode(int key, Qt::KeyboardModifiers modifiers, std::uint32_t keyCode) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<std::int16_t>(key);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return static_cast<std::int16_t>(keypad ? key - Qt::Key_0 + kFirstKeypadDigitCode : key);
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return static_cast<std::int16_t>(key - Qt::Key_F1 + kFirstFunctionKeyCode);
    }
    for (const KeyRule& rule : kKeyRules) {
        if (rule.key != key) continue;
        if ((rule.pad == Pad::Only && !keypad) || (rule.pad == Pad::Never && keypad)) continue;
        return rule.code;
    }
    const std::uint32_t place = keyCode - kFirstPlace;  // wraps round below the first place
    return place < kPlaces.size() ? kPlaces.at(place) : std::int16_t{0};
}

}  // namespace blokka
