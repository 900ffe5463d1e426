// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include "sentinels.h"
#include <QCoreApplication>

namespace catalogue {
namespace {

// name, protein %, fat %, carbohydrate %, digestibility index, binder index
const Ingredient kIngredients[] = {
    {QT_TRANSLATE_NOOP("Catalogue", "ALBUMINA"), "75", "1", "0", "3", "5"},
    {QT_TRANSLATE_NOOP("Catalogue", "BIRDFOOD BLEND Drumlow"), "32", "1,8", "41", "4", "3,5"},
    {QT_TRANSLATE_NOOP("Catalogue", "BLUE MUSSEL MIX Drumlow"), "41,5", "2", "28", "4", "2,7"},
    {QT_TRANSLATE_NOOP("Catalogue", "CALCIO CASEINATO"), "90", "1", "1", "3", "4"},
    {QT_TRANSLATE_NOOP("Catalogue", "CASEINA"), "90", "1", "1", "4", "5"},
    {QT_TRANSLATE_NOOP("Catalogue", "CASEINA ACIDA"), "97", "0,8", "1", "4", "5"},
    {QT_TRANSLATE_NOOP("Catalogue", "CASTAGNA"), "6", "3,4", "62", "2", "3"},
    {QT_TRANSLATE_NOOP("Catalogue", "CRUSCA"), "14,1", "5,5", "26,6", "4", "-1"},
    {QT_TRANSLATE_NOOP("Catalogue", "EGG & HONEY BISKUIT RED"), "18", "2,4", "49", "4", "-1"},
    {QT_TRANSLATE_NOOP("Catalogue", "EGG & HONEY BISKUIT YELLOW"), "18", "2,4", "49", "4", "-1"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI ARACHIDE TOST"), "40", "50", "8,5", "3", "0"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI ARINGHE"), "69,5", "8", "1", "3", "-1"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI AVENA"), "12,6", "7,1", "72,9", "3", "4"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI CARNE"), "80", "0", "0", "1", "0"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI CECI"), "21,8", "4,9", "54,3", "3", "4"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI CRISALIDE"), "20", "4", "0", "4", "-1"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI EMOGLOBINA"), "98", "0,1", "0", "5", "0"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI FAVA"), "27,2", "3", "54,8", "3", "3"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI FEGATO"), "85", "10", "2", "3", "0"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI FEGATO DI POLLO"), "65", "16", "1", "3", "0"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI GAMBERETTI Drumlow"), "58", "1,7", "0", "4", "0"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI GAMBERO"), "55", "1,8", "0", "4", "0"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI GRANO 00"), "11", "0,7", "78", "4", "5"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI MAIS"), "8,7", "2,7", "81,5", "5", "4"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI MELASSA"), "5", "0", "60", "4", "-1"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI MERLUZZO"), "79", "7", "1", "3", "0"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI ORZO"), "10,6", "1,9", "80", "3", "3"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI PATATA"), "9,0", "3", "78", "4", "3"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI PESCE BIANCO"), "62", "12", "0", "3", "0"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI PESCE LT Drumlow"), "68", "8", "0", "3", "0"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI RISO"), "7,3", "0,5", "87,8", "4", "3"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI SALMONE"), "64", "8", "0", "3", "0"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI SALMONE 89 LT Drumlow"), "72", "9", "0", "3", "0"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI SANGUE AVICOLO (DIsid)"), "90", "1", "0", "5", "0"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI SARDINA"), "60", "0", "0", "4", "0"},
    {QT_TRANSLATE_NOOP("Catalogue", "FARINA DI TONNO"), "61", "16", "0", "3", "0"},
    {QT_TRANSLATE_NOOP("Catalogue", "FISH MIX 2000 Drumlow"), "34", "17", "34", "3,7", "3,5"},
    {QT_TRANSLATE_NOOP("Catalogue", "FISHFOOD BLEND Drumlow"), "41", "2,1", "41", "3,5", "3,3"},
    {QT_TRANSLATE_NOOP("Catalogue", "GERME DI GRANO"), "29", "10", "55", "5", "4"},
    {QT_TRANSLATE_NOOP("Catalogue", "GLM"), "60", "5", "12", "5", "0"},
    {QT_TRANSLATE_NOOP("Catalogue", "GLUTINE DI GRANO"), "80", "2", "0", "1", "5"},
    {QT_TRANSLATE_NOOP("Catalogue", "GLUTINE DI MAIS"), "60", "1,75", "23", "3", "3"},
    {QT_TRANSLATE_NOOP("Catalogue", "IDROLIZZATO DI COZZA"), "90", "0,2", "1", "5", "0"},
    {QT_TRANSLATE_NOOP("Catalogue", "IDROLIZZATO DI FEGATO"), "90", "2", "0", "5", "0"},
    {QT_TRANSLATE_NOOP("Catalogue", "IDROLIZZATO DI GAMBERO"), "90", "0,2", "0", "5", "0"},
    {QT_TRANSLATE_NOOP("Catalogue", "IDROLIZZATO DI PESCE LT020"), "90", "2", "0", "5", "0"},
    {QT_TRANSLATE_NOOP("Catalogue", "IDROLIZZATO DI PIUME DI GALLINA"), "90", "11,5", "0", "5", "0"},
    {QT_TRANSLATE_NOOP("Catalogue", "ISOLATO DI SOYA"), "90", "0,7", "1", "4", "4"},
    {QT_TRANSLATE_NOOP("Catalogue", "LACTALBUMINA"), "90", "1", "1", "4", "4"},
    {QT_TRANSLATE_NOOP("Catalogue", "LATTE IN POLVERE"), "25", "24,9", "42", "2", "3"},
    {QT_TRANSLATE_NOOP("Catalogue", "MATRIX + MIX"), "29", "6,2", "0", "3,7", "3,5"},
    {QT_TRANSLATE_NOOP("Catalogue", "NATURE SEED MIX Drumlow"), "17", "1,9", "43", "4", "-1"},
    {QT_TRANSLATE_NOOP("Catalogue", "NECTARBLEND"), "15", "9", "65", "4", "-1"},
    {QT_TRANSLATE_NOOP("Catalogue", "PASTONCINO PER UCCELLI"), "10", "10", "50", "4", "-1"},
    {QT_TRANSLATE_NOOP("Catalogue", "PEANUTS BLEND Drumlow"), "29", "18", "38", "3,8", "3,5"},
    {QT_TRANSLATE_NOOP("Catalogue", "POLVERE D'UOVO"), "50", "36,4", "0,4", "2", "4"},
    {QT_TRANSLATE_NOOP("Catalogue", "PRO MIX Drumlow"), "38", "1,9", "42", "4", "4"},
    {QT_TRANSLATE_NOOP("Catalogue", "PROSECTO INSECTIVORUS"), "10", "0", "0", "3", "-1"},
    {QT_TRANSLATE_NOOP("Catalogue", "RED FACTOR"), "12", "8", "65", "4", "-1"},
    {QT_TRANSLATE_NOOP("Catalogue", "RED SEED MIX Drumlow"), "17", "1,9", "43", "4", "-1"},
    {QT_TRANSLATE_NOOP("Catalogue", "RIVER CLASSIC Drumlow"), "28", "1,6", "36", "3,5", "3,1"},
    {QT_TRANSLATE_NOOP("Catalogue", "ROBIN RED"), "12", "14", "65", "5", "-1"},
    {QT_TRANSLATE_NOOP("Catalogue", "ROBIN RED Drumlow"), "12", "8", "65", "5", "-1"},
    {QT_TRANSLATE_NOOP("Catalogue", "SEMOLINO"), "11,5", "0,5", "77,6", "5", "5"},
    {QT_TRANSLATE_NOOP("Catalogue", "SEMOLINO 50% + GERME 50%"), "20", "5,25", "66,3", "5", "4"},
    {QT_TRANSLATE_NOOP("Catalogue", "SLUIS CLO"), "13", "8", "65", "4", "-1"},
    {QT_TRANSLATE_NOOP("Catalogue", "SODIO CASEINATO"), "90", "1", "1", "4", "4"},
    {QT_TRANSLATE_NOOP("Catalogue", "SOYA GRASSA"), "36,5", "23,5", "23,5", "2", "2"},
    {QT_TRANSLATE_NOOP("Catalogue", "SOYA TOSTATA"), "45,3", "7,2", "28,2", "4", "4"},
    {QT_TRANSLATE_NOOP("Catalogue", "SUSHI IMPERIAL MIX"), "29,8", "6,3", "0", "4", "3,5"},
    {QT_TRANSLATE_NOOP("Catalogue", "TIGER NUTS"), "12", "20", "50", "3", "-1"},
    {QT_TRANSLATE_NOOP("Catalogue", "YELLOW SEED MIX Drumlow"), "17", "1,9", "43", "4", "-1"},
};

