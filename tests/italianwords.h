// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegularExpression>
#include <QStringList>

// Words of Vornak's Italian texts that English never uses; any of them left means a text
// escaped translation. "Italiano" is the language menu's own name for Italian.
inline const QStringList kItalianWords = {
    "Calcola",     "Cancella",  "Salva",       "Apri",        "Stampa",
    "Esci",        "Chiudi",    "Riferimenti", "Proteine",    "Grassi",
    "Carboidrati", "Indice",    "Uova",        "uova",        "uovo",
    "Peso",        "peso",      "ricetta",     "Ricetta",     "Componenti",
    "componente",  "grammi",    "Bilancio",    "Costo",       "Nessun",
    "Nessuna",     "FARINA",    "UOVO",        "AVVISO",      "Avviso",
    "Visualizza",  "Lingua",    "della",       "delle",       "il",
    "non",         "è",         "Impossibile", "riga",        "Suggerimento",
    "aggiungere",  "sotto",     "sopra",       "prezzo",      "Formula del mix",
    "Minimo",      "Massimo",   "Applica",     "Ingredienti", "Risultati",
    "bilanciato",  "Confronto", "INTERO",      "GALLINA"};

inline QStringList italianWordsIn(const QString &text)
{
    QStringList found;
    for (const QString &word : kItalianWords) {
        const QRegularExpression whole(
            QStringLiteral("(?<!\\w)%1(?!\\w)").arg(QRegularExpression::escape(word)));
        if (whole.match(text).hasMatch())
            found << word;
    }
    return found;
}
