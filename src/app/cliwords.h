// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What vornak-cli says of a wrong command line, in the same words for every command.
namespace cliwords {

QString unknownOption(const QString &option);      // "Opzione sconosciuta: --x"
QString repeatedOption(const QString &option);     // "Opzione ripetuta: --x"
QString tooManyArguments(const QStringList &rest); // "Troppi argomenti: a b"
// "--cost vuole WHAT", and ", non «VALUE»" when a value was given; `what` is a text marked
// for translation in the "Cli" context.
QString wants(const QString &option, const char *what, const QString &value = QString());

} // namespace cliwords
