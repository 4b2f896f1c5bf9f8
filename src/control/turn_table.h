// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How each figure turns on the board: for a type, its present orientation and where its anchor
// stands, which cells it leaves, which it takes and how far the anchor moves. The turn test and
// the turn procedures both read this one table.

#include <array>
#include <cstdint>

namespace blokka {

enum class Axis : std::uint8_t { Anywhere, Rows, Columns };

struct TurnRule {
    std::int8_t type;
    std::int8_t from;  // orientation before the turn
    std::int8_t to;    // orientation after it
    Axis axis;         // where the anchor must stand for this rule: rows or columns lo..hi
    std::int8_t lo;
    std::int8_t hi;
    bool refused;
    std::int8_t leftCount;
    std::array<std::int8_t, 3> left;  // offsets from the anchor before the turn
    std::int8_t takenCount;
    std::array<std::int8_t, 3> taken;
    std::int8_t pivotShift;
};

namespace turn_table_detail {
constexpr TurnRule Rule(int type, int from, int to, Axis axis, int lo, int hi,
                        std::array<int, 3> left, int leftCount, std::array<int, 3> taken,
                        int takenCount, int shift) {
    auto i8 = [](int v) { return static_cast<std::int8_t>(v); };
    return {i8(type),
            i8(from),
            i8(to),
            axis,
            i8(lo),
            i8(hi),
            false,
            i8(leftCount),
            {i8(left[0]), i8(left[1]), i8(left[2])},
            i8(takenCount),
            {i8(taken[0]), i8(taken[1]), i8(taken[2])},
            i8(shift)};
}
constexpr TurnRule Refused(int type, int from, int to, Axis axis, int lo, int hi) {
    TurnRule rule = Rule(type, from, to, axis, lo, hi, {}, 0, {}, 0, 0);
    rule.refused = true;
    return rule;
}
constexpr Axis kAny = Axis::Anywhere;
constexpr Axis kRows = Axis::Rows;
constexpr Axis kCols = Axis::Columns;
}  // namespace turn_table_detail

// Rules of one type and orientation are tried from the top; the first whose place matches holds.
inline constexpr auto kTurnTable = [] {
    using namespace turn_table_detail;
    return std::array{
        Rule(1, 0, 1, kRows, 1, 1, {-1, 1, 2}, 3, {10, 20, 30}, 3, 10),
        Rule(1, 0, 1, kRows, 2, 18, {-1, 1, 2}, 3, {-10, 10, 20}, 3, 0),
        Refused(1, 0, 1, kRows, 19, 20),
        Rule(1, 1, 0, kCols, 1, 1, {-10, 10, 20}, 3, {1, 2, 3}, 3, 1),
        Rule(1, 1, 0, kCols, 2, 8, {-10, 10, 20}, 3, {-1, 1, 2}, 3, 0),
        Rule(1, 1, 0, kCols, 9, 9, {-10, 10, 20}, 3, {-2, -1, 1}, 3, -1),
        Rule(1, 1, 0, kCols, 10, 10, {-10, 10, 20}, 3, {-3, -2, -1}, 3, -2),

        Refused(2, 0, 1, kRows, 20, 20),
        Rule(2, 0, 1, kAny, 0, 0, {-11, -1, 1}, 3, {-10, -9, 10}, 3, 0),
        Rule(2, 1, 2, kCols, 1, 1, {-10, -9, 10}, 3, {1, 2, 12}, 3, 1),
        Rule(2, 1, 2, kAny, 0, 0, {-10, -9, 10}, 3, {-1, 1, 11}, 3, 0),
        Rule(2, 2, 3, kAny, 0, 0, {-1, 1, 11}, 3, {-10, 9, 10}, 3, 0),
        Rule(2, 3, 0, kCols, 10, 10, {-10, 9, 10}, 3, {-12, -2, -1}, 3, -1),
        Rule(2, 3, 0, kAny, 0, 0, {-10, 9, 10}, 3, {-11, -1, 1}, 3, 0),

        Refused(3, 0, 1, kRows, 20, 20),
        Rule(3, 0, 1, kAny, 0, 0, {-9, -1, 1}, 3, {-10, 10, 11}, 3, 0),
        Rule(3, 1, 2, kCols, 1, 1, {-10, 11, 0}, 2, {1, 2, 0}, 2, 1),
        Rule(3, 1, 2, kAny, 0, 0, {-10, 11, 10}, 3, {-1, 1, 9}, 3, 0),
        Rule(3, 2, 3, kAny, 0, 0, {-1, 1, 9}, 3, {-11, -10, 10}, 3, 0),
        Rule(3, 3, 0, kCols, 10, 10, {-11, 10, 0}, 2, {-2, -1, 0}, 2, -1),
        Rule(3, 3, 0, kAny, 0, 0, {-11, 10, -10}, 3, {-9, -1, 1}, 3, 0),

        Rule(5, 0, 1, kRows, 1, 1, {1, 0, 0}, 2, {-1, 20, 0}, 2, 10),
        Rule(5, 0, 1, kAny, 0, 0, {1, 9, 0}, 2, {-11, -1, 0}, 2, 0),
        Rule(5, 1, 0, kCols, 10, 10, {-11, 10, 0}, 2, {8, 9, 0}, 2, -1),
        Rule(5, 1, 0, kAny, 0, 0, {-11, -1, 0}, 2, {1, 9, 0}, 2, 0),

        Refused(6, 0, 1, kRows, 20, 20),
        Rule(6, 0, 1, kAny, 0, 0, {-1, 0, 0}, 1, {10, 0, 0}, 1, 0),
        Rule(6, 1, 2, kCols, 1, 1, {-10, 10, 0}, 2, {2, 11, 0}, 2, 1),
        Rule(6, 1, 2, kAny, 0, 0, {-10, 0, 0}, 1, {-1, 0, 0}, 1, 0),
        Rule(6, 2, 3, kAny, 0, 0, {1, 0, 0}, 1, {-10, 0, 0}, 1, 0),
        Rule(6, 3, 0, kCols, 10, 10, {10, -10, 0}, 2, {-11, -2, 0}, 2, -1),
        Rule(6, 3, 0, kAny, 0, 0, {10, 0, 0}, 1, {1, 0, 0}, 1, 0),

        Rule(7, 0, 1, kRows, 1, 1, {11, -1, 0}, 2, {9, 19, 0}, 2, 10),
        Rule(7, 0, 1, kAny, 0, 0, {11, 10, 0}, 2, {-10, 9, 0}, 2, 0),
        Rule(7, 1, 0, kCols, 10, 10, {-10, 0, 0}, 2, {-2, 10, 0}, 2, -1),
        Rule(7, 1, 0, kAny, 0, 0, {-10, 9, 0}, 2, {10, 11, 0}, 2, 0),
    };
}();

// The rule for a figure of `type` in orientation `from` whose anchor stands in (row, column),
// or none when the type does not turn.
constexpr const TurnRule* FindTurnRule(int type, int from, int row, int column) {
    for (const TurnRule& rule : kTurnTable) {
        if (rule.type != type || rule.from != from) continue;
        const int place = rule.axis == Axis::Rows ? row : column;
        if (rule.axis == Axis::Anywhere || (place >= rule.lo && place <= rule.hi)) return &rule;
    }
    return nullptr;
}

}  // namespace blokka
