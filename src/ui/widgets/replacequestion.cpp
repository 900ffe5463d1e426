// SPDX-License-Identifier: GPL-3.0-or-later
#include "replacequestion.h"

#include "entrymessages.h"
#include "filewriter.h"
#include "warnings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace replacequestion {

bool mayReplace(const QString &path, WarningSink &sink)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    // A pipe, a device or a read-only file is refused by the writer at once, with its
    // reason: a question about replacing it would offer what cannot happen.
    if (!filewriter::refusal(path).isEmpty())
        return true;
    const WarningSink::Question question{
        messages::kTitle,
        QCoreApplication::translate("ReplaceQuestion", "Il file «%1» esiste già.\nSostituire?")
            .arg(QDir::toNativeSeparators(path)),
        QCoreApplication::translate("ReplaceQuestion", "&Sì"),
        QCoreApplication::translate("ReplaceQuestion", "&No"),
        QString(),
        WarningSink::Answer::No};
    return sink.askWith(question) == WarningSink::Answer::Yes;
}

QString chooseSavePath(QFileDialog &dialog, WarningSink &sink)
{
    // The platform's own question would ask in other words, and only in some dialogs.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        const QString path = dialog.selectedFiles().constFirst();
        if (mayReplace(path, sink))
            return path;
        dialog.selectFile(path);
    }
}

} // namespace replacequestion
