// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// Texts kept as named constants. Each is a `const QString &` like any other text: it
// holds the Italian source from before main() on, and retranslateConstants() rewrites
// every one of them in the language just installed (language::install() calls it).
// Written with the context twice, as lupdate reads it:
//   inline const QString &kTitle = translatedConstant("Entry", QT_TRANSLATE_NOOP("Entry", "AVVISO"));
// The contexts are listed in src/language/language.h.
const QString &translatedConstant(const char *context, const char *source);

void retranslateConstants();
