#pragma once
// Random real input for the fault tests: keys from the whole keyboard, pointer moves and clicks.

#include <random>

#include "blokka_driver.h"

namespace blokka::e2e {

// Keys from every part of the keyboard. F1..F12 alone end nothing on a private X server, and
// Escape pauses as the game starts; no storm chooses another Escape action.
inline constexpr std::array kStormKeys = {
    "a",         "b",         "c",           "d",           "e",         "f",        "g",
    "h",         "i",         "j",           "k",           "l",         "m",        "n",
    "o",         "p",         "q",           "r",           "s",         "t",        "u",
    "v",         "w",         "x",           "y",           "z",         "0",        "1",
    "2",         "3",         "4",           "5",           "6",         "7",        "8",
    "9",         "F1",        "F2",          "F3",          "F4",        "F5",       "F6",
    "F7",        "F8",        "F9",          "F10",         "F11",       "F12",      "Left",
    "Right",     "Up",        "Down",        "Escape",      "space",     "Return",   "Tab",
    "BackSpace", "Prior",     "Next",        "Home",        "End",       "Insert",   "Delete",
    "Pause",     "minus",     "plus",        "equal",       "comma",     "period",   "slash",
    "Shift_L",   "Control_L", "Alt_L",       "Super_L",     "Menu",      "KP_0",     "KP_5",
    "KP_8",      "KP_Add",    "KP_Subtract", "KP_Multiply", "KP_Divide", "KP_Enter", "KP_Decimal",
    "Caps_Lock", "Num_Lock",
};

inline int Pick(std::mt19937& random, int below) {
    return std::uniform_int_distribution(0, below - 1)(random);
}

// One xdotool command line of `events` random events: two in three a key, the rest a pointer
// move to `somewhere()`, half of those with a click of button 1, 2 or 3.
template <typename Where>
Strings StormBatch(std::mt19937& random, int events, Where somewhere) {
    Strings batch;
    for (int i = 0; i < events; ++i) {
        if (Pick(random, 3) > 0) {
            const char* key = kStormKeys[size_t(Pick(random, int(kStormKeys.size())))];
            batch.insert(batch.end(), {"key", "--delay", "1", key});
            continue;
        }
        const Point p = somewhere();
        batch.insert(batch.end(), {"mousemove", std::to_string(p.x), std::to_string(p.y)});
        if (Pick(random, 2) == 0)
            batch.insert(batch.end(), {"click", std::to_string(1 + Pick(random, 3))});
    }
    return batch;
}

}  // namespace blokka::e2e
