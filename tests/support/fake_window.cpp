#include "fake_window.h"

#include "settings/menu_tree.h"

namespace blokka::testing {

FakeWindow::FakeWindow() {
    visible[1] = true;
    for (const MenuEntry& e : kMenuTree) marks.at(static_cast<int>(e.item)) = e.checkedAtCreation;
}

void FakeWindow::SetChecked(MenuItem item, bool checked) {
    marks.at(static_cast<int>(item)) = checked;
    Log((checked ? "check " : "clear ") + std::string(FindMenuEntry(item)->name));
}

}  // namespace blokka::testing
