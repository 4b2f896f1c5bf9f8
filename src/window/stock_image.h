// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The stock pictures as Qt images.

#include <QImage>

namespace blokka {

// ConstImg(index), 1..10, as a 36 by 36 image in 24-bit colour.
QImage stockImage(int index);

}  // namespace blokka
