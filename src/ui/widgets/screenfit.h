// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

// Where a window may lie on its screen: inside the work area (the screen less its panels),
// frame included.
namespace screenfit {

// The rectangle the client area of `window` may take in the work area of its owner's
// screen (its own without an owner). A window's own frame is known only once it is shown:
// until then the owner's frame stands in for it.
QRect clientRoom(const QWidget *window);

// The frame around `window`, or its owner's while its own is not known yet.
QMargins frameMargins(const QWidget *window);

// Gives `window` the size it wants, or the room there is (never less than its contents
// need), and puts it in the middle of the work area, its frame inside.
void placeInRoom(QWidget *window, QSize wanted);

} // namespace screenfit
