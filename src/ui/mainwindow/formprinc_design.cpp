// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls, placed at their design geometry in twips.
#include "contrast.h"
#include "design.h"
#include "dropdownlist.h"
#include "formprinc.h"
#include "notesedit.h"

#include "captionfit.h"
#include "framebox.h"
#include "frmbilancio.h"
#include "widecheckbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

using namespace field;
using design::place;

namespace {

constexpr int kRowHeight = 315;
constexpr int kColumnWidth = 1575;
constexpr int kGramsLeft = 13080;

int rowTop(int row)
{
    return 480 * row;
}

// Children of a frame carry their own font and text colour, so the frame's bold blue
// caption stays the frame's own.
void keepOwnLook(QWidget *child)
{
    QFont font = child->font();
    font.setBold(false);
    child->setFont(font);
    QPalette palette = child->palette();
    palette.setColor(QPalette::WindowText, QGuiApplication::palette().color(QPalette::WindowText));
    palette.setColor(QPalette::Text, QGuiApplication::palette().color(QPalette::Text));
    child->setPalette(palette);
}

} // namespace

QLineEdit *FormPrinc::inputBox(QWidget *parent, FieldId id, int left, int top, int width, int height,
                               bool centred)
{
    auto *edit = design::inputBox(parent, field::name(id), left, top, width, height, centred);
    m_fieldWidgets.insert(id, edit);
    return edit;
}

QLabel *FormPrinc::displayField(QWidget *parent, FieldId id, int left, int top, int width, int height)
{
    QLabel *label = design::displayField(parent, field::name(id), left, top, width, height);
    m_fieldWidgets.insert(id, label);
    return label;
}

QComboBox *FormPrinc::dropDownList(QWidget *parent, FieldId id, int left, int top, int width, int height)
{
    auto *list = new DropDownList(parent);
    list->setObjectName(field::name(id));
    list->setEditable(false);
    list->setMaxVisibleItems(20);
    place(list, left, top, width, height);
    m_fieldWidgets.insert(id, list);
    return list;
}

