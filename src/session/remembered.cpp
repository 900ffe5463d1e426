// SPDX-License-Identifier: GPL-3.0-or-later
#include "remembered.h"

#include "usersettings.h"

#include <QFileInfo>

namespace remembered {
namespace {

const QString kRecentKey = QStringLiteral("recenti/ricette");
const QString kArchiveKey = QStringLiteral("archivio/cartella");

} // namespace

QStringList recentRecipes()
{
    QStringList recent = usersettings::open().value(kRecentKey).toStringList();
    recent.removeAll(QString());
    return recent.mid(0, kRecentRecipes);
}

void noteRecipe(const QString &path)
{
    if (path.isEmpty())
        return;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList recent = recentRecipes();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    usersettings::open().setValue(kRecentKey, recent.mid(0, kRecentRecipes));
}

QString archiveFolder()
{
    return usersettings::open().value(kArchiveKey).toString();
}

void setArchiveFolder(const QString &folder)
{
    usersettings::open().setValue(kArchiveKey, QFileInfo(folder).absoluteFilePath());
}

} // namespace remembered
