// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "libraryfilter.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;

// The library's filters beyond the text: balance, a cost-per-kg range and recipes whose
// ingredients and grams another recipe repeats.
class ArchiveFilterBar : public QWidget
{
    Q_OBJECT

public:
    explicit ArchiveFilterBar(QWidget *parent = nullptr);

    // The choices made here; the text is left empty, the text box has it.
    library::Filter filter() const;

signals:
    void changed();

private:
    QComboBox *m_balance = nullptr;
    QDoubleSpinBox *m_costFrom = nullptr;
    QDoubleSpinBox *m_costTo = nullptr;
    QCheckBox *m_sameMix = nullptr;
};