void FormPrinc::buildWorksheetGrid(QWidget *client)
{
    struct Header
    {
        const char *name;
        const char *text;
        int left, width, height;
    };
    const Header headers[] = {
        {"Label1", QT_TRANSLATE_NOOP("FormPrinc", "Componenti"), 840, 1455, 255},
        {"Label2", QT_TRANSLATE_NOOP("FormPrinc", "Proteine %"), 3600, kColumnWidth, 255},
        {"Label3", QT_TRANSLATE_NOOP("FormPrinc", "Grassi %"), 5400, kColumnWidth, 255},
        {"Label4", QT_TRANSLATE_NOOP("FormPrinc", "Carboidrati %"), 7200, kColumnWidth, 255},
        {"Label5", QT_TRANSLATE_NOOP("FormPrinc", "Indice Digeribilità"), 9000, kColumnWidth, 255},
        {"Label6", QT_TRANSLATE_NOOP("FormPrinc", "Indice Legante"), 10800, kColumnWidth, 255},
        // Wider than its column around the same centre: the type shrinks more slowly than
        // the boxes, so on small screens the caption would be cut.
        {"Label7", QT_TRANSLATE_NOOP("FormPrinc", "Imposta peso in gr."), kGramsLeft - 90, kColumnWidth + 180,
         345},
    };
    for (const Header &h : headers) {
        QLabel *label = design::staticText(client, tr(h.text), h.left, 120, h.width, h.height,
                                           Qt::AlignHCenter | Qt::AlignTop);
        label->setObjectName(QLatin1String(h.name));
    }

    const int valueLefts[] = {3600, 5400, 7200, 9000, 10800};
    for (int row = 1; row <= kIngredientRows; ++row) {
        const int top = rowTop(row);
        const bool customRow = isCustomRow(row);
        if (customRow) {
            auto *name = inputBox(client, aggiunta(row), 120, top, 3135, kRowHeight, false);
            name->setToolTip(tr("Scrivere nuovo componente"));
            for (int k = 0; k < 3; ++k)
                inputBox(client, at(kValueColumns[k], row), valueLefts[k], top, kColumnWidth, kRowHeight);
            dropDownList(client, dig(row), valueLefts[3], top, kColumnWidth, kRowHeight);
            dropDownList(client, legante(row), valueLefts[4], top, kColumnWidth, kRowHeight);
        } else {
            auto *list = dropDownList(client, componente(row), 120, top, 3135, kRowHeight);
            list->setToolTip(tr("Scegliere un componente"));
            for (int k = 0; k < 5; ++k)
                displayField(client, at(kValueColumns[k], row), valueLefts[k], top, kColumnWidth, kRowHeight);
        }
        const bool wide = row >= 10;
        QLabel *number =
            design::staticText(client, QString::number(row), wide ? 12720 : 12840, top, wide ? 255 : 135, 255,
                               wide ? Qt::AlignRight | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
        number->setObjectName(QStringLiteral("LblRiga%1").arg(row));
        number->setFont(design::dialogFont(9.75));
        inputBox(client, peso(row), kGramsLeft, top, kColumnWidth, kRowHeight);
    }
}

void FormPrinc::buildEggFrame(QWidget *client)
{
    auto *frame = new FrameBox(tr("Uova"), client);
    frame->setObjectName(QStringLiteral("Frame1"));
    place(frame, 120, 6600, 10572, 1572);

    auto *check = new WideCheckBox(frame);
    check->setObjectName(field::name(ChkUova));
    m_fieldWidgets.insert(ChkUova, check);
    check->setToolTip(tr("Aggiunta uova al mix"));
    place(check, 120, 240, 975, 255);

    dropDownList(frame, componente(kEggRow), 120, 600, 3015, 315);
    displayField(frame, proteine(kEggRow), 3480, 600, 1575, 315);
    displayField(frame, grassi(kEggRow), 5280, 600, 1575, 315);
    displayField(frame, carbo(kEggRow), 7080, 600, 1575, 315);
    displayField(frame, dig(kEggRow), 8880, 600, 1572, 312);
    design::staticText(frame, tr("Numero uova"), 120, 1080, 1215, 255)
        ->setObjectName(QStringLiteral("Label18"));
    inputBox(frame, NumeroUova, 1440, 1080, 1695, 315);
    // Right-aligned in a box that reaches further left, so the caption stays whole next to
    // its field on small screens too.
    design::staticText(frame, tr("Peso delle uova"), 7080, 1080, 1572, 252, Qt::AlignRight | Qt::AlignTop)
        ->setObjectName(QStringLiteral("Label19"));
    displayField(frame, peso(kEggRow), 8880, 1080, 1572, 312);
}

void FormPrinc::buildRecipeFields(QWidget *client)
{
    design::staticText(client, tr("Nome della  ricetta:"), 10800, 6720, 3855, 255)
        ->setObjectName(QStringLiteral("LblNomeRicetta"));
    auto *name = inputBox(client, NomeRicetta, 10800, 6960, 3855, 315, false);
    name->setToolTip(tr("Scrivere il nome della ricetta"));
    design::staticText(client, tr("Note:"), 10800, 7320, 495, 255)->setObjectName(QStringLiteral("LblNote"));

    auto *notes = new NotesEdit(client);
    notes->setObjectName(field::name(Note));
    m_fieldWidgets.insert(Note, notes);
    notes->setToolTip(tr("Scrivere le note"));
    notes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    notes->setTabChangesFocus(true);
    place(notes, 10800, 7560, 3855, 615);
}

void FormPrinc::buildResultsFrame(QWidget *client)
{
    auto *frame = new FrameBox(client);
    frame->setObjectName(field::name(Frame2));
    m_fieldWidgets.insert(Frame2, frame);
    frame->setFont(design::dialogFont(8.25, true));
    // Blue, or a light blue on a dark window background, where pure blue does not read.
    QPalette palette = frame->palette();
    const QColor caption =
        contrast::firstReadable({QColor(0, 0, 255), QColor(0x8A, 0xB4, 0xF8)},
                                palette.color(QPalette::Window), palette.color(QPalette::WindowText));
    palette.setColor(QPalette::WindowText, caption);
    palette.setColor(QPalette::Text, caption);
    frame->setPalette(palette);
    place(frame, 120, 8280, 14655, 1815);

    struct Caption
    {
        const char *name;
        const char *text;
        int left, top;
    };
    const Caption captions[] = {
        {"Label9", QT_TRANSLATE_NOOP("FormPrinc", "Proteine %"), 3480, 240},
        {"Label10", QT_TRANSLATE_NOOP("FormPrinc", "Grassi %"), 5280, 240},
        {"Label11", QT_TRANSLATE_NOOP("FormPrinc", "Carboidrati %"), 7080, 240},
        {"Label15", QT_TRANSLATE_NOOP("FormPrinc", "Indice Digeribilità"), 8880, 600},
        {"Label16", QT_TRANSLATE_NOOP("FormPrinc", "Indice Legante"), 10680, 600},
        {"Label12", QT_TRANSLATE_NOOP("FormPrinc", "Proteine gr."), 3480, 960},
        {"Label13", QT_TRANSLATE_NOOP("FormPrinc", "Grassi gr."), 5280, 960},
        {"Label14", QT_TRANSLATE_NOOP("FormPrinc", "Carboidrati gr."), 7080, 960},
    };
    for (const Caption &caption : captions) {
        QLabel *label = design::staticText(frame, tr(caption.text), caption.left, caption.top, 1575, 255,
                                           Qt::AlignHCenter | Qt::AlignTop);
        label->setObjectName(QLatin1String(caption.name));
        keepOwnLook(label);
    }
    struct Result
    {
        FieldId id;
        int left, top;
    };
    const Result results[] = {
        {RisProteinePercentuale, 3480, 600},    {RisGrassiPercentuale, 5280, 600},
        {RisCarboidratiPercentuale, 7080, 600}, {RisDigeribilita, 8880, 960},
        {RisProprietaLegante, 10680, 960},      {RisPeso, 12960, 960},
        {RisProteineGrammi, 3480, 1320},        {RisGrassiGrammi, 5280, 1320},
        {RisCarboidratiGrammi, 7080, 1320},
    };
    for (const Result &result : results)
        keepOwnLook(displayField(frame, result.id, result.left, result.top, 1575, 315));
    // Over the total's field, right-aligned with it in a box that reaches left into the free
    // space: "Totale peso senza uova" stays whole on small screens too.
    QLabel *label17 =
        design::staticText(frame, QString(), 12270, 600, 2265, 255, Qt::AlignRight | Qt::AlignTop);
    label17->setObjectName(field::name(Label17));
    m_fieldWidgets.insert(Label17, label17);
    keepOwnLook(label17);
}

void FormPrinc::buildButtons(QWidget *client)
{
    struct Button
    {
        const char *name;
        const char *caption;
        const char *toolTip;
        int left;
        void (FormPrinc::*command)();
    };
    const Button buttons[] = {
        {"CmdCalcola", QT_TRANSLATE_NOOP("FormPrinc", "Calcola"),
         QT_TRANSLATE_NOOP("FormPrinc", "Esegue il calcolo"), 4320, &FormPrinc::CmdCalcola_Click},
        {"CmdCancella", QT_TRANSLATE_NOOP("FormPrinc", "Cancella"),
         QT_TRANSLATE_NOOP("FormPrinc", "Cancella tutti i valori"), 5640, &FormPrinc::CmdCancella_Click},
        {"CmdSalva", QT_TRANSLATE_NOOP("FormPrinc", "Salva "), QT_TRANSLATE_NOOP("FormPrinc", "Salva file"),
         6960, &FormPrinc::CmdSalva_Click},
        {"CmdApri", QT_TRANSLATE_NOOP("FormPrinc", "Apri"), QT_TRANSLATE_NOOP("FormPrinc", "Apri file"), 8280,
         &FormPrinc::CmdApri_Click},
        {"CmdStampa", QT_TRANSLATE_NOOP("FormPrinc", "Stampa "),
         QT_TRANSLATE_NOOP("FormPrinc", "Stampa la ricetta"), 9600, &FormPrinc::CmdStampa_Click},
        {"CmdRiferimenti", QT_TRANSLATE_NOOP("FormPrinc", "Riferimenti"), "", 10920,
         &FormPrinc::CmdRiferimenti_Click},
        {"CmdConvertitore", QT_TRANSLATE_NOOP("FormPrinc", "Convertitore"), "", 12240,
         &FormPrinc::CmdConvertitore_Click},
        {"CmdEsci", QT_TRANSLATE_NOOP("FormPrinc", "Esci"),
         QT_TRANSLATE_NOOP("FormPrinc", "Esci dal programma"), 13560, &FormPrinc::CmdEsci_Click},
    };
    for (const Button &b : buttons) {
        auto *button = new QPushButton(tr(b.caption), client);
        button->setObjectName(QLatin1String(b.name));
        button->setToolTip(*b.toolTip ? tr(b.toolTip) : QString());
        button->setAutoDefault(false);
        button->setProperty(captionfit::kCaption, true); // its text fits the button's width
        place(button, b.left, 10200, 1215, 375);
        m_buttons.insert(QLatin1String(b.name), button);
        connect(button, &QPushButton::clicked, this, b.command);
    }
}

void FormPrinc::buildMenus()
{
    struct Item
    {
        const char *name;
        const char *caption;
        void (FormPrinc::*command)();
    };
    auto addMenu = [this](const char *name, const char *caption, std::initializer_list<Item> items) {
        QMenu *menu = menuBar()->addMenu(tr(caption));
        menu->setObjectName(QLatin1String(name));
        for (const Item &item : items) {
            QAction *action = menu->addAction(tr(item.caption));
            action->setObjectName(QLatin1String(item.name));
            connect(action, &QAction::triggered, this, item.command);
        }
        return menu;
    };
    QMenu *file =
        addMenu("mnuFile", QT_TRANSLATE_NOOP("FormPrinc", "&File"),
                {{"mnuapri", QT_TRANSLATE_NOOP("FormPrinc", "&Apri"), &FormPrinc::CmdApri_Click},
                 {"mnuStampa", QT_TRANSLATE_NOOP("FormPrinc", "&Stampa"), &FormPrinc::CmdStampa_Click},
                 {"mnusalva", QT_TRANSLATE_NOOP("FormPrinc", "&Salva con nome"), &FormPrinc::CmdSalva_Click},
                 {"mnuEsci", QT_TRANSLATE_NOOP("FormPrinc", "&Esci"), &FormPrinc::CmdEsci_Click}});
    addRecentMenu(file);
    m_viewMenu = addMenu(
        "mnuvisualizza", QT_TRANSLATE_NOOP("FormPrinc", "&Visualizza"),
        {{"mnuRiferimenti", QT_TRANSLATE_NOOP("FormPrinc", "Riferimenti"), &FormPrinc::CmdRiferimenti_Click},
         {"mnuConvertitore", QT_TRANSLATE_NOOP("FormPrinc", "Convertitore"),
          &FormPrinc::CmdConvertitore_Click},
         {"mnuIngredienti", QT_TRANSLATE_NOOP("FormPrinc", "Ingredienti e prezzi"),
          &FormPrinc::mnuIngredienti_Click},
         {"mnuFormula", QT_TRANSLATE_NOOP("FormPrinc", "Formula del mix…"), &FormPrinc::mnuFormula_Click}});
    QMenu *info = addMenu("mnuInfo", "&?",
                          {{"mnuInformazioni", QT_TRANSLATE_NOOP("FormPrinc", "Informazioni"),
                            &FormPrinc::mnuInformazioni_Click}});
    buildLanguageMenu(info);
}

void FormPrinc::setFocusOrder()
{
    QList<QWidget *> order;
    for (int row = 1; row <= kCatalogueRows; ++row)
        order << m_fieldWidgets.value(componente(row)) << m_fieldWidgets.value(peso(row));
    for (int row : kCustomRows)
        for (FieldId id :
             {aggiunta(row), proteine(row), grassi(row), carbo(row), dig(row), legante(row), peso(row)})
            order << m_fieldWidgets.value(id);
    for (FieldId id :
         {FieldId(ChkUova), componente(kEggRow), FieldId(NumeroUova), FieldId(NomeRicetta), FieldId(Note)})
        order << m_fieldWidgets.value(id);
    for (const char *button : {"CmdCalcola", "CmdCancella", "CmdSalva", "CmdApri", "CmdStampa", "CmdEsci",
                               "CmdRiferimenti", "CmdConvertitore"})
        order << m_buttons.value(QLatin1String(button));

    QWidget *previous = nullptr;
    for (QWidget *widget : std::as_const(order)) {
        Q_ASSERT(widget);
        widget->setFocusPolicy(Qt::StrongFocus);
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

void FormPrinc::lendTypeToDialogs()
{
    // The column header carries the dialog font as the resizer scales it with the window.
    const auto *header = centralWidget()->findChild<QLabel *>(QStringLiteral("Label1"));
    QFont type = design::dialogFont();
    if (header && header->font().pointSizeF() > type.pointSizeF())
        type = header->font();
    m_sink.setFont(type);
    if (m_balanceWindow && m_balanceWindow->font() != type)
        m_balanceWindow->setFont(type);
    // The status bar's verdicts and the menus read at the worksheet's size too.
    for (QWidget *bar : {static_cast<QWidget *>(statusBar()), static_cast<QWidget *>(menuBar())})
        if (bar->font() != type)
            bar->setFont(type);
}
