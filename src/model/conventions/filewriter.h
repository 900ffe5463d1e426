// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The one way Vornak writes a file: recipes, PDF sheets (saved or handed to the print
// system) and the ingredient file. The bytes go to a new file beside the target, which
// replaces the target only once every byte is written and on the disk; any failure leaves
// the earlier file as it was and removes the new one.
namespace filewriter {

// Why `path` cannot be written at all, before anything is tried: a folder, a pipe or a
// device (which could keep the program waiting for ever, or swallow the bytes), a
// read-only file. Empty for a regular file or a new name.
QString refusal(const QString &path);

// Writes the file; empty when every byte is on the disk under `path`, otherwise the
// reason in the words of usertext::whyUnwritable ("il disco è pieno").
QString write(const QString &path, const QByteArray &bytes);

} // namespace filewriter