// name, protein %, fat %, carbohydrate %, digestibility index, grams per egg
const EggKind kEggKinds[] = {
    {QT_TRANSLATE_NOOP("Catalogue", "ALBUME (IL BIANCO)"), "10,7", "1", "0", "3", 37},
    {QT_TRANSLATE_NOOP("Catalogue", "TUORLO (IL ROSSO)"), "15", "29,1", "0", "0", 16},
    {QT_TRANSLATE_NOOP("Catalogue", "UOVO INTERO GALLINA"), "13,0", "11,1", "0", "0", 52},
};

template <typename Entry> QStringList entriesOf(std::span<const Entry> table)
{
    QStringList entries{sentinel::kNothingChosen};
    for (const Entry &entry : table)
        entries << QString::fromLatin1(entry.name);
    return entries;
}

template <typename Entry> const Entry *find(std::span<const Entry> table, const QString &name)
{
    for (const Entry &entry : table)
        if (name == QLatin1String(entry.name))
            return &entry;
    return nullptr;
}

} // namespace

std::span<const Ingredient> ingredients()
{
    return kIngredients;
}

std::span<const EggKind> eggKinds()
{
    return kEggKinds;
}

const Ingredient *findIngredient(const QString &name)
{
    return find(ingredients(), name);
}

const EggKind *findEggKind(const QString &name)
{
    return find(eggKinds(), name);
}

const QStringList &ingredientEntries()
{
    static const QStringList entries = entriesOf(ingredients());
    return entries;
}

const QStringList &eggEntries()
{
    static const QStringList entries = entriesOf(eggKinds());
    return entries;
}

QString displayName(const QString &name)
{
    if (findIngredient(name) || findEggKind(name))
        return QCoreApplication::translate("Catalogue", name.toLatin1().constData());
    return name;
}

const QStringList &digestibilityEntries()
{
    static const QStringList entries{sentinel::kNothingChosen, "0", "1", "2", "3", "4", "5"};
    return entries;
}

const QStringList &binderEntries()
{
    static const QStringList entries{sentinel::kNothingChosen, "0", "1", "-1", "2", "3", "4", "5"};
    return entries;
}

} // namespace catalogue
