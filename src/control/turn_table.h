// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How each figure turns on the board: for a type, its present orientation and where its anchor
// stands, which cells it leaves, which it takes and how far the anchor moves. The turn test and
// the turn procedures both read this one table.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace blokka {

enum class Axis : std::uint8_t { Anywhere, Rows, Columns };

// Up to three cells, as offsets from the anchor; a list holds just the cells it was given.
class Offsets {
public:
    constexpr Offsets(std::initializer_list<int> offsets) : count_(0) {
        for (int offset : offsets) cells_.at(count_++) = static_cast<std::int8_t>(offset);
    }
    constexpr const std::int8_t* begin() const { return cells_.data(); }
    constexpr const std::int8_t* end() const { return cells_.data() + count_; }

private:
    std::array<std::int8_t, 3> cells_{};
    std::size_t count_;
};

struct TurnRule {
    std::int8_t type;
    std::int8_t from;  // orientation before the turn
    std::int8_t to;    // orientation after it
    Axis axis;         // where the anchor must stand for this rule: rows or columns lo..hi
    std::int8_t lo;
    std::int8_t hi;
    bool refused;
    Offsets left;   // the cells the turn empties, from the anchor before the turn
    Offsets taken;  // the cells it fills
    std::int8_t pivotShift;
};

namespace turn_table_detail {
constexpr TurnRule Rule(int type, int from, int to, Axis axis, int lo, int hi, Offsets left,
                        Offsets taken, int shift) {
    auto i8 = [](int v) { return static_cast<std::int8_t>(v); };
    return {i8(type), i8(from), i8(to), axis, i8(lo), i8(hi), false, left, taken, i8(shift)};
}
constexpr TurnRule Refused(int type, int from, int to, Axis axis, int lo, int hi) {
    TurnRule rule = Rule(type, from, to, axis, lo, hi, {}, {}, 0);
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
        Rule(1, 0, 1, kRows, 1, 1, {-1, 1, 2}, {10, 20, 30}, 10),
        Rule(1, 0, 1, kRows, 2, 18, {-1, 1, 2}, {-10, 10, 20}, 0),
        Refused(1, 0, 1, kRows, 19, 20),
        Rule(1, 1, 0, kCols, 1, 1, {-10, 10, 20}, {1, 2, 3}, 1),
        Rule(1, 1, 0, kCols, 2, 8, {-10, 10, 20}, {-1, 1, 2}, 0),
        Rule(1, 1, 0, kCols, 9, 9, {-10, 10, 20}, {-2, -1, 1}, -1),
        Rule(1, 1, 0, kCols, 10, 10, {-10, 10, 20}, {-3, -2, -1}, -2),

        Refused(2, 0, 1, kRows, 20, 20),
        Rule(2, 0, 1, kAny, 0, 0, {-11, -1, 1}, {-10, -9, 10}, 0),
        Rule(2, 1, 2, kCols, 1, 1, {-10, -9, 10}, {1, 2, 12}, 1),
        Rule(2, 1, 2, kAny, 0, 0, {-10, -9, 10}, {-1, 1, 11}, 0),
        Rule(2, 2, 3, kAny, 0, 0, {-1, 1, 11}, {-10, 9, 10}, 0),
        Rule(2, 3, 0, kCols, 10, 10, {-10, 9, 10}, {-12, -2, -1}, -1),
        Rule(2, 3, 0, kAny, 0, 0, {-10, 9, 10}, {-11, -1, 1}, 0),

        Refused(3, 0, 1, kRows, 20, 20),
        Rule(3, 0, 1, kAny, 0, 0, {-9, -1, 1}, {-10, 10, 11}, 0),
        Rule(3, 1, 2, kCols, 1, 1, {-10, 11}, {1, 2}, 1),
        Rule(3, 1, 2, kAny, 0, 0, {-10, 11, 10}, {-1, 1, 9}, 0),
        Rule(3, 2, 3, kAny, 0, 0, {-1, 1, 9}, {-11, -10, 10}, 0),
        Rule(3, 3, 0, kCols, 10, 10, {-11, 10}, {-2, -1}, -1),
        Rule(3, 3, 0, kAny, 0, 0, {-11, 10, -10}, {-9, -1, 1}, 0),

        Rule(5, 0, 1, kRows, 1, 1, {1, 0}, {-1, 20}, 10),
        Rule(5, 0, 1, kAny, 0, 0, {1, 9}, {-11, -1}, 0),
        Rule(5, 1, 0, kCols, 10, 10, {-11, 10}, {8, 9}, -1),
        Rule(5, 1, 0, kAny, 0, 0, {-11, -1}, {1, 9}, 0),

        Refused(6, 0, 1, kRows, 20, 20),
        Rule(6, 0, 1, kAny, 0, 0, {-1}, {10}, 0),
        Rule(6, 1, 2, kCols, 1, 1, {-10, 10}, {2, 11}, 1),
        Rule(6, 1, 2, kAny, 0, 0, {-10}, {-1}, 0),
        Rule(6, 2, 3, kAny, 0, 0, {1}, {-10}, 0),
        Rule(6, 3, 0, kCols, 10, 10, {10, -10}, {-11, -2}, -1),
        Rule(6, 3, 0, kAny, 0, 0, {10}, {1}, 0),

        Rule(7, 0, 1, kRows, 1, 1, {11, -1}, {9, 19}, 10),
        Rule(7, 0, 1, kAny, 0, 0, {11, 10}, {-10, 9}, 0),
        Rule(7, 1, 0, kCols, 10, 10, {-10, 0}, {-2, 10}, -1),
        Rule(7, 1, 0, kAny, 0, 0, {-10, 9}, {10, 11}, 0),
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
