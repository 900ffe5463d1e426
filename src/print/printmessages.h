// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "translatedtext.h"
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The words of printing, for the window and the command line.
namespace printerjob {

inline const QString &kNoPrinter =
    translatedConstant("Print", QT_TRANSLATE_NOOP("Print", "Nessuna stampante disponibile"));
inline const QString &kNoDefault =
    translatedConstant("Print", QT_TRANSLATE_NOOP("Print", "Nessuna stampante predefinita"));
inline const QString &kCannotSavePdf =
    translatedConstant("Print", QT_TRANSLATE_NOOP("Print", "Impossibile salvare il file PDF"));

// "Stampa non riuscita: " and the print system's reason.
inline QString failure(const QString &reason)
{
    return QCoreApplication::translate("Print", "Stampa non riuscita: ") + reason;
}

// The print server does not answer where it was looked for.
inline QString unreachable(const QString &server)
{
    return QCoreApplication::translate("Print", "Impossibile raggiungere il server di stampa «%1»")
        .arg(server);
}

// vornak-cli without --printer where no queue is the default.
inline QString chooseWithOption(const QStringList &printers)
{
    return kNoDefault +
           QCoreApplication::translate("Print", ": indicarne una con --printer NOME tra queste: ") +
           printers.join(QStringLiteral(", "));
}

// An accepted job on a stopped queue; `why` is the printer's own reason, if it gave one.
inline QString paused(const QString &printer, const QString &why)
{
    return QCoreApplication::translate(
               "Print", "La stampante %1 è in pausa%2: il lavoro resta in coda e sarà stampato quando la "
                        "stampante verrà riattivata")
        .arg(printer, why.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(why));
}

} // namespace printerjob
