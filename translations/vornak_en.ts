<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="it_IT">
<context>
    <name>Balance</name>
    <message>
        <source>Proteine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carboidrati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grassi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nel range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sotto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sopra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bilancio: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aggiungere %1 g di %2 (proteine %3, carboidrati %4, grassi %5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aggiungere %1 g di %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggerimento </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>non valutate (il catalogo non riporta le fibre)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nessun componente del mix può correggerlo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun bilancio: eseguire il calcolo del mix con &quot;Calcola&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il mix è bilanciato: nessuna correzione necessaria.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fibre</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>Totale peso con uova</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risultati con uova incluse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totale peso senza uova</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risultati con uova escluse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRIMO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SECONDO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TERZO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUARTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUINTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SESTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SETTIMO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTTAVO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NONO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DECIMO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNDICESIMO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DODICESIMO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TREDICESIMO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>riga %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impostare il peso espresso in grammi corrispondente al %1 componente scelto.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devi selezionare un numero per l&apos;indice di digeribilità relativo al %1 componente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devi selezionare un numero per l&apos;indice legante relativo al DODICESIMO componente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devi selezionare un numero per l&apos;indice di legante relativo al %1 componente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>per il %1 componente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato selezionato alcun componente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devi scegliere le UOVA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devi inserire il NUMERO delle UOVA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il peso totale del mix è zero: impostare il peso in grammi dei componenti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I valori inseriti sono troppo grandi per il calcolo: ridurre i pesi o il numero delle uova</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>ALBUMINA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BIRDFOOD BLEND Drumlow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLUE MUSSEL MIX Drumlow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CALCIO CASEINATO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CASEINA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CASEINA ACIDA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CASTAGNA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRUSCA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EGG &amp; HONEY BISKUIT RED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EGG &amp; HONEY BISKUIT YELLOW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI ARACHIDE TOST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI ARINGHE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI AVENA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI CARNE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI CECI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI CRISALIDE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI EMOGLOBINA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI FAVA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI FEGATO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI FEGATO DI POLLO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI GAMBERETTI Drumlow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI GAMBERO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI GRANO 00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI MAIS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI MELASSA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI MERLUZZO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI ORZO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI PATATA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI PESCE BIANCO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI PESCE LT Drumlow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI RISO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI SALMONE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI SALMONE 89 LT Drumlow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI SANGUE AVICOLO (DIsid)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI SARDINA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FARINA DI TONNO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FISH MIX 2000 Drumlow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FISHFOOD BLEND Drumlow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GERME DI GRANO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GLM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GLUTINE DI GRANO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GLUTINE DI MAIS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IDROLIZZATO DI COZZA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IDROLIZZATO DI FEGATO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IDROLIZZATO DI GAMBERO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IDROLIZZATO DI PESCE LT020</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IDROLIZZATO DI PIUME DI GALLINA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ISOLATO DI SOYA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LACTALBUMINA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LATTE IN POLVERE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MATRIX + MIX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NATURE SEED MIX Drumlow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NECTARBLEND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PASTONCINO PER UCCELLI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PEANUTS BLEND Drumlow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POLVERE D&apos;UOVO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRO MIX Drumlow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PROSECTO INSECTIVORUS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RED FACTOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RED SEED MIX Drumlow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RIVER CLASSIC Drumlow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ROBIN RED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ROBIN RED Drumlow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SEMOLINO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SEMOLINO 50% + GERME 50%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SLUIS CLO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SODIO CASEINATO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOYA GRASSA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOYA TOSTATA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SUSHI IMPERIAL MIX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIGER NUTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YELLOW SEED MIX Drumlow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALBUME (IL BIANCO)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TUORLO (IL ROSSO)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UOVO INTERO GALLINA</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>un numero intero di grammi tra 1 e 10.000.000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cost oppure closest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIN:MAX in percento (per esempio 17:40 o 12,5:30) oppure off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIN:MAX in percento (per esempio 3:8) oppure off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIN:MAX in percento (per esempio 25:60) oppure off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>un numero (per esempio 3 o 2,5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ROW=G, con ROW da 1 a 13 e G grammi interi (per esempio 3=100)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ROW=G, con ROW da 1 a 13 e G grammi interi (per esempio 3=400)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il numero di una riga da 1 a 13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il nome di un file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> vuole </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opzione sconosciuta: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opzione ripetuta: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, non «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (una volta per riga)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manca il file della ricetta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Troppi argomenti: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: la riga %2 della ricetta non ha un componente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--eggs free: la ricetta non ha le uova</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uso:
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
      grassi e carboidrati tra MIN e MAX percento (virgola decimale; &quot;off&quot;
      toglie il limite; se manca, 17:40, 3:8 e 25:60) e gli indici di
      digeribilità e legante almeno MIN. cost: il mix più economico;
      closest: il mix più vicino a quello attuale. ROW è una riga da 1 a 13
      (--min, --max e --keep si ripetono); --eggs free lascia scegliere il
      numero delle uova. Scrive ROW NOME: VECCHI g -&gt; NUOVI g per ogni riga e
      Uova: VECCHIE -&gt; NUOVE, poi i risultati come calc e, con i prezzi, il
      costo come cost. Con --save salva la ricetta con i nuovi grammi.
  vornak-cli --help
      Mostra questo aiuto.
  vornak-cli --version
      Mostra la versione.

Ogni comando accetta --ingredients FILE: gli ingredienti personali e i prezzi
vengono da FILE invece che da ingredienti.csv nella cartella dei dati
dell&apos;utente; e --lang it|en: la lingua dei messaggi (se manca, quella del
sistema; italiano per ogni lingua che non sia l&apos;inglese). I file e i numeri
(virgola decimale) sono gli stessi in ogni lingua.

Gli avvisi vanno sullo standard error come &quot;AVVISO: testo&quot;.
Uscita: 0 riuscito, 1 calcolo o controllo rifiutato (per formula: nessun mix
rispetta i limiti, con i motivi), 2 file non apribile come ricetta o comando
non valido.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Costo=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Costo al kg=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sheet vuole --pdf e il nome del file PDF da scrivere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il nome di una stampante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa inviata a </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>convert vuole prima --total e il peso totale in grammi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Troppi componenti: al massimo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» non è nella forma NOME=PERCENTUALE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uova: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--lang vuole it oppure en</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opzione ripetuta: --ingredients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manca il comando</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comando sconosciuto: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>Il valore Percentuale non deve superare il 100%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impostare il Peso Totale Mix in grammi per poter proseguire nel calcolo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avviso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IL TOTALE ATTUALE È </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEVE INVECE ESSERE 100%<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOGLIERE </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AGGIUNGERE </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversione Percentuale - Grammi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peso totale: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> gr.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cost</name>
    <message>
        <source>manca il prezzo di %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Costo: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Costo: %1 € · %2 €/kg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il costo è troppo grande per il calcolo: ridurre i prezzi o i pesi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Costo: …</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DlgCommon</name>
    <message>
        <source>Documenti di testo(*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>AVVISO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il valore digitato non è un numero prego reinserire il valore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non si possono inserire numeri negativi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non si possono inserire valori superiori a 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La somma % di Proteine Grassi e Carboidrati non può essere superiore a 100. Controlla queste voci </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La stampa è annullata. Eseguire prima il calcolo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>
File </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il file non esiste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il disco è pieno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il file supera la dimensione consentita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il disco è di sola lettura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>una parte del percorso non è una cartella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il nome del file è troppo lungo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>errore di lettura o scrittura sul disco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>errore del sistema (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>non è un file normale (è una pipe o un dispositivo)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il file non si può leggere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la cartella %1 non esiste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il file è di sola lettura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permesso negato nella cartella %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>errore di scrittura</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormPrinc</name>
    <message>
        <source>Vornak Ver. %1 - a cura del team Vornak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la ricetta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fare clic per il bilancio del mix e i suggerimenti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bilancio del mix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Componenti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proteine %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grassi %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carboidrati %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indice Digeribilità</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indice Legante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imposta peso in gr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrivere nuovo componente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scegliere un componente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uova</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aggiunta uova al mix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numero uova</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peso delle uova</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome della  ricetta:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrivere il nome della ricetta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrivere le note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proteine gr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grassi gr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carboidrati gr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcola</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esegue il calcolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancella tutti i valori</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apri file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa la ricetta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riferimenti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convertitore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esci dal programma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Salva con nome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visualizza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ingredienti e prezzi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formula del mix…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informazioni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lingua</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Formula</name>
    <message>
        <source>Il calcolo non conferma la formula trovata (%1): nessun mix verificato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La ricerca si è fermata dopo 1 secondo: la formula trovata potrebbe non essere la migliore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riga %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: %1 non sono grammi interi, quindi la riga non si può mantenere com&apos;è</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: i grammi non possono essere negativi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: il minimo di %1 supera il massimo di %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uova: «%1» non è un tipo di uovo conosciuto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uova: %1 non è un numero intero di uova: lasciare libero il numero delle uova o scriverne uno intero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uova: il numero delle uova non può essere negativo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uova: il minimo di %1 uova supera il massimo di %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: il minimo %2 supera il massimo %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>almeno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>al massimo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>con questi ingredienti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>insieme a </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>si arriva al massimo a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>non si scende sotto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: nel mix pesano solo le uova, che non hanno indice legante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il peso totale deve essere un numero intero di grammi maggiore di zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il peso totale può essere al massimo di %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun componente nel mix: scegliere almeno un ingrediente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 superano il peso totale (%2 contro %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>i minimi delle righe e le uova</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>i minimi delle righe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 non arrivano al peso totale (%2 contro %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>i massimi delle righe e le uova</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>i massimi delle righe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le righe 1-13 non hanno grammi: non c&apos;è un mix attuale a cui avvicinarsi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le righe mantenute, i minimi e i massimi non permettono un mix di esattamente %1 in grammi interi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I limiti scelti si escludono a vicenda: nessun mix in grammi interi li rispetta tutti insieme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La ricerca si è fermata dopo 1 secondo senza trovare una formula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il risolutore non è riuscito a cercare la formula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indice di digeribilità</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indice legante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il foglio è cambiato dopo il calcolo della formula: calcolare di nuovo la formula prima di applicarla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uova: il foglio ha 0 uova: scriverne il numero, oppure lasciarlo scegliere alla formula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> e </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormulaRows</name>
    <message>
        <source>0000000 uova</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> uovo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> uova</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Componente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attuali gr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimo gr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Massimo gr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mantieni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proposta gr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grammi interi che la riga deve avere almeno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grammi interi che la riga può avere al massimo; vuoto: fino al peso totale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>totale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La riga tiene i grammi che ha ora nel foglio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uova</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con il segno la formula tiene il numero di uova del foglio; senza, sceglie lei quante uova intere usare (almeno una)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun componente nel foglio: scegliere gli ingredienti nella finestra principale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riga %1 (%2): il %3 «%4» non è un numero intero di grammi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minimo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>massimo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>Informazioni Vornak </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versione %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software Freeware per il calclo dei valori nutrizionali nei mix.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Realizzato dal team Vornak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beta Testers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squadra prove Vornak, Gruppo pesca Vornak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In collaborazione con:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team Vornak</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmBilancio</name>
    <message>
        <source>Bilancio del mix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nutriente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nel mix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intervallo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fibre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggerimenti:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmConvertitore</name>
    <message>
        <source>Convertitire Percentuale - Grammi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peso Totale Mix espresso in grammi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Componente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valore Percentuale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risultato in grammi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcola</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la conversione</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmFormula</name>
    <message>
        <source>Formula del mix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Componenti del foglio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimo e massimo in grammi interi (massimo vuoto: fino al peso totale). «Mantieni» lascia la riga com&apos;è; tolto alle uova, la formula sceglie quante uova usare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcola formula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerca i grammi interi che rispettano i limiti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrive i grammi proposti nel foglio ed esegue Calcola</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Senza il segno la formula non guarda questo valore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>da</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a</source>
        <comment>da … a: the upper end of a range</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con il segno l&apos;indice del mix deve arrivare almeno al minimo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>almeno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limiti del mix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proteine %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grassi %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carboidrati %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indice Digeribilità</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indice Legante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peso totale in gr. (uova incluse)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grammi interi; all&apos;apertura il peso attuale del foglio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obiettivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Costo più basso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Più vicino al mix attuale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Più vicino: i grammi spostati sono i meno possibili rispetto al mix attuale portato al peso totale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risultati della formula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totale peso gr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Costo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Costo al kg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>senza prezzo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il foglio è cambiato: premere «Calcola formula» per una nuova proposta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I limiti sono cambiati: premere «Calcola formula» per una nuova proposta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: il %2 «%3» non è un numero da 0 a 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minimo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>massimo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: il minimo «%2» non è un numero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peso totale: «%1» non è un numero intero di grammi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applica non è riuscito (vedere l&apos;avviso): premere «Calcola formula» per una nuova proposta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La formula è nel foglio ed è stato eseguito Calcola.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per il costo più basso serve il prezzo di ogni componente che può avere grammi:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Aggiungere i prezzi in Visualizza › Ingredienti e prezzi, dare 0 come massimo a quelle righe, o scegliere «Più vicino al mix attuale».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun mix possibile:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grammi spostati rispetto al mix attuale portato al peso totale: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmIngredienti</name>
    <message>
        <source>Ingredienti e prezzi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aggiungi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aggiunge un ingrediente personale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Elimina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina l&apos;ingrediente personale scelto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva ingredienti e prezzi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiude la finestra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scegliere prima l&apos;ingrediente personale da eliminare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file degli ingredienti ha righe non valide, che salvando andranno perse. Salvare comunque?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le modifiche a ingredienti e prezzi non sono state salvate. Salvarle?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sì</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmRiferimenti</name>
    <message>
        <source>Valori di riferimento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INDICE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIGERIBILITÀ:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 - SCARSA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 - MEDIA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 - BUONA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 - MOLTA </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 - OTTIMA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LEGANTE:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-1 - SLEGANTE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 - NEUTRA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 - LEGANTE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BOILIES BILANCIATE:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PROTEINE: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CARBOIDRATI:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GRASSI: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FIBRE:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ingredients</name>
    <message>
        <source>Nome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proteine %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grassi %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carboidrati %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indice Digeribilità</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indice Legante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prezzo € al kg
(uova: € per uovo)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;indice di digeribilità deve essere compreso tra 1 e 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;indice legante deve essere compreso tra -1 e 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il prezzo non può superare 1.000.000 €</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» è scelto nel foglio di lavoro: non si può %2 finché una riga lo usa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rinominare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» è già tra gli ingredienti personali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>per «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuovo ingrediente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si possono eliminare solo gli ingredienti personali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eliminare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare: a «%1» manca il valore di %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 «%2» è un numero troppo grande</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 «%2» non è un numero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il prezzo «%1» è negativo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il prezzo «%1» supera 1.000.000 €</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 «%2» non è tra %3 e %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» compare già alla riga %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» è nel catalogo: valgono i suoi valori, la riga può dare solo il prezzo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» è un tipo di uovo: valgono i suoi valori, la riga può dare solo il prezzo per uovo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>manca il valore di %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>proteine, grassi e carboidrati insieme superano 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>riga %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il testo non è in UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>virgolette non chiuse o seguite da altro testo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>servono %1 campi separati da «;», qui sono %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la prima riga deve essere «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>è più grande di 1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file degli ingredienti «%1» non è stato usato: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nel file degli ingredienti «%1» queste righe non sono valide e sono state ignorate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
… e altre %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file degli ingredienti «%1» non esiste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>manca il nome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«-» non può essere il nome di un ingrediente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» è già un ingrediente del catalogo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» è già un tipo di uovo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il nome non può contenere virgolette (&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il nome non può contenere caratteri di controllo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il nome non può contenere il carattere «%1», che il file delle ricette non può contenere</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Uso: vornak [opzioni] [FILE]
Vornak: calcolatore per mix di esche per la carpa.

Opzioni:
  -h, --help           Mostra questo aiuto.
  -v, --version        Mostra la versione.
  --ingredients FILE   Legge ingredienti personali e prezzi da FILE invece che
                       da ingredienti.csv nella cartella dei dati dell&apos;utente.
  --lang LINGUA        it o en: la lingua di Vornak per questa volta (se manca,
                       quella scelta nella finestra, poi quella del sistema).

Argomenti:
  FILE                 Ricetta da aprire all&apos;avvio, come con il comando &quot;Apri&quot;.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vornak non può aprire la finestra: nessuno schermo (%1).
Vornak va avviato da una sessione grafica; vornak-cli lavora anche senza.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISPLAY non è impostata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISPLAY=%1 non risponde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--ingredients vuole il nome di un file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opzione sconosciuta: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Troppi argomenti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--lang vuole it oppure en</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PagePrinter</name>
    <message>
        <source>. Salvare %1 in un file PDF?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Scegliere la stampante:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sì</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documenti PDF(*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>il sistema di stampa non ha accettato il lavoro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>impossibile preparare il foglio da stampare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna stampante disponibile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna stampante predefinita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare il file PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa non riuscita: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile raggiungere il server di stampa «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: indicarne una con --printer NOME tra queste: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La stampante %1 è in pausa%2: il lavoro resta in coda e sarà stampato quando la stampante verrà riattivata</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Recipe</name>
    <message>
        <source>il campo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il campo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ha una virgoletta (&quot;) che non si sa se chiude il testo: toglierla con un editor di testo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 non è in UTF-8, come il BOM all&apos;inizio del file dice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 campo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 campi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la ricetta finisce dopo %1 invece di %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 non ha una virgoletta di chiusura seguita da una virgola o dalla fine della riga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 apre le virgolette e non le chiude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ha una virgoletta fuori da un testo tra virgolette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il nome della ricetta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il nome del DODICESIMO componente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il nome del TREDICESIMO componente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> contengono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> contiene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 il carattere «%2», che il file delle ricette non può contenere: va tolto prima di salvare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 delle virgolette (&quot;), che il file delle ricette non può contenere: al salvataggio ogni virgoletta sarà scritta come due apostrofi (&apos;&apos;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>contengono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>contiene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare il file: %1 il carattere «%2», che il file delle ricette non può contenere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare il file: la ricetta supera %1 MiB, il limite del file delle ricette. Accorciare %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la ricetta ha %1 campi invece di %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il campo %1 (%2) non è un numero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il campo %1 (%2) non è un componente della lista</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il campo %1 (%2) non è un indice di digeribilità della lista</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il campo %1 (%2) non è un indice legante della lista</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il campo %1 (%2) non è un tipo di uovo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il campo %1 dà dei grammi alla riga %2, che non ha un componente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il campo %1 dà un valore alla riga %2, che non ha un nome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il campo %1 dà un indice alla riga %2, che non ha un nome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dati delle uova con la casella spenta (campo %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il file supera %1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il salvataggio è stato annullato. Eseguire prima il calcolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare il file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile aprire il file: non è una ricetta valida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile leggere il file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile aprire il file: l&apos;ingrediente «%1» non è nel catalogo né tra gli ingredienti personali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devi dare un nome alla tua ricetta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prot. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gras. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carb. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dige. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ricetta:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lega. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peso: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numero di </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dopo i %1 campi della ricetta ne resta %2: una virgola di troppo, forse nel campo %3, l&apos;unico senza virgolette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dopo i %1 campi della ricetta ne restano %2: una virgola di troppo, forse nel campo %3, l&apos;unico senza virgolette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> e </source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
