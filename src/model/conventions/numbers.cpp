// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace numbers {
namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A number text being read from `at` to `end`, blanks around it already left out, into
// the digits-and-point form that from_chars reads.
struct Reading
{
    const QString &text;
    qsizetype at;
    qsizetype end;
    std::string out;
};

Reading withoutBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return {text, begin, end, {}};
}

void readSign(Reading &r)
{
    if (r.at < r.end && (r.text[r.at] == u'+' || r.text[r.at] == u'-')) {
        if (r.text[r.at] == u'-')
            r.out += '-';
        ++r.at;
    }
}

// Integer part, up to the decimal comma: plain digits, or a first group of one to three
// digits followed by groups of exactly three, each after a ".". The count of its digits,
// or nothing when it is badly written.
std::optional<int> readIntegerPart(Reading &r)
{
    int digits = 0;
    int sinceSeparator = 0;
    bool grouped = false;
    for (; r.at < r.end && r.text[r.at] != u','; ++r.at) {
        const QChar c = r.text[r.at];
        if (isDigit(c)) {
            r.out += char(c.unicode());
            ++digits;
            ++sinceSeparator;
        } else if (c == u'.') {
            const bool groupOk = grouped ? sinceSeparator == 3 : (sinceSeparator >= 1 && sinceSeparator <= 3);
            if (!groupOk)
                return std::nullopt;
            grouped = true;
            sinceSeparator = 0;
        } else {
            return std::nullopt;
        }
    }
    if (grouped && sinceSeparator != 3)
        return std::nullopt;
    return digits;
}

// After the decimal comma, if there is one: digits only. Their count, or nothing.
std::optional<int> readFraction(Reading &r)
{
    if (r.at == r.end)
        return 0;
    ++r.at; // the comma
    std::string fraction;
    for (; r.at < r.end; ++r.at) {
        if (!isDigit(r.text[r.at]))
            return std::nullopt;
        fraction += char(r.text[r.at].unicode());
    }
    if (!fraction.empty())
        r.out += '.' + fraction;
    return int(fraction.size());
}

// Turns a number text into the digits-and-point form that from_chars reads,
// or returns false when the text is not a number.
bool normalise(const QString &text, std::string &out)
{
    Reading r = withoutBlanks(text);
    readSign(r);
    const std::optional<int> integerDigits = readIntegerPart(r);
    const std::optional<int> fractionDigits = integerDigits ? readFraction(r) : std::nullopt;
    if (!fractionDigits || *integerDigits + *fractionDigits == 0)
        return false;
    if (*integerDigits == 0) { // ",5" reads as "0.5"
        const size_t point = r.out.find('.');
        r.out = r.out.substr(0, point) + std::string(1, '0') + r.out.substr(point);
    }
    out = std::move(r.out);
    return true;
}

// A finite value as decimal digits: value = 0.d1d2d3... x 10^point, rounded to
// `significant` digits, trailing zeros removed. Zero has no digits.
struct Decimal
{
    bool negative = false;
    std::string digits;
    int point = 0;
};

Decimal toDecimal(double value, int significant)
{
    Decimal d;
    if (value == 0 || !std::isfinite(value))
        return d;
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, significant - 1);
    std::string text(buffer, result.ptr);
    size_t pos = 0;
    if (text[pos] == '-') {
        d.negative = true;
        ++pos;
    }
    const size_t e = text.find('e');
    for (size_t k = pos; k < e; ++k)
        if (text[k] != '.')
            d.digits += text[k];
    d.point = std::stoi(text.substr(e + 1)) + 1;
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        d.negative = false;
    return d;
}

