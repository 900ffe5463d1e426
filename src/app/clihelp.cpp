// SPDX-License-Identifier: GPL-3.0-or-later
#include "clihelp.h"

#include "balance.h"

#include <QCoreApplication>

namespace {

const char kHelp[] = QT_TRANSLATE_NOOP("Cli", R"(Uso:
  vornak-cli calc FILE [--save OUT]
      Apre la ricetta FILE, esegue il calcolo e scrive i risultati, uno per
      riga (NOME=TESTO). Con --save salva la ricetta ricalcolata in OUT.
  vornak-cli balance FILE
      Apre la ricetta FILE, esegue il calcolo e confronta proteine,
      carboidrati e grassi con gli intervalli di un mix bilanciato (NOME=QUOTA
      INTERVALLO ESITO); per ogni valore fuori intervallo suggerisce quanti
      grammi aggiungere e di quale componente.
  vornak-cli sheet FILE --pdf OUT
      Apre la ricetta FILE (senza ricalcolarla) e scrive il foglio della
      ricetta in OUT come PDF.
  vornak-cli print FILE [--printer NOME]
      Apre la ricetta FILE (senza ricalcolarla) e stampa il foglio della
      ricetta sulla stampante predefinita (o su NOME).
  vornak-cli convert --total GRAMMI NOME=PERCENTUALE ... [--pdf OUT]
      Converte una ricetta in percentuali (fino a 13 componenti) in grammi per
      il peso totale dato e scrive ogni riga come NOME=GRAMMI. Con --pdf
      scrive anche il foglio della conversione in OUT.
  vornak-cli cost FILE
      Apre la ricetta FILE, esegue il calcolo e scrive il costo del mix e il
      costo al chilogrammo (Costo=... e Costo al kg=...) dai prezzi degli
      ingredienti.
  vornak-cli formula FILE [--total G] [--goal cost|closest]
          [--protein MIN:MAX] [--fat MIN:MAX] [--carbs MIN:MAX]
          [--digestibility MIN] [--binder MIN]
          [--min ROW=G] [--max ROW=G] [--keep ROW] [--eggs free]
          [--save OUT]
      Apre la ricetta FILE e cerca i grammi interi dei suoi componenti per un
      mix di G grammi (uova incluse; se manca, il peso attuale) con proteine,
      grassi e carboidrati tra MIN e MAX percento (virgola decimale; "off"
      toglie il limite; se manca, %1, %2 e %3) e gli indici di
      digeribilità e legante almeno MIN. cost: il mix più economico;
      closest: il mix più vicino a quello attuale. ROW è una riga da 1 a 13
      (--min, --max e --keep si ripetono); --eggs free lascia scegliere il
      numero delle uova. Scrive ROW NOME: VECCHI g -> NUOVI g per ogni riga e
      Uova: VECCHIE -> NUOVE, poi i risultati come calc e, con i prezzi, il
      costo come cost. Con --save salva la ricetta con i nuovi grammi.
  vornak-cli list [CARTELLA] [--csv]
          [--balance balanced|out|protein|fat|carbs] [--cost MIN:MAX]
          [--same-mix]
      Elenca le ricette della CARTELLA (se manca, quella attuale) e delle sue
      sottocartelle, una per riga con le colonne dell'archivio: file, nome,
      data, peso totale, proteine, grassi e carboidrati %, indici, bilancio,
      costo al kg (con i prezzi attuali), se i risultati salvati nel file
      sono diversi da quelli calcolati dalle righe e le altre ricette con gli
      stessi ingredienti e grammi. Separate da tabulazioni, o con --csv da
      ";" con la virgola decimale, per un foglio di calcolo. Solo le ricette
      bilanciate (balanced), fuori range (out) o con proteine, grassi o
      carboidrati fuori range (protein, fat, carbs); con un costo al kg tra
      MIN e MAX euro (un lato vuoto non ha limite: 3: oppure :4,20); con gli
      stessi ingredienti e grammi di un'altra ricetta (--same-mix).
      I file che non sono ricette vanno sullo standard error con il motivo.
      Uscita 2 se la cartella non si può leggere.
  vornak-cli compare A B [C D]
      Confronta da 2 a 4 ricette affiancate: ingredienti allineati per nome,
      risultati, indici, bilancio e costo al kg, con le differenze dalla
      prima segnate, e le quote a barre rispetto ai range bilanciati.
  vornak-cli --help
      Mostra questo aiuto.
  vornak-cli --version
      Mostra la versione.

Ogni comando accetta --ingredients FILE: gli ingredienti personali e i prezzi
vengono da FILE invece che da ingredienti.csv nella cartella dei dati
dell'utente; e --lang it|en: la lingua dei messaggi (se manca, quella del
sistema; italiano per ogni lingua che non sia l'inglese). I file e i numeri
(virgola decimale) sono gli stessi in ogni lingua.

Gli avvisi vanno sullo standard error come "AVVISO: testo".
Uscita: 0 riuscito, 1 calcolo o controllo rifiutato (per formula: nessun mix
rispetta i limiti, con i motivi), 2 file non apribile come ricetta o comando
non valido.
)");

} // namespace

QString helpText()
{
    const auto band = [](balance::Nutrient nutrient) {
        const balance::Range range = balance::rangeOf(nutrient);
        return QStringLiteral("%1:%2").arg(range.low).arg(range.high);
    };
    return QCoreApplication::translate("Cli", kHelp)
        .arg(band(balance::Nutrient::Protein), band(balance::Nutrient::Fat), band(balance::Nutrient::Carbo));
}
