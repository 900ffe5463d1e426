// SPDX-License-Identifier: GPL-3.0-or-later
#include "usersettings.h"

namespace usersettings {

QSettings open()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("vornak"),
                     QStringLiteral("vornak"));
}

} // namespace usersettings
