// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmriferimenti.h"

#include "balancetexts.h"
#include "design.h"
#include "linecontrol.h"
#include "piechart.h"
#include "windowicon.h"

#include <QLabel>
#include <QPushButton>

using design::place;

FrmRiferimenti::FrmRiferimenti(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmRiferimenti"));
    setWindowTitle(tr("Valori di riferimento"));
    setWindowIcon(vornakWindowIcon());
    setModal(true);
    setFont(design::dialogFont());
    setFixedSize(qRound(6315 / 15.0), qRound(5880 / 15.0));

    addScales();
    // The ranges are the balance check's own.
    using namespace balance;
    const std::pair<int, Range> ranges[] = {{3840, rangeOf(Nutrient::Protein)},
                                            {4200, rangeOf(Nutrient::Carbo)},
                                            {4560, rangeOf(Nutrient::Fat)},
                                            {4920, kFibreRange}};
    for (const auto &[top, range] : ranges)
        design::staticText(this, rangeText(range), 1560, top, 615, 255);

    auto *line = new LineControl(this);
    line->setPoints(QPointF(0, 3360 / 15.0), QPointF(6360 / 15.0, 3360 / 15.0));

    auto *chart = new PieChart(this);
    place(chart, 2760, 3600, 3105, 1500);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("CmdOk1"));
    ok->setDefault(true);
    place(ok, 2640, 5400, 1095, 375);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void FrmRiferimenti::addScales()
{
    struct Text
    {
        int left, top, width;
        const char *text;
        bool bold;
    };
    const Text texts[] = {
        {480, 120, 1455, QT_TRANSLATE_NOOP("FrmRiferimenti", "INDICE"), true},
        {480, 360, 1455, QT_TRANSLATE_NOOP("FrmRiferimenti", "DIGERIBILITÀ:"), true},
        {480, 720, 975, QT_TRANSLATE_NOOP("FrmRiferimenti", "1 - SCARSA"), false},
        {480, 1080, 855, QT_TRANSLATE_NOOP("FrmRiferimenti", "2 - MEDIA"), false},
        {480, 1440, 855, QT_TRANSLATE_NOOP("FrmRiferimenti", "3 - BUONA"), false},
        {480, 1800, 855, QT_TRANSLATE_NOOP("FrmRiferimenti", "4 - MOLTA "), false},
        {480, 2160, 855, QT_TRANSLATE_NOOP("FrmRiferimenti", "5 - OTTIMA"), false},
        {4440, 120, 1455, QT_TRANSLATE_NOOP("FrmRiferimenti", "INDICE"), true},
        {4440, 360, 975, QT_TRANSLATE_NOOP("FrmRiferimenti", "LEGANTE:"), true},
        {4440, 720, 1335, QT_TRANSLATE_NOOP("FrmRiferimenti", "-1 - SLEGANTE"), false},
        {4440, 1080, 1215, QT_TRANSLATE_NOOP("FrmRiferimenti", "0 - NEUTRA"), false},
        {4440, 1440, 1335, QT_TRANSLATE_NOOP("FrmRiferimenti", "1 - LEGANTE"), false},
        {4440, 1800, 855, QT_TRANSLATE_NOOP("FrmRiferimenti", "2 - MEDIA"), false},
        {4440, 2160, 855, QT_TRANSLATE_NOOP("FrmRiferimenti", "3 - BUONA"), false},
        {4440, 2520, 855, QT_TRANSLATE_NOOP("FrmRiferimenti", "4 - MOLTA "), false},
        {4440, 2880, 855, QT_TRANSLATE_NOOP("FrmRiferimenti", "5 - OTTIMA"), false},
        {120, 3480, 1935, QT_TRANSLATE_NOOP("FrmRiferimenti", "BOILIES BILANCIATE:"), true},
        {120, 3840, 975, QT_TRANSLATE_NOOP("FrmRiferimenti", "PROTEINE: "), false},
        {120, 4200, 1215, QT_TRANSLATE_NOOP("FrmRiferimenti", "CARBOIDRATI:"), false},
        {120, 4560, 735, QT_TRANSLATE_NOOP("FrmRiferimenti", "GRASSI: "), false},
        {120, 4920, 615, QT_TRANSLATE_NOOP("FrmRiferimenti", "FIBRE:"), false},
    };
    for (const Text &t : texts) {
        QLabel *label = design::staticText(this, tr(t.text), t.left, t.top, t.width, 255);
        if (t.bold)
            label->setFont(design::dialogFont(8.25, true));
    }
}
