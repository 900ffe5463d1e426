// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filechooser.h"

#include <QPointer>
#include <QWidget>

// The main window's one file dialog for saving and opening recipes. It proposes
// "Ricetta" at first and afterwards the last file chosen in either dialog.
class DlgCommon : public FileChooser
{
public:
    explicit DlgCommon(QWidget *parent) : m_parent(parent) {}

    QString chooseSavePath() override;
    QString chooseOpenPath() override;
    void propose(const QString &path) override { m_fileName = path; }

    QString fileName() const { return m_fileName; }

private:
    QString choose(bool saving);

    QPointer<QWidget> m_parent;
    QString m_fileName = QStringLiteral("Ricetta");
};
