// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What the window remembers between runs, in the user's settings: the recipes opened or
// saved last, and the folder the recipe archive was showing.
namespace remembered {

inline constexpr int kRecentRecipes = 8;

// Newest first, at most kRecentRecipes, each an absolute path; a file since gone stays
// listed until it falls off the end, so the menu can say why it cannot be opened.
QStringList recentRecipes();
// Puts the file first, once.
void noteRecipe(const QString &path);

// The archive's folder as last chosen, or empty before any choice.
QString archiveFolder();
void setArchiveFolder(const QString &folder);

} // namespace remembered
