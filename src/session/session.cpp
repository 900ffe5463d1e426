// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

#include "calculation.h"
#include "clearing.h"
#include "messages.h"
#include "recipecommands.h"
#include "recipepage.h"
#include "warnings.h"

Session::Session(WarningSink &sink, QObject *parent) : QObject(parent), m_sink(sink)
{
    m_worksheet.setWarningSink(&m_sink);
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
    setLast(std::nullopt);
}

bool Session::open(const QString &path)
{
    // A file's stored results need not match its rows: nothing stands until the next Calcola.
    if (!recipecommands::openFile(m_worksheet, path))
        return false;
    setLast(std::nullopt);
    return true;
}

bool Session::save(FileChooser &chooser)
{
    return recipecommands::save(m_worksheet, chooser);
}

std::optional<Page> Session::recipePage()
{
    if (const QString refusal = recipepage::refusal(m_worksheet); !refusal.isEmpty()) {
        m_worksheet.warn(refusal);
        return std::nullopt;
    }
    return recipepage::build(m_worksheet);
}
