// The main window's controls, placed at their design geometry in twips.
#include "design.h"
#include "formprinc.h"
#include "framebox.h"
#include "widecheckbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

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

QComboBox *dropDownList(QWidget *parent, const QString &name, int left, int top, int width, int height)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(false);
    list->setMaxVisibleItems(20);
    place(list, left, top, width, height);
    return list;
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

void FormPrinc::buildWorksheetGrid(QWidget *client)
{
    struct Header
    {
        const char *name;
        const char *text;
        int left, width, height;
    };
    const Header headers[] = {
        {"Label1", "Componenti", 840, 1455, 255},
        {"Label2", "Proteine %", 3600, kColumnWidth, 255},
        {"Label3", "Grassi %", 5400, kColumnWidth, 255},
        {"Label4", "Carboidrati %", 7200, kColumnWidth, 255},
        {"Label5", "Indice Digeribilità", 9000, kColumnWidth, 255},
        {"Label6", "Indice Legante", 10800, kColumnWidth, 255},
        {"Label7", "Imposta peso in gr.", kGramsLeft, kColumnWidth, 345},
    };
    for (const Header &h : headers) {
        QLabel *label = design::staticText(client, QString::fromUtf8(h.text), h.left, 120, h.width, h.height,
                                           Qt::AlignHCenter | Qt::AlignTop);
        label->setObjectName(QLatin1String(h.name));
    }

    const int valueLefts[] = {3600, 5400, 7200, 9000, 10800};
    for (int row = 1; row <= kIngredientRows; ++row) {
        const int top = rowTop(row);
        const bool customRow = isCustomRow(row);
        if (customRow) {
            auto *name =
                design::inputBox(client, field::name(aggiunta(row)), 120, top, 3135, kRowHeight, false);
            name->setToolTip(QStringLiteral("Scrivere nuovo componente"));
            for (int k = 0; k < 3; ++k)
                design::inputBox(client, field::name(at(kValueColumns[k], row)), valueLefts[k], top,
                                 kColumnWidth, kRowHeight);
            dropDownList(client, field::name(dig(row)), valueLefts[3], top, kColumnWidth, kRowHeight);
            dropDownList(client, field::name(legante(row)), valueLefts[4], top, kColumnWidth, kRowHeight);
        } else {
            auto *list = dropDownList(client, field::name(componente(row)), 120, top, 3135, kRowHeight);
            list->setToolTip(QStringLiteral("Scegliere un componente"));
            for (int k = 0; k < 5; ++k)
                design::displayField(client, field::name(at(kValueColumns[k], row)), valueLefts[k], top,
                                     kColumnWidth, kRowHeight);
        }
        const bool wide = row >= 10;
        QLabel *number =
            design::staticText(client, QString::number(row), wide ? 12720 : 12840, top, wide ? 255 : 135, 255,
                               wide ? Qt::AlignRight | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
        number->setObjectName(QStringLiteral("LblRiga%1").arg(row));
        number->setFont(design::dialogFont(9.75));
        design::inputBox(client, field::name(peso(row)), kGramsLeft, top, kColumnWidth, kRowHeight);
    }
}

void FormPrinc::buildEggFrame(QWidget *client)
{
    auto *frame = new FrameBox(QStringLiteral("Uova"), client);
    frame->setObjectName(QStringLiteral("Frame1"));
    place(frame, 120, 6600, 10572, 1572);

    auto *check = new WideCheckBox(frame);
    check->setObjectName(field::name(ChkUova));
    check->setToolTip(QStringLiteral("Aggiunta uova al mix"));
    place(check, 120, 240, 975, 255);

    dropDownList(frame, field::name(componente(kEggRow)), 120, 600, 3015, 315);
    design::displayField(frame, field::name(proteine(kEggRow)), 3480, 600, 1575, 315);
    design::displayField(frame, field::name(grassi(kEggRow)), 5280, 600, 1575, 315);
    design::displayField(frame, field::name(carbo(kEggRow)), 7080, 600, 1575, 315);
    design::displayField(frame, field::name(dig(kEggRow)), 8880, 600, 1572, 312);
    design::staticText(frame, QStringLiteral("Numero uova"), 120, 1080, 1215, 255)
        ->setObjectName(QStringLiteral("Label18"));
    design::inputBox(frame, field::name(NumeroUova), 1440, 1080, 1695, 315);
    design::staticText(frame, QStringLiteral("Peso delle uova"), 7440, 1080, 1212, 252)
        ->setObjectName(QStringLiteral("Label19"));
    design::displayField(frame, field::name(peso(kEggRow)), 8880, 1080, 1572, 312);
}

void FormPrinc::buildRecipeFields(QWidget *client)
{
    design::staticText(client, QStringLiteral("Nome della  ricetta:"), 10800, 6720, 1575, 255)
        ->setObjectName(QStringLiteral("LblNomeRicetta"));
    auto *name = design::inputBox(client, field::name(NomeRicetta), 10800, 6960, 3855, 315, false);
    name->setToolTip(QStringLiteral("Scrivere il nome della ricetta"));
    design::staticText(client, QStringLiteral("Note:"), 10800, 7320, 495, 255)
        ->setObjectName(QStringLiteral("LblNote"));

    auto *notes = new QPlainTextEdit(client);
    notes->setObjectName(field::name(Note));
    notes->setToolTip(QStringLiteral("Scrivere le note"));
    notes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    notes->setTabChangesFocus(true);
    place(notes, 10800, 7560, 3855, 615);
}

void FormPrinc::buildResultsFrame(QWidget *client)
{
    auto *frame = new FrameBox(client);
    frame->setObjectName(field::name(Frame2));
    frame->setFont(design::dialogFont(8.25, true));
    QPalette palette = frame->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    palette.setColor(QPalette::Text, QColor(0, 0, 255));
    frame->setPalette(palette);
    place(frame, 120, 8280, 14655, 1815);

    struct Item
    {
        const char *name;
        const char *caption; // nullptr for a display field
        int left, top;
    };
    const Item items[] = {
        {"Label9", "Proteine %", 3480, 240},
        {"Label10", "Grassi %", 5280, 240},
        {"Label11", "Carboidrati %", 7080, 240},
        {"TxtRisProteinePercentuale", nullptr, 3480, 600},
        {"TxtRisGrassiPercentuale", nullptr, 5280, 600},
        {"TxtRisCarboidratiPercentuale", nullptr, 7080, 600},
        {"Label15", "Indice Digeribilità", 8880, 600},
        {"Label16", "Indice Legante", 10680, 600},
        {"Label12", "Proteine gr.", 3480, 960},
        {"Label13", "Grassi gr.", 5280, 960},
        {"Label14", "Carboidrati gr.", 7080, 960},
        {"TxtRisDigeribilità", nullptr, 8880, 960},
        {"TxtRisProprietàLegante", nullptr, 10680, 960},
        {"TxtRisPeso", nullptr, 12960, 960},
        {"TxtRisProteineGrammi", nullptr, 3480, 1320},
        {"TxtRisGrassiGrammi", nullptr, 5280, 1320},
        {"TxtRisCarboidratiGrammi", nullptr, 7080, 1320},
    };
    for (const Item &item : items) {
        QWidget *control;
        if (item.caption) {
            control = design::staticText(frame, QString::fromUtf8(item.caption), item.left, item.top, 1575,
                                         255, Qt::AlignHCenter | Qt::AlignTop);
            control->setObjectName(QLatin1String(item.name));
        } else {
            control =
                design::displayField(frame, QString::fromUtf8(item.name), item.left, item.top, 1575, 315);
        }
        keepOwnLook(control);
    }
    QLabel *label17 =
        design::staticText(frame, QString(), 12840, 600, 1695, 255, Qt::AlignHCenter | Qt::AlignTop);
    label17->setObjectName(field::name(Label17));
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
        {"CmdCalcola", "Calcola", "Esegue il calcolo", 4320, &FormPrinc::CmdCalcola_Click},
        {"CmdCancella", "Cancella", "Cancella tutti i valori", 5640, &FormPrinc::CmdCancella_Click},
        {"CmdSalva", "Salva ", "Salva file", 6960, &FormPrinc::CmdSalva_Click},
        {"CmdApri", "Apri", "Apri file", 8280, &FormPrinc::CmdApri_Click},
        {"CmdStampa", "Stampa ", "Stampa la ricetta", 9600, &FormPrinc::CmdStampa_Click},
        {"CmdRiferimenti", "Riferimenti", "", 10920, &FormPrinc::CmdRiferimenti_Click},
        {"CmdConvertitore", "Convertitore", "", 12240, &FormPrinc::CmdConvertitore_Click},
        {"CmdEsci", "Esci", "Esci dal programma", 13560, &FormPrinc::CmdEsci_Click},
    };
    for (const Button &b : buttons) {
        auto *button = new QPushButton(QString::fromLatin1(b.caption), client);
        button->setObjectName(QLatin1String(b.name));
        button->setToolTip(QString::fromLatin1(b.toolTip));
        button->setAutoDefault(false);
        place(button, b.left, 10200, 1215, 375);
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
        QMenu *menu = menuBar()->addMenu(QString::fromLatin1(caption));
        menu->setObjectName(QLatin1String(name));
        for (const Item &item : items) {
            QAction *action = menu->addAction(QString::fromUtf8(item.caption));
            action->setObjectName(QLatin1String(item.name));
            connect(action, &QAction::triggered, this, item.command);
        }
    };
    addMenu("mnuFile", "&File",
            {{"mnuapri", "&Apri", &FormPrinc::CmdApri_Click},
             {"mnuStampa", "&Stampa", &FormPrinc::CmdStampa_Click},
             {"mnusalva", "&Salva con nome", &FormPrinc::CmdSalva_Click},
             {"mnuEsci", "&Esci", &FormPrinc::CmdEsci_Click}});
    addMenu("mnuvisualizza", "&Visualizza",
            {{"mnuRiferimenti", "Riferimenti", &FormPrinc::CmdRiferimenti_Click},
             {"mnuConvertitore", "Convertitore", &FormPrinc::CmdConvertitore_Click},
             {"mnuIngredienti", "Ingredienti e prezzi", &FormPrinc::mnuIngredienti_Click},
             {"mnuFormula", "Formula del mix…", &FormPrinc::mnuFormula_Click}});
    addMenu("mnuInfo", "&?", {{"mnuInformazioni", "Informazioni", &FormPrinc::mnuInformazioni_Click}});
}

void FormPrinc::setFocusOrder()
{
    QStringList order;
    for (int row = 1; row <= kCatalogueRows; ++row)
        order << field::name(componente(row)) << field::name(peso(row));
    for (int row : kCustomRows)
        order << field::name(aggiunta(row)) << field::name(proteine(row)) << field::name(grassi(row))
              << field::name(carbo(row)) << field::name(dig(row)) << field::name(legante(row))
              << field::name(peso(row));
    order << field::name(ChkUova) << field::name(componente(kEggRow)) << field::name(NumeroUova)
          << field::name(NomeRicetta) << field::name(Note);
    order << QStringLiteral("CmdCalcola") << QStringLiteral("CmdCancella") << QStringLiteral("CmdSalva")
          << QStringLiteral("CmdApri") << QStringLiteral("CmdStampa") << QStringLiteral("CmdEsci")
          << QStringLiteral("CmdRiferimenti") << QStringLiteral("CmdConvertitore");

    QWidget *previous = nullptr;
    for (const QString &name : std::as_const(order)) {
        QWidget *widget = findChild<QWidget *>(name);
        Q_ASSERT(widget);
        widget->setFocusPolicy(Qt::StrongFocus);
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
}
