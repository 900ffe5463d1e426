// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

#include "calculation.h"
#include "clearing.h"
#include "messages.h"
#include "recipecommands.h"
#include "recipefile.h"
#include "recipepage.h"
#include "warnings.h"

Session::Session(WarningSink &sink, QObject *parent) : QObject(parent), m_sink(sink)
{
    m_worksheet.setWarningSink(&m_sink);
    m_emptyRecord = m_savedRecord = recipefile::recordOf(m_worksheet);
    connect(&m_worksheet, &FieldStore::fieldChanged, this, &Session::queueDocumentCheck);
}

bool Session::hasUnsavedChanges() const
{
    const QStringList record = recipefile::recordOf(m_worksheet);
    return record != m_savedRecord && record != m_emptyRecord;
}

void Session::markSaved(const QString &file)
{
    m_savedRecord = recipefile::recordOf(m_worksheet);
    m_file = file;
    queueDocumentCheck();
}

void Session::queueDocumentCheck()
{
    // A command changes dozens of fields; the comparison runs once, after it.
    if (m_checkQueued)
        return;
    m_checkQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_checkQueued = false;
            const bool unsaved = hasUnsavedChanges();
            if (unsaved == m_toldUnsaved && m_file == m_toldFile)
                return;
            m_toldUnsaved = unsaved;
            m_toldFile = m_file;
            emit documentChanged();
        },
        Qt::QueuedConnection);
}

void Session::setLast(std::optional<Calculation> calculation)
{
    m_last = std::move(calculation);
    emit calculationChanged();
}

void Session::loadLibrary(const QString &path, bool named)
{
    m_libraryPath = path;
    m_libraryNamed = named;
    m_worksheet.setLibrary(readLibraryFile().library);
}

QString Session::libraryPath() const
{
    return m_libraryPath.isEmpty() ? ingredientfile::defaultPath() : m_libraryPath;
}

ingredientfile::ReadResult Session::readLibraryFile()
{
    const QString path = libraryPath();
    auto result = ingredientfile::read(path);
    if (m_libraryNamed && result.missing)
        m_sink.warn(messages::kTitle, ingredientfile::missingText(path));
    if (const QString warning = ingredientfile::warningText(path, result, m_sink.takesLongLists());
        !warning.isEmpty())
        m_sink.warn(messages::kTitle, warning);
    return result;
}

bool Session::saveLibrary(const personal::Library &library)
{
    if (const QString failure = ingredientfile::save(library, libraryPath()); !failure.isEmpty()) {
        m_sink.warn(messages::kTitle, failure);
        return false;
    }
    const personal::Library before = m_worksheet.library();
    m_worksheet.setLibrary(library);
    // New values or prices: the last calculation's balance and cost no longer hold, nor
    // does a formula proposal, whether or not a calculation stands.
    if (m_worksheet.library() != before)
        setLast(std::nullopt);
    return true;
}

bool Session::calculate()
{
    // A refused calculation leaves the results, and so their balance and cost, as they were.
    Calculation calculation;
    if (!::calculate(m_worksheet, &calculation.rows))
        return false;
    calculation.balance = balance::check(calculation.rows);
    calculation.cost = mixCost(m_worksheet, calculation.rows);
    setLast(std::move(calculation));
    return true;
}

void Session::clear()
{
    clearWorksheet(m_worksheet);
    // The user's own command to start afresh: nothing of the cleared worksheet is unsaved.
    markSaved(QString());
    setLast(std::nullopt);
}

bool Session::open(const QString &path)
{
    // A file's stored results need not match its rows: nothing stands until the next Calcola.
    if (!recipecommands::openFile(m_worksheet, path))
        return false;
    markSaved(path);
    setLast(std::nullopt);
    emit fileTaken(path);
    return true;
}

bool Session::restore(const QString &copy)
{
    if (!recipecommands::openFile(m_worksheet, copy))
        return false;
    m_file.clear();
    m_savedRecord = m_emptyRecord;
    queueDocumentCheck();
    setLast(std::nullopt);
    return true;
}

bool Session::save(FileChooser &chooser)
{
    QString written;
    if (!recipecommands::save(m_worksheet, chooser, &written))
        return false;
    markSaved(written);
    emit fileTaken(written);
    return true;
}

std::optional<Page> Session::recipePage()
{
    if (const QString refusal = recipepage::refusal(m_worksheet); !refusal.isEmpty()) {
        m_worksheet.warn(refusal);
        return std::nullopt;
    }
    return recipepage::build(m_worksheet);
}
