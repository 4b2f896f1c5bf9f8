// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The page's icon, drawn when the page starts rather than shipped as a file: the drawing comes
// from the icon's one layout and the stock pictures' tables, so that it cannot drift from the
// desktop's, and the single-file page needs no second copy of it.

#include <cstdint>
#include <vector>

namespace blokka {

// The icon, `size` by `size` pixels of RGBA, row by row. Each cell is its stock picture reduced
// by averaging, as the desktop's smooth reduction does.
std::vector<std::uint32_t> DrawWebIcon(int size);

}  // namespace blokka
