// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenfit.h"

#include <QScreen>
#include <QWidget>

#include <cmath>

namespace screenfit {

namespace {

const QWidget *ownerOf(const QWidget *window)
{
    return window->parentWidget() ? window->parentWidget()->window() : nullptr;
}

} // namespace

QMargins frameMargins(const QWidget *window)
{
    const QWidget *owner = ownerOf(window);
    const QWidget *framed = window->isVisible() || !owner ? window : owner;
    const QRect frame = framed->frameGeometry();
    const QRect client = framed->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

QRect clientRoom(const QWidget *window)
{
    const QWidget *owner = ownerOf(window);
    const QScreen *screen = owner ? owner->screen() : window->screen();
    if (!screen)
        return {};
    QRect room = screen->availableGeometry().marginsRemoved(frameMargins(window));
    // At a fractional scale (1.5) the work area and the frame are rounded to whole pixels of
    // the window's own: one pixel less keeps the frame inside the work area.
    if (screen->devicePixelRatio() != std::floor(screen->devicePixelRatio()))
        room.adjust(0, 0, -1, -1);
    return room;
}

void placeInRoom(QWidget *window, QSize wanted)
{
    const QRect room = clientRoom(window);
    if (room.isEmpty()) {
        window->resize(wanted.expandedTo(window->minimumSizeHint()));
        return;
    }
    const QSize size = wanted.boundedTo(room.size()).expandedTo(window->minimumSizeHint());
    window->resize(size);
    const QMargins frame = frameMargins(window);
    const QPoint corner(room.left() + qMax(0, (room.width() - size.width()) / 2),
                        room.top() + qMax(0, (room.height() - size.height()) / 2));
    window->move(corner - QPoint(frame.left(), frame.top()));
}

} // namespace screenfit
