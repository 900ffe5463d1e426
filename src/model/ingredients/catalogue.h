// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <span>

// The built-in ingredient and egg tables. Values are texts written into the
// worksheet exactly as they stand ("9,0" keeps its ",0").
namespace catalogue {

struct Ingredient
{
    const char *name;
    const char *proteine;
    const char *grassi;
    const char *carbo;
    const char *dig;
    const char *legante;
};

struct EggKind
{
    const char *name;
    const char *proteine;
    const char *grassi;
    const char *carbo;
    const char *dig;
    int gramsPerEgg;
};

std::span<const Ingredient> ingredients();
std::span<const EggKind> eggKinds();

// Exact, case-sensitive lookup by name; nullptr when there is none.
const Ingredient *findIngredient(const QString &name);
const EggKind *findEggKind(const QString &name);

// The name an entry is shown by in the language of the program; files keep the Italian
// name. Any other text (a personal ingredient, "-") is shown as it is.
QString displayName(const QString &name);

// The entries of the drop-down lists, "-" first.
const QStringList &ingredientEntries();
const QStringList &eggEntries();
const QStringList &digestibilityEntries();
const QStringList &binderEntries();

} // namespace catalogue
