// SPDX-License-Identifier: GPL-3.0-or-later
#include "librarytexts.h"

#include "balancetexts.h"
#include "numbers.h"
#include "usertext.h"

#include <QCoreApplication>

namespace library {

QString balanceText(const Entry &entry)
{
    if (!entry.calculationRefusal.isEmpty())
        return QCoreApplication::translate("Archivio", "Calcola rifiuta: %1")
            .arg(oneLine(entry.calculationRefusal));
    if (!entry.calculated())
        return QString();
    // Only the shares out of range, as the status bar names them; "nel range" when none is.
    QStringList words;
    for (size_t k = 0; k < entry.verdicts.size(); ++k)
        if (entry.verdicts[k] != balance::Verdict::InRange)
            words.append(balance::nutrientName(balance::kNutrients[k]) + QLatin1Char(' ') +
                         balance::verdictText(entry.verdicts[k]));
    if (words.isEmpty())
        return balance::verdictText(balance::Verdict::InRange);
    return words.join(QStringLiteral(" · "));
}

QString costText(const Entry &entry)
{
    if (!entry.calculated())
        return QString();
    if (entry.cost.tooLarge)
        return kCostTooLarge;
    if (!entry.cost.missingPrice.isEmpty())
        return missingPriceText(entry.cost.missingPrice);
    return numbers::twoDecimals(entry.cost.perKg) + QStringLiteral(" €/kg");
}

QString dateText(const QDateTime &when)
{
    return when.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm"));
}

QString oneLine(const QString &message)
{
    return usertext::printable(QString(message).replace(QLatin1Char('\n'), QStringLiteral(" — ")));
}

} // namespace library
