// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenfit.h"

#include <QScreen>
#include <QWidget>

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
    return screen ? screen->availableGeometry().marginsRemoved(frameMargins(window)) : QRect();
}

} // namespace screenfit
