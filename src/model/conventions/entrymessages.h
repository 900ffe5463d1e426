#pragma once

#include <QString>

// The words that refuse a typed value, the same in the worksheet and the ingredient editor.
namespace messages {

inline const QString kTitle = QStringLiteral("AVVISO");

inline const QString kNotANumber =
    QStringLiteral("Il valore digitato non è un numero prego reinserire il valore");
inline const QString kNegative = QStringLiteral("Non si possono inserire numeri negativi");
inline const QString kOver100 = QStringLiteral("Non si possono inserire valori superiori a 100");

} // namespace messages
