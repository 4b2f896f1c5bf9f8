// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/web_menu_bar.h"

#include "control/key_codes.h"
#include "window/web/page_imports.h"

namespace blokka {

namespace {

constexpr int kCount = static_cast<int>(kMenuTree.size());
constexpr int kHighlighted = 1;
constexpr int kOpen = 2;
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

int Kind(const MenuEntry& e) {
    switch (e.kind) {
        case MenuKind::Menu:
            return e.depth == 0 ? kBarMenu : kSubmenu;
        case MenuKind::Separator:
            return kSeparator;
        case MenuKind::Item:
            return !e.enabled ? kGreyedItem : e.checkable ? kCheckItem : kPlainItem;
    }
    return kSeparator;
}

}  // namespace

WebMenuBar::WebMenuBar() {
    for (int i = 0; i < kCount; ++i) {
        const MenuEntry& e = Entry(i);
        page_menu(i + 1, kOwner[static_cast<std::size_t>(i)] + 1, Kind(e), e.name.data(),
                  static_cast<int>(e.name.size()), e.caption.data(),
                  static_cast<int>(e.caption.size()), e.shortcut.data(),
                  static_cast<int>(e.shortcut.size()));
        if (e.checkedAtCreation) SetChecked(e.item, true);
    }
}

bool WebMenuBar::Checked(MenuItem item) const { return marks_.at(static_cast<std::size_t>(item)); }

void WebMenuBar::SetChecked(MenuItem item, bool checked) {
    marks_.at(static_cast<std::size_t>(item)) = checked;
    for (int i = 0; i < kCount; ++i) {
        if (Entry(i).item == item && Entry(i).checkable) page_menu_mark(i + 1, checked ? 1 : 0);
    }
}

void WebMenuBar::CloseAll() {
    open_ = {-1, -1};
    highlight_ = {-1, -1};
    Refresh();
}

int WebMenuBar::Level(int entry) const { return Entry(entry).depth - 1; }

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
    if (level == 0 && open_[1] >= 0 && at != open_[1]) open_[1] = -1, highlight_[1] = -1;
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
            open_[1] = -1, highlight_[1] = -1;
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
            if (level == 1) {
                open_[1] = -1, highlight_[1] = -1;
                Refresh();
            } else {
                NextBarMenu(-1);
            }
            break;
        case kEnter:
        case vk::Space:
            if (at >= 0) return Choose(at);
            break;
        case vk::Escape:
            if (level == 1) {
                open_[1] = -1, highlight_[1] = -1;
                Refresh();
            } else {
                CloseAll();
            }
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
        const bool open = i == open_[0] || i == open_[1];
        const bool lit = open || i == highlight_[0] || i == highlight_[1];
        const auto state = static_cast<std::uint8_t>((lit ? kHighlighted : 0) | (open ? kOpen : 0));
        if (shown_[static_cast<std::size_t>(i)] == state) continue;
        shown_[static_cast<std::size_t>(i)] = state;
        page_menu_state(i + 1, state);
    }
}

}  // namespace blokka
