// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/web_menu_bar.h"

#include <string>

#include "control/key_codes.h"
#include "window/web/page_imports.h"

namespace blokka {

namespace {

constexpr int kCount = static_cast<int>(kMenuTree.size());
// How an entry is shown, as bits.
constexpr std::uint8_t kHighlighted = 1;
constexpr std::uint8_t kOpen = 2;
constexpr std::uint8_t kMarked = 4;
constexpr std::int16_t kEnter = 13;
constexpr std::int16_t kFirstFunctionKey = 112;

// The menu each entry belongs to (its index), or -1 for the menus of the bar.
constexpr auto kOwner = [] {
    std::array<int, kMenuTree.size()> owner{};
    std::array<int, 3> last{-1, -1, -1};
    for (int i = 0; i < kCount; ++i) {
        const int depth = kMenuTree[static_cast<std::size_t>(i)].depth;
        owner[static_cast<std::size_t>(i)] = depth == 0 ? -1 : last[depth - 1u];
        last[depth] = i;
    }
    return owner;
}();

// The virtual key of a shortcut as the menu tree writes it: function keys only, "F1" to "F24".
constexpr std::int16_t ShortcutKey(std::string_view text) {
    if (text.size() < 2 || text[0] != 'F') return 0;
    int n = 0;
    for (char c : text.substr(1)) n = c >= '0' && c <= '9' ? n * 10 + (c - '0') : 99;
    return n >= 1 && n <= 24 ? static_cast<std::int16_t>(kFirstFunctionKey + n - 1) : 0;
}

constexpr bool EveryShortcutIsAKey() {
    for (const MenuEntry& e : kMenuTree) {
        if (!e.shortcut.empty() && ShortcutKey(e.shortcut) == 0) return false;
    }
    return true;
}
static_assert(EveryShortcutIsAKey(), "the page knows the function keys as shortcuts only");

const MenuEntry& Entry(int i) { return kMenuTree[static_cast<std::size_t>(i)]; }

// An entry the player can choose or open: not a separator, not greyed.
bool Choosable(int i) { return Entry(i).kind != MenuKind::Separator && Entry(i).enabled; }

// The tree's texts go into the markup as they are.
constexpr bool PlainText(std::string_view text) {
    return text.find_first_of("<>&\"") == std::string_view::npos;
}
constexpr bool EveryTextIsPlain() {
    for (const MenuEntry& e : kMenuTree) {
        if (!PlainText(e.name) || !PlainText(e.caption) || !PlainText(e.shortcut)) return false;
    }
    return true;
}
static_assert(EveryTextIsPlain(), "a menu text that the markup would have to escape");

// The classes of an entry's element, which the page's style sheet draws: a menu of the bar (m),
// an entry of a menu (e) with a mark (c) or greyed (off), a separator (sep); highlighted (on),
// its menu open (open), marked (x).
std::string Classes(int i, std::uint8_t shown) {
    const MenuEntry& e = Entry(i);
    std::string classes = e.kind == MenuKind::Separator ? "sep"
                          : e.depth == 0                ? "m"
                          : !e.enabled                  ? "e off"
                          : e.checkable                 ? "e c"
                                                        : "e";
    if (shown & kHighlighted) classes += " on";
    if (shown & kOpen) classes += " open";
    if (shown & kMarked) classes += " x";
    return classes;
}

// The menu bar's elements: each entry's caption in a span .t, its shortcut or a submenu's arrow
// in a span .s, the entries of a menu in its popup, a div .p.
std::string Markup() {
    std::string html;
    int popups = 0;  // open in the markup so far
    for (int i = 0; i < kCount; ++i) {
        const MenuEntry& e = Entry(i);
        for (; popups > e.depth; --popups) html += "</div></div>";
        html += "<div id=\"" + std::string(e.name) + "\" data-id=\"" + std::to_string(i + 1) +
                "\" class=\"" + Classes(i, e.checkedAtCreation ? kMarked : 0) + "\">";
        if (e.kind == MenuKind::Separator) {
            html += "</div>";
            continue;
        }
        html += "<span class=\"t\">" + std::string(e.caption) + "</span>";
        const bool submenu = e.kind == MenuKind::Menu && e.depth > 0;
        if (submenu || !e.shortcut.empty()) {
            html += "<span class=\"s\">" + std::string(submenu ? "\u25b8" : e.shortcut) + "</span>";
        }
        if (e.kind == MenuKind::Menu) {
            html += "<div class=\"p\">";
            ++popups;
        } else {
            html += "</div>";
        }
    }
    for (; popups > 0; --popups) html += "</div></div>";
    return html;
}

}  // namespace

WebMenuBar::WebMenuBar() {
    const std::string html = Markup();
    page_menus(html.data(), static_cast<int>(html.size()));
    for (int i = 0; i < kCount; ++i) {
        const MenuEntry& e = Entry(i);
        if (e.checkedAtCreation) {
            marks_.at(static_cast<std::size_t>(e.item)) = true;
            shown_[static_cast<std::size_t>(i)] = kMarked;
        }
    }
}

bool WebMenuBar::Checked(MenuItem item) const { return marks_.at(static_cast<std::size_t>(item)); }

void WebMenuBar::SetChecked(MenuItem item, bool checked) {
    marks_.at(static_cast<std::size_t>(item)) = checked;
    Refresh();
}

void WebMenuBar::CloseAll() {
    open_ = {-1, -1};
    highlight_ = {-1, -1};
    Refresh();
}

int WebMenuBar::Level(int entry) const { return Entry(entry).depth - 1; }

void WebMenuBar::CloseSubmenu() {
    open_[1] = -1;
    highlight_[1] = -1;
    Refresh();
}

void WebMenuBar::OpenBarMenu(int entry, bool highlightFirst) {
    open_ = {entry, -1};
    highlight_ = {-1, -1};
    if (highlightFirst) Step(0, 1);
    Refresh();
}

void WebMenuBar::OpenSubmenu(int entry, bool highlightFirst) {
    highlight_[0] = entry;
    open_[1] = entry;
    highlight_[1] = -1;
    if (highlightFirst) Step(1, 1);
    Refresh();
}

void WebMenuBar::Step(int level, int direction) {
    const int menu = open_[static_cast<std::size_t>(level)];
    int& at = highlight_[static_cast<std::size_t>(level)];
    // Round the entries of the open menu from the highlighted one, the first when none is.
    for (int n = 0, i = at < 0 ? (direction > 0 ? menu : kCount) : at; n < kCount; ++n) {
        i += direction;
        if (i <= menu) i = kCount - 1;
        if (i >= kCount) i = menu + 1;
        if (kOwner[static_cast<std::size_t>(i)] == menu && Choosable(i)) {
            at = i;
            break;
        }
    }
    if (level == 0 && open_[1] >= 0 && at != open_[1]) CloseSubmenu();
    Refresh();
}

void WebMenuBar::NextBarMenu(int direction) {
    int i = open_[0];
    do {
        i = (i + direction + kCount) % kCount;
    } while (Entry(i).depth != 0);
    OpenBarMenu(i, true);
}

const MenuEntry* WebMenuBar::Choose(int entry) {
    const MenuEntry& e = Entry(entry);
    if (e.kind == MenuKind::Menu) {
        if (e.depth == 0) OpenBarMenu(entry, true);
        if (e.depth == 1) OpenSubmenu(entry, true);
        return nullptr;
    }
    if (!Choosable(entry)) return nullptr;
    CloseAll();
    return &e;
}

const MenuEntry* WebMenuBar::OnPointer(int id, Pointer deed) {
    const int entry = id - 1;
    if (entry < 0 || entry >= kCount) {
        if (deed == Pointer::Press) CloseAll();
        return nullptr;
    }
    const MenuEntry& e = Entry(entry);
    if (e.depth == 0) {
        if (deed == Pointer::Press) {
            open_[0] == entry ? CloseAll() : OpenBarMenu(entry, false);
        } else if (deed == Pointer::Move && IsOpen() && open_[0] != entry) {
            OpenBarMenu(entry, false);
        }
        return nullptr;
    }
    const int level = Level(entry);
    if (open_[static_cast<std::size_t>(level)] != kOwner[static_cast<std::size_t>(entry)]) {
        return nullptr;  // an entry of a menu that is not open
    }
    if (deed == Pointer::Move) {
        highlight_[static_cast<std::size_t>(level)] = Choosable(entry) ? entry : -1;
        if (level == 0 && e.kind == MenuKind::Menu) {
            OpenSubmenu(entry, false);
        } else if (level == 0) {
            CloseSubmenu();
        }
        Refresh();
        return nullptr;
    }
    if (deed == Pointer::Press && e.kind == MenuKind::Menu) OpenSubmenu(entry, false);
    return deed == Pointer::Release && e.kind == MenuKind::Item ? Choose(entry) : nullptr;
}

const MenuEntry* WebMenuBar::OnKey(std::int16_t code) {
    const int level = open_[1] >= 0 ? 1 : 0;
    const int at = highlight_[static_cast<std::size_t>(level)];
    switch (code) {
        case vk::Down:
            Step(level, 1);
            break;
        case vk::Up:
            Step(level, -1);
            break;
        case vk::Right:
            if (at >= 0 && Entry(at).kind == MenuKind::Menu) return Choose(at);
            NextBarMenu(1);
            break;
        case vk::Left:
            level == 1 ? CloseSubmenu() : NextBarMenu(-1);
            break;
        case kEnter:
        case vk::Space:
            if (at >= 0) return Choose(at);
            break;
        case vk::Escape:
            level == 1 ? CloseSubmenu() : CloseAll();
            break;
        default:
            break;
    }
    return nullptr;
}

const MenuEntry* WebMenuBar::Shortcut(std::int16_t code) {
    for (const MenuEntry& e : kMenuTree) {
        if (!e.shortcut.empty() && ShortcutKey(e.shortcut) == code && e.enabled) {
            CloseAll();
            return &e;
        }
    }
    return nullptr;
}

void WebMenuBar::Refresh() {
    for (int i = 0; i < kCount; ++i) {
        const MenuEntry& e = Entry(i);
        const bool open = i == open_[0] || i == open_[1];
        const bool lit = open || i == highlight_[0] || i == highlight_[1];
        const bool marked = e.checkable && marks_.at(static_cast<std::size_t>(e.item));
        const auto shown = static_cast<std::uint8_t>((lit ? kHighlighted : 0) | (open ? kOpen : 0) |
                                                     (marked ? kMarked : 0));
        if (shown_[static_cast<std::size_t>(i)] == shown) continue;
        shown_[static_cast<std::size_t>(i)] = shown;
        const std::string classes = Classes(i, shown);
        page_menu_classes(i + 1, classes.data(), static_cast<int>(classes.size()));
    }
}

}  // namespace blokka
