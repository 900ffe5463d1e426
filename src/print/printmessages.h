#pragma once

#include <QString>

// The words of printing, for the window and the command line.
namespace printerjob {

inline const QString kNoPrinter = QStringLiteral("Nessuna stampante disponibile");
inline const QString kCannotSavePdf = QStringLiteral("Impossibile salvare il file PDF");

// "Stampa non riuscita: " and the print system's reason.
inline QString failure(const QString &reason)
{
    return QStringLiteral("Stampa non riuscita: ") + reason;
}

} // namespace printerjob
