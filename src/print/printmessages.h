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

// The server took the connection but gave no answer within the time limit.
inline QString notAnswering(const QString &server, int seconds)
{
    return QCoreApplication::translate("printerjob",
                                       "Il server di stampa «%1» non risponde (nessuna risposta "
                                       "in %2 secondi)")
        .arg(server)
        .arg(seconds);
}

// The server fell silent once it had the whole job: it may print it all the same.
inline QString jobMayHaveArrived(const QString &problem)
{
    return problem + QCoreApplication::translate("printerjob",
                                                 ": la stampa potrebbe essere arrivata comunque, controllare "
                                                 "la coda della stampante prima di stampare di nuovo");
}

// The server answered with an HTTP error: reached, but it will not serve; each status
// with its own reason.
inline QString refusedByServer(const QString &server, int status)
{
    const char *reason = status == 401   ? QT_TRANSLATE_NOOP("printerjob", "chiede una password")
                         : status == 403 ? QT_TRANSLATE_NOOP("printerjob", "non permette di stampare da qui")
                         : status == 404
                             ? QT_TRANSLATE_NOOP("printerjob", "non ha il servizio di stampa cercato")
                         : status == 426 ? QT_TRANSLATE_NOOP("printerjob", "chiede una connessione cifrata")
                         : status == 503 ? QT_TRANSLATE_NOOP("printerjob", "non è disponibile al momento")
                         : status >= 500 ? QT_TRANSLATE_NOOP("printerjob", "ha un errore interno")
                         : status < 400  ? QT_TRANSLATE_NOOP("printerjob", "rimanda a un altro indirizzo")
                                         : QT_TRANSLATE_NOOP("printerjob", "rifiuta la richiesta");
    return QCoreApplication::translate("printerjob", "Il server di stampa «%1» %2 (HTTP %3)")
        .arg(server, QCoreApplication::translate("printerjob", reason))
        .arg(status);
}

// Something answers there, but not as a print server does.
inline QString strangeAnswer(const QString &server)
{
    return QCoreApplication::translate("printerjob",
                                       "Il server di stampa «%1» non risponde come un server di stampa")
        .arg(server);
}

// LPDEST or PRINTER names a queue the server does not have.
inline QString missingDefault(const QString &printer, const QString &variable)
{
    return QCoreApplication::translate("printerjob",
                                       "La stampante predefinita «%1», indicata da %2, non esiste sul server")
        .arg(printer, variable);
}

// A printer (or instance) the server does not have.
inline QString unknownPrinter(const QString &printer)
{
    return QCoreApplication::translate("printerjob", "La stampante «%1» non esiste").arg(printer);
}

// vornak-cli: the queues to choose from with --printer.
inline QString choices(const QStringList &printers)
{
    return QCoreApplication::translate("printerjob", ": indicarne una con --printer NOME tra queste: ") +
           printers.join(QStringLiteral(", "));
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
