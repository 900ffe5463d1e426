// SPDX-License-Identifier: GPL-3.0-or-later
#include "archivefilterbar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

using library::BalanceChoice;

namespace {

struct BalanceItem
{
    const char *text;
    BalanceChoice choice;
};

const BalanceItem kBalanceItems[] = {
    {QT_TRANSLATE_NOOP("ArchiveFilterBar", "tutte"), BalanceChoice::Any},
    {QT_TRANSLATE_NOOP("ArchiveFilterBar", "bilanciate"), BalanceChoice::Balanced},
    {QT_TRANSLATE_NOOP("ArchiveFilterBar", "fuori range"), BalanceChoice::OutOfRange},
    {QT_TRANSLATE_NOOP("ArchiveFilterBar", "proteine fuori range"), BalanceChoice::ProteinOut},
    {QT_TRANSLATE_NOOP("ArchiveFilterBar", "carboidrati fuori range"), BalanceChoice::CarboOut},
    {QT_TRANSLATE_NOOP("ArchiveFilterBar", "grassi fuori range"), BalanceChoice::FatOut},
};

// Euro per kilogram with the decimal comma in every language; 0 is "no edge".
QDoubleSpinBox *costBox(const QString &name, QWidget *parent)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    box->setDecimals(2);
    box->setRange(0, 99999.99);
    box->setSingleStep(0.5);
    box->setSpecialValueText(ArchiveFilterBar::tr("qualsiasi"));
    box->setAccelerated(true);
    // The list follows a typed price once it is whole (Enter, Tab), not "1" on the way to "12".
    box->setKeyboardTracking(false);
    return box;
}

std::optional<double> edge(const QDoubleSpinBox *box)
{
    return box->value() > 0 ? std::optional(box->value()) : std::nullopt;
}

} // namespace

ArchiveFilterBar::ArchiveFilterBar(QWidget *parent) : QWidget(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    m_balance = new QComboBox(this);
    m_balance->setObjectName(QStringLiteral("CmbBilancio"));
    for (const BalanceItem &item : kBalanceItems)
        m_balance->addItem(tr(item.text));
    auto *balanceLabel = new QLabel(tr("&Bilancio:"), this);
    balanceLabel->setBuddy(m_balance);
    m_costFrom = costBox(QStringLiteral("TxtCostoDa"), this);
    m_costTo = costBox(QStringLiteral("TxtCostoA"), this);
    m_costFrom->setToolTip(tr("Solo le ricette che costano almeno tanto al kg"));
    m_costTo->setToolTip(tr("Solo le ricette che costano al più tanto al kg"));
    auto *costLabel = new QLabel(tr("Cos&to al kg da"), this);
    costLabel->setBuddy(m_costFrom);
    auto *toLabel = new QLabel(tr("a"), this);
    toLabel->setBuddy(m_costTo);
    m_sameMix = new QCheckBox(tr("Stesso &mix di un'altra"), this);
    m_sameMix->setObjectName(QStringLiteral("ChkStessoMix"));
    m_sameMix->setToolTip(tr("Solo le ricette con gli stessi ingredienti e grammi di un'altra "
                             "ricetta della cartella, sotto qualunque nome"));
    row->addWidget(balanceLabel);
    row->addWidget(m_balance);
    row->addSpacing(fontMetrics().height());
    row->addWidget(costLabel);
    row->addWidget(m_costFrom);
    row->addWidget(toLabel);
    row->addWidget(m_costTo);
    row->addSpacing(fontMetrics().height());
    row->addWidget(m_sameMix);
    row->addStretch(1);
    connect(m_balance, &QComboBox::currentIndexChanged, this, &ArchiveFilterBar::changed);
    // A range stays a range: "da" raised above "a" takes "a" along, and the other way round.
    connect(m_costFrom, &QDoubleSpinBox::valueChanged, this, [this](double from) {
        if (m_costTo->value() > 0 && from > m_costTo->value()) {
            const QSignalBlocker quiet(m_costTo);
            m_costTo->setValue(from);
        }
        emit changed();
    });
    connect(m_costTo, &QDoubleSpinBox::valueChanged, this, [this](double to) {
        if (to > 0 && m_costFrom->value() > to) {
            const QSignalBlocker quiet(m_costFrom);
            m_costFrom->setValue(to);
        }
        emit changed();
    });
    connect(m_sameMix, &QCheckBox::toggled, this, &ArchiveFilterBar::changed);
}

library::Filter ArchiveFilterBar::filter() const
{
    library::Filter filter;
    filter.balance = kBalanceItems[qMax(0, m_balance->currentIndex())].choice;
    filter.costFrom = edge(m_costFrom);
    filter.costTo = edge(m_costTo);
    filter.sameMixOnly = m_sameMix->isChecked();
    return filter;
}
