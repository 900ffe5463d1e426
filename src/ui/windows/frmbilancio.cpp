// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmbilancio.h"

#include "balancelook.h"
#include "balancetexts.h"
#include "design.h"
#include "screenfit.h"
#include "windowicon.h"
#include "wraptext.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace balance;

namespace {

// Only the weight is a label's own: family and size come from the window, which takes the
// main window's type.
QFont weight(bool bold)
{
    QFont font;
    font.setBold(bold);
    return font;
}

QLabel *text(const QString &words, QWidget *parent, bool bold = false)
{
    auto *label = new QLabel(words, parent);
    label->setTextFormat(Qt::PlainText);
    if (bold)
        label->setFont(weight(true));
    return label;
}

} // namespace

FrmBilancio::FrmBilancio(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmBilancio"));
    setWindowTitle(tr("Bilancio del mix"));
    setWindowIcon(vornakWindowIcon());
    setModal(false);
    setFont(design::dialogFont());

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    const char *headers[] = {
        QT_TRANSLATE_NOOP("FrmBilancio", "Nutriente"), QT_TRANSLATE_NOOP("FrmBilancio", "Nel mix"),
        QT_TRANSLATE_NOOP("FrmBilancio", "Intervallo"), QT_TRANSLATE_NOOP("FrmBilancio", "Esito")};
    for (int column = 0; column < 4; ++column)
        grid->addWidget(text(tr(headers[column]), this, true), 0, column);
    const char *const ids[] = {"Proteine", "Carboidrati", "Grassi"}; // object names, in every language
    for (int k = 0; k < 3; ++k) {
        const Nutrient nutrient = kNutrients[k];
        const QString name = nutrientName(nutrient);
        const QLatin1String id(ids[k]);
        grid->addWidget(text(name, this), k + 1, 0);
        m_rows[k].share = text(QString(), this);
        m_rows[k].share->setObjectName(QStringLiteral("TxtQuota") + id);
        grid->addWidget(m_rows[k].share, k + 1, 1);
        grid->addWidget(text(rangeText(rangeOf(nutrient)), this), k + 1, 2);
        m_rows[k].verdict = text(QString(), this);
        m_rows[k].verdict->setObjectName(QStringLiteral("TxtEsito") + id);
        grid->addWidget(m_rows[k].verdict, k + 1, 3);
    }
    grid->addWidget(text(tr("Fibre"), this), 4, 0);
    grid->addWidget(text(QStringLiteral("—"), this), 4, 1);
    grid->addWidget(text(rangeText(kFibreRange), this), 4, 2);
    grid->addWidget(text(kFibreNotAssessed, this), 4, 3);

    m_suggestions = text(QString(), this);
    m_suggestions->setObjectName(QStringLiteral("TxtSuggerimenti"));
    m_suggestions->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Suggestions are sentences that name an ingredient, whose name may be long: they wrap,
    // and the window grows downwards rather than past the screen.
    m_suggestions->setWordWrap(true);

    auto *close = new QPushButton(tr("Chiudi"), this);
    close->setObjectName(QStringLiteral("CmdChiudi"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(text(tr("Suggerimenti:"), this, true));
    layout->addWidget(m_suggestions);
    layout->addWidget(close, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showReport(std::nullopt);
}

void FrmBilancio::showReport(const std::optional<Report> &report)
{
    const QColor mark =
        balancelook::markColour(palette().color(QPalette::Window), palette().color(QPalette::WindowText));
    QStringList suggestions;
    for (int k = 0; k < 3; ++k) {
        QLabel *verdict = m_rows[k].verdict;
        if (!report) {
            m_rows[k].share->clear();
            verdict->clear();
            continue;
        }
        const Assessment &a = (*report)[size_t(k)];
        m_rows[k].share->setText(a.share);
        verdict->setText(verdictText(a.verdict));
        const bool out = a.verdict != Verdict::InRange;
        verdict->setFont(weight(out));
        QPalette palette = verdict->palette();
        palette.setColor(QPalette::WindowText, out ? mark : this->palette().color(QPalette::WindowText));
        verdict->setPalette(palette);
        if (out)
            suggestions << suggestionLine(a);
    }
    if (!report)
        m_suggestions->setText(kNoVerdict);
    else
        m_suggestions->setText(suggestions.isEmpty() ? kBalanced
                                                     : wraptext::breakable(suggestions.join(u'\n')));
    fitScreen();
}

void FrmBilancio::fitScreen()
{
    // The lines are never wider than the work area leaves them.
    const QMargins margins = layout()->contentsMargins();
    const int room = screenfit::clientRoom(this).width() - margins.left() - margins.right();
    if (room > 0)
        m_suggestions->setMaximumWidth(room);
}