// Rounds half away from zero to `decimals` places, on the decimal digits themselves,
// so 1,005 becomes 1,01 as a person reading the number would expect.
Decimal roundDecimals(Decimal d, int decimals)
{
    const int keep = d.point + decimals;
    if (int(d.digits.size()) <= keep)
        return d;
    if (keep < 0)
        return Decimal{}; // far below the last kept decimal: zero, whatever the leading zeros
    const bool up = d.digits[size_t(keep)] >= '5';
    d.digits.resize(size_t(keep));
    if (up) {
        int k = keep - 1;
        while (k >= 0 && d.digits[size_t(k)] == '9') {
            d.digits[size_t(k)] = '0';
            --k;
        }
        if (k < 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.point;
        } else {
            ++d.digits[size_t(k)];
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        return Decimal{}; // a negative value that rounds to zero shows no sign
    return d;
}

QString format(const Decimal &d, int minDecimals, bool grouping)
{
    const int count = int(d.digits.size());
    std::string integer;
    for (int k = 0; k < d.point; ++k)
        integer += k < count ? d.digits[size_t(k)] : '0';
    if (integer.empty())
        integer.push_back('0');
    std::string fraction;
    if (d.point < 0) {
        fraction.assign(size_t(-d.point), '0');
        fraction.append(d.digits);
    } else if (d.point < count)
        fraction = d.digits.substr(size_t(d.point));
    if (int(fraction.size()) < minDecimals)
        fraction.append(size_t(minDecimals) - fraction.size(), '0');

    QString result;
    if (d.negative)
        result += u'-';
    for (size_t k = 0; k < integer.size(); ++k) {
        if (grouping && k > 0 && (integer.size() - k) % 3 == 0)
            result += u'.';
        result += QChar(integer[k]);
    }
    if (!fraction.empty())
        result += u',' + QString::fromLatin1(fraction);
    return result;
}

// A number text's value; `tooLarge` tells a number beyond a double's range from a text
// that is no number at all.
std::optional<double> read(const QString &text, bool *tooLarge)
{
    if (tooLarge)
        *tooLarge = false;
    std::string normal;
    if (!normalise(text, normal))
        return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (result.ptr != normal.data() + normal.size())
        return std::nullopt;
    if (result.ec == std::errc::result_out_of_range) {
        // Below 1 the only way out of range is a value too small for a double: it is 0.
        // At 1 or more it is too large, which is no number the program can use.
        const size_t start = normal[0] == '-' ? 1 : 0;
        if (normal.find_first_not_of('0', start) != normal.find('.')) {
            if (tooLarge)
                *tooLarge = true;
            return std::nullopt;
        }
        return 0.0;
    }
    if (result.ec != std::errc() || !std::isfinite(value)) {
        if (tooLarge)
            *tooLarge = true;
        return std::nullopt;
    }
    return value == 0 ? 0.0 : value; // never a negative zero
}

} // namespace

std::optional<double> toNumber(const QString &text)
{
    return read(text, nullptr);
}

bool isNumber(const QString &text)
{
    return toNumber(text).has_value();
}

bool isTooLarge(const QString &text)
{
    bool tooLarge = false;
    read(text, &tooLarge);
    return tooLarge;
}

double valueOrZero(const QString &text)
{
    return toNumber(text).value_or(0.0);
}

QString significantText(double value, int digits)
{
    return format(toDecimal(value, digits), 0, false);
}

QString plainText(double value)
{
    return significantText(value, 15);
}

double roundTo15(double value)
{
    return valueOrZero(plainText(value));
}

bool fitsPlainText(double value)
{
    // Far from the largest double, 15 digits can never round past it.
    if (std::abs(value) < 1e300)
        return true;
    return std::isfinite(value) && toNumber(plainText(value)).has_value();
}

double roundToDecimals(double value, int decimals)
{
    return valueOrZero(format(roundDecimals(toDecimal(value, 15), decimals), 0, false));
}

QString twoDecimals(double value)
{
    return format(roundDecimals(toDecimal(value, 15), 2), 2, true);
}

QString integerText(qint64 value)
{
    return format(toDecimal(double(value), 19), 0, true);
}

QString percent(double fraction)
{
    return format(roundDecimals(toDecimal(fraction * 100, 15), 2), 2, true) + u'%';
}

} // namespace numbers
