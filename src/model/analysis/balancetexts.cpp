// SPDX-License-Identifier: GPL-3.0-or-later
#include "balancetexts.h"

#include "catalogue.h"
#include "numbers.h"

#include <QCoreApplication>

namespace balance {

QString nutrientName(Nutrient nutrient)
{
    switch (nutrient) {
    case Nutrient::Protein:
        return QCoreApplication::translate("Balance", "Proteine");
    case Nutrient::Carbo:
        return QCoreApplication::translate("Balance", "Carboidrati");
    case Nutrient::Fat:
        break;
    }
    return QCoreApplication::translate("Balance", "Grassi");
}

QString rangeText(Range range)
{
    return QStringLiteral("%1-%2%").arg(range.low).arg(range.high);
}

QString verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::InRange:
        return QCoreApplication::translate("Balance", "nel range");
    case Verdict::Below:
        return QCoreApplication::translate("Balance", "sotto");
    case Verdict::Above:
        break;
    }
    return QCoreApplication::translate("Balance", "sopra");
}

QString verdictLine(const Assessment &a)
{
    return nutrientName(a.nutrient) + u' ' + a.share + u' ' + verdictText(a.verdict);
}

QString statusLine(const Report &report)
{
    QStringList parts;
    for (const Assessment &a : report)
        parts << verdictLine(a);
    return QCoreApplication::translate("Balance", "Bilancio: ") + parts.join(QStringLiteral(" · "));
}

QString suggestionLine(const Assessment &a)
{
    QString line = nutrientName(a.nutrient) + u' ' + a.share + QStringLiteral(": ");
    if (!a.suggestion)
        return line + kNoCorrection;
    const Suggestion &s = *a.suggestion;
    return line + QCoreApplication::translate(
                      "Balance", "aggiungere %1 g di %2 (proteine %3, carboidrati %4, grassi %5)")
                      .arg(numbers::integerText(s.grams), catalogue::displayName(s.name), s.shares[0],
                           s.shares[1], s.shares[2]);
}

QStringList commandLineLines(const Report &report)
{
    QStringList lines;
    for (const Assessment &a : report)
        lines << nutrientName(a.nutrient) + u'=' + a.share + u' ' + rangeText(rangeOf(a.nutrient)) + u' ' +
                     verdictText(a.verdict);
    for (const Assessment &a : report) {
        if (a.verdict == Verdict::InRange)
            continue;
        const QString fix = a.suggestion ? QCoreApplication::translate("Balance", "aggiungere %1 g di %2")
                                               .arg(numbers::integerText(a.suggestion->grams),
                                                    catalogue::displayName(a.suggestion->name))
                                         : kNoCorrection;
        lines << QCoreApplication::translate("Balance", "Suggerimento ") + nutrientName(a.nutrient) +
                     QStringLiteral(": ") + fix;
    }
    return lines;
}

} // namespace balance
