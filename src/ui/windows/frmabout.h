// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

// "Informazioni Vornak ": product name, version, credits. Modal, fixed size.
class FrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit FrmAbout(QWidget *parent = nullptr);
};
