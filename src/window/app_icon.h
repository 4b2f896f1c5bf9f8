#pragma once
// The program's icon: a red Z of four bevelled cells on the dark grid of empty cells.

#include <QIcon>

namespace blokka {

// The sizes the icon is drawn at: the small ones of menus and title bars, and the large ones of
// launchers and of screens with two or more device pixels to a point.
inline constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 96, 128, 256};

QIcon makeAppIcon();

}  // namespace blokka
