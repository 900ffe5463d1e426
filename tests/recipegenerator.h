// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculation.h"
#include "catalogue.h"
#include "recipefile.h"
#include "warnings.h"
#include "worksheet.h"

#include <QFile>
#include <QRandomGenerator>

// Recipes as a user builds them: ingredients chosen from the lists, grams typed, now and
// then a custom row and eggs, "Calcola", then saved. Some are edited after the
// calculation, so the results they store no longer match their rows.
namespace recipegenerator {

class QuietSink : public WarningSink
{
public:
    void warn(const QString &, const QString &) override {}
};

inline QString randomGrams(QRandomGenerator &rng)
{
    // Whole grams mostly, some with a decimal comma.
    const int grams = int(rng.bounded(1, 3000));
    return rng.bounded(4) == 0 ? QStringLiteral("%1,%2").arg(grams).arg(rng.bounded(10))
                               : QString::number(grams);
}

inline void fill(Worksheet &w, QRandomGenerator &rng)
{
    using namespace field;
    const QStringList &entries = catalogue::ingredientEntries();
    const int rows = int(rng.bounded(1, kCatalogueRows + 1));
    for (int row = 1; row <= rows; ++row) {
        w.select(componente(row), entries[qsizetype(rng.bounded(1, int(entries.size())))]);
        w.setText(peso(row), randomGrams(rng));
    }
    if (rng.bounded(3) == 0) {
        w.setText(Aggiunta1, QStringLiteral("Mix di casa %1").arg(rng.bounded(100)));
        w.setText(proteine(12), QString::number(rng.bounded(40)));
        w.setText(grassi(12), QString::number(rng.bounded(30)));
        w.setText(carbo(12), QString::number(rng.bounded(30)));
        w.select(dig(12), QString::number(rng.bounded(1, 6)));
        w.select(legante(12), QString::number(rng.bounded(0, 6)));
        w.setText(peso(12), randomGrams(rng));
    }
    if (rng.bounded(2) == 0) {
        const QStringList &eggs = catalogue::eggEntries();
        w.setChecked(true);
        w.select(componente(kEggRow), eggs[qsizetype(rng.bounded(1, int(eggs.size())))]);
        w.setText(NumeroUova, QString::number(rng.bounded(1, 8)));
    }
}

// Writes one recipe to `path`; true when its stored results are those of its rows.
inline bool write(QRandomGenerator &rng, const QString &path, const QString &name)
{
    QuietSink sink;
    Worksheet w;
    w.setWarningSink(&sink);
    fill(w, rng);
    w.setText(field::NomeRicetta, name);
    w.setText(
        field::Note,
        QStringLiteral("Provata a %1 gradi, bollire %2 minuti").arg(rng.bounded(30)).arg(rng.bounded(5)));
    calculate(w);
    const bool edited = rng.bounded(5) == 0;
    if (edited) // grams changed after "Calcola": the stored results are stale
        w.setText(field::peso(1), QString::number(rng.bounded(3000, 6000)));
    const auto bytes = recipefile::encode(recipefile::recordOf(w));
    QFile file(path);
    if (!bytes || !file.open(QIODevice::WriteOnly))
        return false;
    file.write(*bytes);
    return !edited;
}

} // namespace recipegenerator
