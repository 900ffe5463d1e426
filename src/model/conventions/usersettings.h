// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>

// The user's settings, one file for every part that remembers something between runs:
// the language, the recent recipes, the archive's folder.
namespace usersettings {

QSettings open();

} // namespace usersettings
