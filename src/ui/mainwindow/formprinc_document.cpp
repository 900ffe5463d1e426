// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the recipe as a document: the title names the file and marks
// unsaved changes, and whatever would drop them asks first.
#include "formprinc.h"

#include "entrymessages.h"
#include "filechooser.h"
#include "remembered.h"
#include "rescuecopy.h"
#include "usertext.h"
#include "version.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMenu>
#include <QSessionManager>

void FormPrinc::watchDocument()
{
    showDocumentTitle();
    connect(&m_session, &Session::documentChanged, this, &FormPrinc::showDocumentTitle);
    // The desktop's log-out asks too, where it lets the program ask.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &manager) {
        if (manager.allowsInteraction()) {
            if (!mayDropWork())
                manager.cancel();
            manager.release();
        }
    });
}

void FormPrinc::showDocumentTitle()
{
    QString title = tr("Vornak Ver. %1 - a cura del team Vornak").arg(QStringLiteral(VORNAK_VERSION));
    if (const QString file = m_session.currentFile(); !file.isEmpty())
        title += QStringLiteral(" - ") + QFileInfo(file).fileName() +
                 (m_session.hasUnsavedChanges() ? QStringLiteral(" *") : QString());
    setWindowTitle(title);
}

bool FormPrinc::mayDropWork()
{
    if (!m_session.hasUnsavedChanges())
        return true;
    const QString file = m_session.currentFile();
    const WarningSink::Question question{
        messages::kTitle,
        (file.isEmpty() ? tr("La ricetta non è stata salvata.")
                        : tr("La ricetta «%1» ha modifiche non salvate.").arg(QFileInfo(file).fileName())) +
            u'\n' + tr("Salvare le modifiche?"),
        tr("&Salva"),
        tr("&Non salvare"),
        tr("&Annulla"),
        WarningSink::Answer::Yes};
    switch (m_sink.askWith(question)) {
    case WarningSink::Answer::Yes:
        // Dropped only once saved: a refusal or a cancelled dialog keeps the work.
        return m_session.save(*dlgCommon);
    case WarningSink::Answer::No:
        return true;
    case WarningSink::Answer::Cancel:
        break;
    }
    return false;
}

void FormPrinc::keepRescueCopies(const QString &folder)
{
    m_rescueFolder = folder;
    m_rescue = std::make_unique<RescueCopy>(m_session, folder);
    connect(m_rescue.get(), &RescueCopy::cannotWrite, this,
            [this](const QString &message) { m_sink.warn(messages::kTitle, message); });
}

void FormPrinc::offerRescueCopy()
{
    if (m_rescueFolder.isEmpty())
        return;
    const QList<RescueCopy::LeftBehind> copies = RescueCopy::leftBehind(m_rescueFolder);
    if (copies.isEmpty())
        return;
    // The newest only: the others stay for a later start, never dropped unasked.
    const RescueCopy::LeftBehind &copy = copies.first();
    const WarningSink::Question question{
        messages::kTitle,
        tr("Vornak non si è chiuso normalmente. C'è una copia del foglio con modifiche non salvate, presa il "
           "%1 alle %2.\nRipristinarla?")
            .arg(copy.taken.toString(QStringLiteral("dd/MM/yyyy")),
                 copy.taken.toString(QStringLiteral("HH:mm"))),
        tr("&Ripristina"),
        tr("&Scarta"),
        QString(),
        WarningSink::Answer::Yes};
    if (m_sink.askWith(question) == WarningSink::Answer::Yes && !m_session.restore(copy.path))
        return; // unreadable: kept, and "Apri"'s warning said why
    RescueCopy::remove(copy.path);
}

bool FormPrinc::openRecipe(const QString &path)
{
    if (!mayDropWork())
        return false;
    dlgCommon->propose(path);
    return m_session.open(path);
}

void FormPrinc::addRecentMenu(QMenu *fileMenu)
{
    m_recentMenu = new QMenu(tr("Ricette &recenti"), fileMenu);
    m_recentMenu->setObjectName(QStringLiteral("mnuRecenti"));
    m_recentMenu->setToolTipsVisible(true);
    const QList<QAction *> items = fileMenu->actions();
    fileMenu->insertMenu(items.isEmpty() ? nullptr : items.last(), m_recentMenu);
    // Filled as it opens: a file may have gone, or come back, since the last look.
    connect(m_recentMenu, &QMenu::aboutToShow, this, &FormPrinc::fillRecentMenu);
    connect(&m_session, &Session::fileTaken, this, [](const QString &path) { remembered::noteRecipe(path); });
    fillRecentMenu();
}

void FormPrinc::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList recent = remembered::recentRecipes();
    if (recent.isEmpty()) {
        m_recentMenu->addAction(tr("Nessuna ricetta recente"))->setEnabled(false);
        return;
    }
    const QFontMetrics metrics(m_recentMenu->font());
    const int widest = metrics.averageCharWidth() * 60;
    for (qsizetype k = 0; k < recent.size(); ++k) {
        const QString &path = recent[k];
        const QFileInfo info(path);
        // A file gone or unreadable stays in sight, greyed, saying why.
        QString reason;
        if (!info.isFile() || !info.isReadable())
            reason = usertext::whyUnreadable(path);
        const QString shown = metrics.elidedText(usertext::printableLine(QDir::toNativeSeparators(path)),
                                                 Qt::ElideMiddle, widest);
        QString text =
            QStringLiteral("&%1 %2").arg(k + 1).arg(QString(shown).replace(u'&', QStringLiteral("&&")));
        if (!reason.isEmpty())
            text += QStringLiteral(" (%1)").arg(reason);
        QAction *action = m_recentMenu->addAction(text);
        action->setObjectName(QStringLiteral("mnuRecente%1").arg(k + 1));
        action->setToolTip(
            usertext::printable(QDir::toNativeSeparators(path))); // whole, where the item is cut
        action->setEnabled(reason.isEmpty());
        connect(action, &QAction::triggered, this, [this, path] { openRecipe(path); });
    }
}
