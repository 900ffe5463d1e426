// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "page.h"

#include <QStringList>

// A page's lines as text, for comparing: "@N " for a move to column N, texts as they are.
inline QString pageLineText(const PageLine &line)
{
    QString text;
    for (const PageItem &item : line.items)
        text += item.column > 0 ? QStringLiteral("@%1 ").arg(item.column) : item.text;
    return text;
}

inline QStringList pageText(const Page &page)
{
    QStringList lines;
    for (const PageLine &line : page.lines)
        lines << pageLineText(line);
    return lines;
}
