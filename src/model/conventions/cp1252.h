// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Windows-1252, the 8-bit code page of recipe files, without depending on ICU. The model
// refuses the names a recipe file could not hold with it.
namespace cp1252 {

QString decode(const QByteArray &bytes);

// True when every character has a byte in the code page.
bool canEncode(QChar c);

// The first character of the text that the code page lacks, whole (both halves of a
// character written with two UTF-16 units, such as an emoji), or an empty text.
QString firstMissing(const QString &text);

// The bytes, or nothing when a character has no byte in the code page.
std::optional<QByteArray> encode(const QString &text);

} // namespace cp1252
