// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "libraryfilter.h"

#include <QString>
#include <QStringList>

// The command line of `vornak-cli list`: the folder, the form and the library's filters.
struct ListArgs
{
    QString folder; // empty: the current folder
    bool csv = false;
    library::Filter filter;
};

// The arguments after "list" (--ingredients already taken out): what is wrong with them,
// or an empty text with `parsed` filled in.
QString parseListArgs(const QStringList &args, ListArgs &parsed);
