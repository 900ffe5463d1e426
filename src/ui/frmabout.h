#pragma once

#include <QDialog>

// "Informazioni Vornak ": product name, version, credits. Modal, fixed size.
class FrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit FrmAbout(QWidget *parent = nullptr);
};
