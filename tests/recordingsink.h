// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "warnings.h"

#include <QList>
#include <QPair>
#include <QString>

// Records every warning so a test can check title, text and count.
class RecordingSink : public WarningSink
{
public:
    void warn(const QString &title, const QString &text) override { warnings.append({title, text}); }
    QStringList texts() const
    {
        QStringList result;
        for (const auto &w : warnings)
            result << w.second;
        return result;
    }
    void clear() { warnings.clear(); }
    QList<QPair<QString, QString>> warnings;
};
