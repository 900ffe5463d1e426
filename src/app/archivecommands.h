// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ingredientlibrary.h"

#include <QStringList>

#include <functional>

// vornak-cli list and compare: the recipe archive on the command line.
namespace archivecommands {

// Prints the problem and the help; returns the exit status of a wrong command line.
using Usage = std::function<int(const QString &problem)>;

// list [FOLDER] [--csv] [filters]: one line per recipe with the archive window's columns.
int list(const QStringList &args, const personal::Library &ingredients, const Usage &usage);

// compare A B [C D]: the comparison as text.
int compare(const QStringList &args, const personal::Library &ingredients, const Usage &usage);

} // namespace archivecommands
