// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "balance.h"

#include <QDialog>

#include <optional>

class QLabel;

// "Bilancio del mix": the protein, carbohydrate and fat shares of the last calculation
// against the ranges of a balanced mix, their verdicts and what to add to fix them.
// Modeless and owned by the main window, which hands it every new result.
class FrmBilancio : public QDialog
{
    Q_OBJECT

public:
    explicit FrmBilancio(QWidget *parent = nullptr);

    // The check of the last calculation, or nothing after a clearing or an opened file.
    void showReport(const std::optional<balance::Report> &report);

private:
    void fitScreen();

    struct Row
    {
        QLabel *share;
        QLabel *verdict;
    };
    Row m_rows[3];
    QLabel *m_suggestions;
};
