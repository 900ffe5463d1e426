// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QStringList>
#include <QWidget>

// The access keys of a window's labels and buttons, lower case, one per control that has
// one ("&&" is an ampersand, not a key).
inline QStringList accessKeys(const QWidget *window)
{
    QStringList keys;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        QString caption;
        if (const auto *label = qobject_cast<const QLabel *>(control))
            caption = label->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(control))
            caption = button->text();
        if (const qsizetype amp = caption.indexOf(u'&');
            amp >= 0 && amp + 1 < caption.size() && caption[amp + 1] != u'&')
            keys.append(caption.mid(amp + 1, 1).toLower());
    }
    return keys;
}
