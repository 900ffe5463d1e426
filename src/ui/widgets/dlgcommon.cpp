// SPDX-License-Identifier: GPL-3.0-or-later
#include "dlgcommon.h"

#include "replacequestion.h"

#include <QCoreApplication>
#include <QFileDialog>

QString DlgCommon::chooseSavePath()
{
    return choose(true);
}

QString DlgCommon::chooseOpenPath()
{
    return choose(false);
}

QString DlgCommon::choose(bool saving)
{
    QFileDialog dialog(m_parent);
    dialog.setObjectName(QStringLiteral("dlgCommon"));
    dialog.setNameFilter(QCoreApplication::translate("DlgCommon", "Documenti di testo(*.txt)"));
    // No default extension: a name given without one makes a file without one.
    dialog.setDefaultSuffix(QString());
    if (saving) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    dialog.selectFile(m_fileName);
    if (saving) {
        const QString path = replacequestion::chooseSavePath(dialog, m_sink);
        if (!path.isEmpty())
            m_fileName = path;
        return path;
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    m_fileName = dialog.selectedFiles().constFirst();
    return m_fileName;
}
