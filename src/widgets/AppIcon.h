// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own icon: a handheld dual-band radio on a rounded tile, drawn by the
// program at any size. The same drawing is the main window's and the editors' window
// icon at run time and the desktop icon files made when building.
#include <QIcon>
#include <QImage>

namespace kt913 {

// The icon as a square image of `size` pixels (transparent around the tile).
QImage appIconImage(int size);

// The icon at the sizes window frames, task bars and the about window ask for.
QIcon appIcon();

} // namespace kt913
