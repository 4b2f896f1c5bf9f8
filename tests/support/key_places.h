// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The keys of a desktop keyboard, row by row from the left, each by the name a browser gives its
// place and the virtual-key code Windows gives it, whatever the layout or shift. Every window
// layer's test checks its translation of keys against these rows.

#include <string_view>
#include <vector>

namespace blokka::testing {

struct KeyPlaces {
    std::vector<std::string_view> places;
    std::vector<int> codes;
};

// clang-format off
inline const KeyPlaces kDigitRow = {
    {"Backquote", "Digit1", "Digit2", "Digit3", "Digit4", "Digit5", "Digit6", "Digit7", "Digit8",
     "Digit9", "Digit0", "Minus", "Equal"},
    {192, '1', '2', '3', '4', '5', '6', '7', '8', '9', '0', 189, 187}};
inline const KeyPlaces kTopRow = {
    {"KeyQ", "KeyW", "KeyE", "KeyR", "KeyT", "KeyY", "KeyU", "KeyI", "KeyO", "KeyP",
     "BracketLeft", "BracketRight", "Backslash"},
    {'Q', 'W', 'E', 'R', 'T', 'Y', 'U', 'I', 'O', 'P', 219, 221, 220}};
inline const KeyPlaces kHomeRow = {
    {"KeyA", "KeyS", "KeyD", "KeyF", "KeyG", "KeyH", "KeyJ", "KeyK", "KeyL", "Semicolon", "Quote"},
    {'A', 'S', 'D', 'F', 'G', 'H', 'J', 'K', 'L', 186, 222}};
inline const KeyPlaces kBottomRow = {
    {"KeyZ", "KeyX", "KeyC", "KeyV", "KeyB", "KeyN", "KeyM", "Comma", "Period", "Slash"},
    {'Z', 'X', 'C', 'V', 'B', 'N', 'M', 188, 190, 191}};
inline const KeyPlaces kKeypad = {
    {"Numpad0", "Numpad1", "Numpad2", "Numpad3", "Numpad4", "Numpad5", "Numpad6", "Numpad7",
     "Numpad8", "Numpad9", "NumpadMultiply", "NumpadAdd", "NumpadSubtract", "NumpadDecimal",
     "NumpadComma", "NumpadDivide"},
    {96, 97, 98, 99, 100, 101, 102, 103, 104, 105, 106, 107, 109, 110, 110, 111}};
// Tab twice: with shift it is a key of its own to some desktops.
inline const KeyPlaces kNamedPlaces = {
    {"Backspace", "Tab", "Tab", "NumpadClear", "Enter", "NumpadEnter", "ShiftLeft", "ControlLeft",
     "AltLeft", "AltRight", "Pause", "CapsLock", "Escape", "Space", "PageUp", "PageDown", "End",
     "Home", "ArrowLeft", "ArrowUp", "ArrowRight", "ArrowDown", "PrintScreen", "Insert", "Delete",
     "MetaLeft", "ContextMenu", "NumLock", "ScrollLock", "F1", "F12", "F24"},
    {8, 9, 9, 12, 13, 13, 16, 17, 18, 18, 19, 20, 27, 32, 33, 34, 35, 36, 37, 38, 39, 40, 44, 45,
     46, 91, 93, 144, 145, 112, 123, 135}};
// clang-format on

inline const KeyPlaces* const kKeyboard[] = {&kDigitRow,  &kTopRow, &kHomeRow,
                                             &kBottomRow, &kKeypad, &kNamedPlaces};

}  // namespace blokka::testing
