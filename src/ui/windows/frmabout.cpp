// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmabout.h"

#include "contrast.h"
#include "design.h"
#include "linecontrol.h"
#include "version.h"
#include "windowicon.h"

#include <QLabel>
#include <QPushButton>

using design::place;

namespace {

// Dark green, or a light one on a dark window background. The name is large type, which
// reads at 3:1.
QPalette productPalette(QPalette palette)
{
    palette.setColor(QPalette::WindowText,
                     contrast::firstReadable({QColor(0, 128, 0), QColor(0x7C, 0xD6, 0x7C)},
                                             palette.color(QPalette::Window),
                                             palette.color(QPalette::WindowText), contrast::kReadableLarge));
    return palette;
}

} // namespace

FrmAbout::FrmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(tr("Informazioni Vornak "));
    setWindowIcon(vornakWindowIcon());
    setModal(true);
    setFont(design::dialogFont());
    setFixedSize(qRound(6195 / 15.0), qRound(4380 / 15.0));

    auto *picture = new QLabel(this);
    picture->setPixmap(aboutPicture());
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(picture, 120, 120, 1500, 1500);

    QLabel *product = design::staticText(this, QStringLiteral("Vornak"), 2160, 120, 2775, 495,
                                         Qt::AlignHCenter | Qt::AlignTop);
    QFont productFont = design::dialogFont(15.75, true);
    productFont.setFamilies(
        {QStringLiteral("Arial Black"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    productFont.setWeight(QFont::Black);
    product->setFont(productFont);
    product->setPalette(productPalette(product->palette()));

    auto bold = [](QLabel *label) {
        label->setFont(design::dialogFont(8.25, true));
        return label;
    };
    bold(design::staticText(this, tr("Versione %1").arg(QStringLiteral(VORNAK_VERSION)), 2880, 720, 1455, 255,
                            Qt::AlignHCenter | Qt::AlignTop));
    design::staticText(this, tr("Software Freeware per il calclo dei valori nutrizionali nei mix."), 2040,
                       1200, 3015, 495, Qt::AlignHCenter | Qt::AlignTop)
        ->setWordWrap(true);

    auto *line = new LineControl(this);
    line->setPoints(QPointF(0, 1920 / 15.0), QPointF(6240 / 15.0, 1920 / 15.0));

    bold(design::staticText(this, tr("Realizzato dal team Vornak"), 360, 2040, 5415, 255));
    bold(design::staticText(this, tr("Beta Testers:"), 120, 2520, 1215, 255));
    bold(design::staticText(this, tr("Squadra prove Vornak, Gruppo pesca Vornak"), 1320, 2520, 4695, 255,
                            Qt::AlignRight | Qt::AlignTop));
    bold(design::staticText(this, tr("In collaborazione con:"), 120, 3360, 2055, 255));
    bold(design::staticText(this, tr("Team Vornak"), 480, 3720, 1095, 255));

    auto *logo = new QLabel(this);
    logo->setPixmap(aboutLogo());
    logo->setScaledContents(true);
    place(logo, 2280, 3240, 1440, 780);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("CmdOK"));
    ok->setDefault(true);
    place(ok, 4800, 3840, 1215, 375);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
