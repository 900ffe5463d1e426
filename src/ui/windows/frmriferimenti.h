// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

// "Valori di riferimento": the scales of the two indices and the nutrient ranges of
// a balanced mix. Modal, fixed size.
class FrmRiferimenti : public QDialog
{
    Q_OBJECT

public:
    explicit FrmRiferimenti(QWidget *parent = nullptr);

private:
    // The captions: the two indices' scales and the names of the balanced ranges.
    void addScales();
};
