#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Windows-1252, the 8-bit code page of recipe files, without depending on ICU.
namespace cp1252 {

QString decode(const QByteArray &bytes);

// True when every character has a byte in the code page.
bool canEncode(QChar c);

// The bytes, or nothing when a character has no byte in the code page.
std::optional<QByteArray> encode(const QString &text);

} // namespace cp1252
