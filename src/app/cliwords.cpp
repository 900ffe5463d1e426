// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliwords.h"

#include <QCoreApplication>

namespace cliwords {

QString unknownOption(const QString &option)
{
    return QCoreApplication::translate("Cli", "Opzione sconosciuta: ") + option;
}

QString repeatedOption(const QString &option)
{
    return QCoreApplication::translate("Cli", "Opzione ripetuta: ") + option;
}

QString tooManyArguments(const QStringList &rest)
{
    return QCoreApplication::translate("Cli", "Troppi argomenti: ") + rest.join(u' ');
}

QString wants(const QString &option, const char *what, const QString &value)
{
    QString text =
        option + QCoreApplication::translate("Cli", " vuole ") + QCoreApplication::translate("Cli", what);
    if (!value.isNull())
        text += QCoreApplication::translate("Cli", ", non «%1»").arg(value);
    return text;
}

} // namespace cliwords
