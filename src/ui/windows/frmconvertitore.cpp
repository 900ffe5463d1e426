// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmconvertitore.h"

#include "captionfit.h"
#include "clsresize.h"
#include "controlhabits.h"
#include "design.h"
#include "fieldbinding.h"
#include "pageprinter.h"
#include "screenfit.h"
#include "windowicon.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

using design::place;

namespace {
constexpr int kDesignWidth = 6345; // twips
constexpr int kDesignHeight = 8670;
} // namespace

FrmConvertitore::FrmConvertitore(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmConvertitore"));
    setWindowTitle(tr("Convertitire Percentuale - Grammi"));
    setWindowIcon(vornakWindowIcon());
    setModal(false);
    setFont(design::dialogFont());
    setFixedSize(qRound(kDesignWidth / ClsResize::kTwipsPerPixel),
                 qRound(kDesignHeight / ClsResize::kTwipsPerPixel));
    buildControls();
    m_resizer = std::make_unique<ClsResize>();
    m_resizer->SetSourceForm(this);
    m_resizer->ReInitialise();
    fitScreen();
    controlhabits::install(this);
    m_converter.setWarningSink(&m_sink);
    m_binding = new FieldBinding(m_converter, m_fieldWidgets, this, FieldBinding::DisabledLook::Greyed);
    m_printer = std::make_unique<PagePrinter>(this);
}

FrmConvertitore::~FrmConvertitore()
{
    // The binding holds the converter, which goes before the widgets do.
    delete m_binding;
}

void FrmConvertitore::buildControls()
{
    const auto centred = Qt::AlignHCenter | Qt::AlignTop;
    design::staticText(this, tr("Peso Totale Mix espresso in grammi"), 1800, 120, 2655, 255, centred);
    auto inputBox = [this](FieldId id, int left, int top, int width, int height, bool centred) {
        QLineEdit *edit =
            design::inputBox(this, m_converter.fieldName(id), left, top, width, height, centred);
        m_fieldWidgets.insert(id, edit);
        return edit;
    };
    QWidget *total = inputBox(Converter::kTotal, 2400, 480, 1575, 315, true);
    design::staticText(this, tr("Componente"), 480, 1080, 1575, 255, centred);
    design::staticText(this, tr("Valore Percentuale"), 2520, 1080, 1575, 255, centred);
    design::staticText(this, tr("Risultato in grammi"), 4320, 1080, 1455, 255, centred);

    QList<QWidget *> focusOrder{total};
    QList<QWidget *> results;
    for (int row = 1; row <= Converter::kRows; ++row) {
        const int top = 960 + 480 * row;
        focusOrder << inputBox(Converter::name(row), 120, top, 2295, 285, false);
        focusOrder << inputBox(Converter::percent(row), 2640, top, 1095, 315, true);
        design::staticText(this, QStringLiteral("%"), 3840, top, 255, 255)->setFont(design::dialogFont(12));
        QLineEdit *grams = inputBox(Converter::grams(row), 4320, top, 1335, 315, true);
        grams->setReadOnly(true);
        results << grams;
        design::staticText(this, tr("Gr."), 5760, top, 375, 255)->setFont(design::dialogFont(12));
    }

    struct Button
    {
        const char *name;
        const char *caption;
        int left, top;
        void (FrmConvertitore::*command)();
    };
    const Button buttons[] = {
        {"CmdCalcola", QT_TRANSLATE_NOOP("FrmConvertitore", "Calcola"), 2520, 7680,
         &FrmConvertitore::CmdCalcola_Click},
        {"CmdStampa", QT_TRANSLATE_NOOP("FrmConvertitore", "Stampa"), 4320, 7680,
         &FrmConvertitore::CmdStampa_Click},
        {"CmdCancella", QT_TRANSLATE_NOOP("FrmConvertitore", "Cancella"), 2520, 8160,
         &FrmConvertitore::CmdCancella_Click},
        {"CmdEsci", QT_TRANSLATE_NOOP("FrmConvertitore", "Esci"), 4320, 8160,
         &FrmConvertitore::CmdEsci_Click},
    };
    for (const Button &b : buttons) {
        auto *button = new QPushButton(tr(b.caption), this);
        button->setObjectName(QLatin1String(b.name));
        button->setAutoDefault(false);
        place(button, b.left, b.top, 1575, 375);
        connect(button, &QPushButton::clicked, this, b.command);
        focusOrder << button;
    }
    focusOrder << results;
    for (qsizetype k = 1; k < focusOrder.size(); ++k)
        setTabOrder(focusOrder[k - 1], focusOrder[k]);
    total->setFocus();
}

void FrmConvertitore::fitScreen()
{
    const QSize room = screenfit::clientRoom(this).size();
    const QSize design = size();
    if (room.isEmpty() || (design.width() <= room.width() && design.height() <= room.height()))
        return;
    const double ratio =
        std::min(room.width() / double(design.width()), room.height() / double(design.height()));
    setFixedSize(QSize(int(design.width() * ratio), int(design.height() * ratio)));
    m_resizer->ResizeControls();
    captionfit::fit(this);
}

void FrmConvertitore::setPagePrinter(std::unique_ptr<PagePrinter> printer)
{
    m_printer = std::move(printer);
}

void FrmConvertitore::CmdCalcola_Click()
{
    m_converter.calculate();
}

void FrmConvertitore::CmdStampa_Click()
{
    if (const QString refusal = m_converter.printRefusal(); !refusal.isEmpty()) {
        m_converter.warn(refusal);
        return;
    }
    m_printer->print(m_converter.page(), tr("la conversione"), m_sink);
}

void FrmConvertitore::CmdCancella_Click()
{
    m_converter.clear();
}

void FrmConvertitore::CmdEsci_Click()
{
    close();
}

void FrmConvertitore::keyPressEvent(QKeyEvent *event)
{
    // Only "Esci" and the close box end the window: Esc would throw its contents away.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
