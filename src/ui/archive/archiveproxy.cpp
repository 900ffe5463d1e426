// SPDX-License-Identifier: GPL-3.0-or-later
#include "archiveproxy.h"

#include "librarymodel.h"

#include <QFont>

ArchiveProxy::ArchiveProxy(LibraryModel &model, QObject *parent)
    : QSortFilterProxyModel(parent), m_model(model)
{
    setSourceModel(&model);
    setSortRole(LibraryModel::SortRole);
    setDynamicSortFilter(true);
    m_collator.setLocale(QLocale(QLocale::Italian, QLocale::Italy)); // the C locale knows no numeric order
    m_collator.setNumericMode(true);
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

bool ArchiveProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const QVariant a = left.data(LibraryModel::SortRole), b = right.data(LibraryModel::SortRole);
    if (a.typeId() == QMetaType::QString && b.typeId() == QMetaType::QString)
        return m_collator.compare(a.toString(), b.toString()) < 0;
    return QSortFilterProxyModel::lessThan(left, right);
}

void ArchiveProxy::setFilterText(const QString &text)
{
    library::Filter filter = m_filter;
    filter.text = text;
    setFilter(filter);
}

void ArchiveProxy::setFilter(const library::Filter &filter)
{
    m_filter = filter;
    m_filter.text = filter.text.trimmed();
    invalidateRowsFilter();
}

void ArchiveProxy::setColours(const QColor &grey, const QColor &mark)
{
    m_grey = grey;
    m_mark = mark;
}

bool ArchiveProxy::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    return library::accepts(m_filter, m_model.entry(sourceRow));
}

bool ArchiveProxy::marked(int sourceRow, int column) const
{
    const library::Entry &entry = m_model.entry(sourceRow);
    if (!entry.calculated())
        return column == LibraryModel::BalanceColumn && !entry.calculationRefusal.isEmpty();
    switch (column) {
    case LibraryModel::BalanceColumn:
        return std::any_of(entry.verdicts.begin(), entry.verdicts.end(),
                           [](balance::Verdict v) { return v != balance::Verdict::InRange; });
    case LibraryModel::ProteinColumn:
        return entry.verdicts[0] != balance::Verdict::InRange;
    case LibraryModel::CarboColumn:
        return entry.verdicts[1] != balance::Verdict::InRange;
    case LibraryModel::FatColumn:
        return entry.verdicts[2] != balance::Verdict::InRange;
    case LibraryModel::StoredColumn:
        return entry.stale;
    default:
        return false;
    }
}

QVariant ArchiveProxy::data(const QModelIndex &index, int role) const
{
    if (role != Qt::ForegroundRole && role != Qt::FontRole)
        return QSortFilterProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    if (!source.isValid())
        return {};
    const library::Entry &entry = m_model.entry(source.row());
    if (!entry.isRecipe())
        return role == Qt::ForegroundRole && m_grey.isValid() ? QVariant(m_grey) : QVariant();
    if (!marked(source.row(), source.column()))
        return {};
    if (role == Qt::FontRole) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return m_mark.isValid() ? QVariant(m_mark) : QVariant();
}
