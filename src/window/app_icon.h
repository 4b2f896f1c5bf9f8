#pragma once
// The program's icon: a red Z of four bevelled cells on the dark grid of empty cells.

#include <QIcon>

namespace blokka {

inline constexpr int kIconSizes[] = {16, 24, 32, 48};

QIcon makeAppIcon();

}  // namespace blokka
