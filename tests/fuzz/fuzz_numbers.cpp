// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary texts to the number conventions: the test and the conversion agree
// with each other and with an independent pattern, and every written number reads back.
#include "numbers.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void broken(const char *what, const QString &text)
{
    std::fprintf(stderr, "broken property: %s for \"%s\"\n", what, qPrintable(text));
    std::abort();
}

void check(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^[ \\t]*[+-]?([0-9]{1,3}(\\.[0-9]{3})+|[0-9]*)(,[0-9]*)?[ \\t]*\\z"));
    static const QRegularExpression digit(QStringLiteral("[0-9]"));
    const auto value = numbers::toNumber(text);
    if (numbers::isNumber(text) != value.has_value())
        broken("the test and the conversion disagree", text);
    const bool looksNumeric = pattern.match(text).hasMatch() && text.contains(digit);
    if (value && !looksNumeric)
        broken("a text that is no number converts", text);
    if (!value) {
        if (looksNumeric && text.size() < 300)
            broken("a number text does not convert", text);
        return;
    }
    if (!std::isfinite(*value))
        broken("a number converts to inf or nan", text);
    const QString plain = numbers::plainText(*value);
    const auto back = numbers::toNumber(plain);
    if (!back || std::abs(*back - *value) > std::abs(*value) * 1e-14)
        broken("plain number text does not read back", text);
    // Shown results have exactly two decimals, whatever the value, and no "-0,00".
    static const QRegularExpression shown(
        QStringLiteral("^(-?[1-9][0-9]{0,2}(\\.[0-9]{3})*|-?0),[0-9]{2}%?\\z"));
    const QString twoDecimals = numbers::twoDecimals(*value);
    if (!shown.match(twoDecimals).hasMatch() || twoDecimals == QStringLiteral("-0,00"))
        broken("two-decimal text is not shown with two decimals", text);
    if (!numbers::isNumber(twoDecimals))
        broken("two-decimal text does not read back", text);
    const QString percent = numbers::percent(*value / 100);
    if (!percent.endsWith(u'%') || !shown.match(percent).hasMatch() || percent == QStringLiteral("-0,00%"))
        broken("percent text is not shown with two decimals and a percent sign", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    check(QString::fromUtf8(bytes));
    check(QString::fromLatin1(bytes));
    return 0;
}
