// SPDX-License-Identifier: GPL-3.0-or-later
#include "cp1252.h"

namespace cp1252 {
namespace {

// Bytes 0x80-0x9F. The five bytes the code page leaves undefined map to the C1
// control character of the same value, as Windows itself reads them.
constexpr char16_t kHighControls[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<char> byteFor(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    for (int k = 0; k < 32; ++k)
        if (kHighControls[k] == u)
            return char(0x80 + k);
    return std::nullopt;
}

} // namespace

QString decode(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        text += (b >= 0x80 && b < 0xA0) ? QChar(kHighControls[b - 0x80]) : QChar(b);
    }
    return text;
}

bool canEncode(QChar c)
{
    return byteFor(c).has_value();
}

QString firstMissing(const QString &text)
{
    for (qsizetype k = 0; k < text.size(); ++k) {
        if (canEncode(text[k]))
            continue;
        const bool pair = text[k].isHighSurrogate() && k + 1 < text.size() && text[k + 1].isLowSurrogate();
        return text.mid(k, pair ? 2 : 1);
    }
    return {};
}

std::optional<QByteArray> encode(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        const auto byte = byteFor(c);
        if (!byte)
            return std::nullopt;
        bytes += *byte;
    }
    return bytes;
}

} // namespace cp1252
