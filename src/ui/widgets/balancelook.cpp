// SPDX-License-Identifier: GPL-3.0-or-later
#include "balancelook.h"

#include "balancetexts.h"
#include "contrast.h"

#include <QCoreApplication>
#include <QStringList>

namespace balancelook {

QColor markColour(const QColor &background, const QColor &text)
{
    return contrast::firstReadable({QColor(0xA4, 0x00, 0x00), QColor(0xFF, 0x9C, 0x9C)}, background, text);
}

QString statusHtml(const balance::Report &report, const QColor &mark)
{
    QStringList parts;
    for (const balance::Assessment &a : report) {
        const QString words = balance::verdictLine(a).toHtmlEscaped();
        parts << (a.verdict == balance::Verdict::InRange
                      ? words
                      : QStringLiteral("<b style=\"color:%1\">%2</b>").arg(mark.name(), words));
    }
    return QCoreApplication::translate("Balance", "Bilancio: ") + parts.join(QStringLiteral(" · "));
}

} // namespace balancelook
