<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="it_IT">
<context>
    <name>ArchiveCommands</name>
    <message>
        <source>Impossibile leggere la cartella: </source>
        <translation>Cannot read the folder: </translation>
    </message>
    <message>
        <source>compare vuole da 2 a 4 file di ricette</source>
        <translation>compare takes 2 to 4 recipe files</translation>
    </message>
</context>
<context>
    <name>ArchiveFilterBar</name>
    <message>
        <source>tutte</source>
        <translation>all</translation>
    </message>
    <message>
        <source>bilanciate</source>
        <translation>balanced</translation>
    </message>
    <message>
        <source>fuori range</source>
        <translation>out of range</translation>
    </message>
    <message>
        <source>proteine fuori range</source>
        <translation>protein out of range</translation>
    </message>
    <message>
        <source>carboidrati fuori range</source>
        <translation>carbohydrate out of range</translation>
    </message>
    <message>
        <source>grassi fuori range</source>
        <translation>fat out of range</translation>
    </message>
    <message>
        <source>qualsiasi</source>
        <translation>any</translation>
    </message>
    <message>
        <source>&amp;Bilancio:</source>
        <translation>&amp;Balance:</translation>
    </message>
    <message>
        <source>Solo le ricette che costano almeno tanto al kg</source>
        <translation>Only recipes that cost at least this much per kg</translation>
    </message>
    <message>
        <source>Solo le ricette che costano al più tanto al kg</source>
        <translation>Only recipes that cost at most this much per kg</translation>
    </message>
    <message>
        <source>Cos&amp;to al kg da</source>
        <translation>Cos&amp;t per kg from</translation>
    </message>
    <message>
        <source>a</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Stesso &amp;mix di un&apos;altra</source>
        <translation>Same &amp;mix as another</translation>
    </message>
    <message>
        <source>Solo le ricette con gli stessi ingredienti e grammi di un&apos;altra ricetta della cartella, sotto qualunque nome</source>
        <translation>Only recipes with the same ingredients and grams as another recipe of the folder, under any name</translation>
    </message>
</context>
<context>
    <name>Archivio</name>
    <message>
        <source>la cartella «%1» non esiste</source>
        <translation>the folder «%1» does not exist</translation>
    </message>
    <message>
        <source>«%1» non è una cartella</source>
        <translation>«%1» is not a folder</translation>
    </message>
    <message>
        <source>permesso negato per la cartella «%1»</source>
        <translation>permission denied for the folder «%1»</translation>
    </message>
    <message>
        <source>il nome del file non è in UTF-8: rinominarlo per aprirlo</source>
        <translation>the file name is not in UTF-8: rename the file to open it</translation>
    </message>
    <message>
        <source>I risultati salvati nel file sono diversi da quelli calcolati dalle sue righe</source>
        <translation>The results saved in the file differ from those calculated from its rows</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Ricetta</source>
        <translation>Recipe</translation>
    </message>
    <message>
        <source>Modificata</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>Peso totale</source>
        <translation>Total weight</translation>
    </message>
    <message>
        <source>Proteine %</source>
        <translation>Protein %</translation>
    </message>
    <message>
        <source>Grassi %</source>
        <translation>Fat %</translation>
    </message>
    <message>
        <source>Carboidrati %</source>
        <translation>Carbs %</translation>
    </message>
    <message>
        <source>Digeribilità</source>
        <translation>Digestibility</translation>
    </message>
    <message>
        <source>Legante</source>
        <translation>Binder</translation>
    </message>
    <message>
        <source>Bilancio</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Costo al kg</source>
        <translation>Cost per kg</translation>
    </message>
    <message>
        <source>Risultati salvati</source>
        <translation>Saved results</translation>
    </message>
    <message>
        <source>diversi</source>
        <translation>different</translation>
    </message>
    <message>
        <source>uguali</source>
        <translation>same</translation>
    </message>
    <message>
        <source>Calcola rifiuta: %1</source>
        <translation>Calculate refuses: %1</translation>
    </message>
    <message>
        <source>nessuno</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Impossibile leggere la cartella
Cartella %1: %2</source>
        <translation>Cannot read the folder
Folder %1: %2</translation>
    </message>
    <message>
        <source>il nome della cartella non è in UTF-8: rinominarla per aprirla</source>
        <translation>the folder name is not UTF-8: rename it to open it</translation>
    </message>
    <message>
        <source>Stesso mix</source>
        <translation>Same mix</translation>
    </message>
</context>
<context>
    <name>Balance</name>
    <message>
        <source>Proteine</source>
        <translation>Protein</translation>
    </message>
    <message>
        <source>Carboidrati</source>
        <translation>Carbohydrate</translation>
    </message>
    <message>
        <source>Grassi</source>
        <translation>Fat</translation>
    </message>
    <message>
        <source>nel range</source>
        <translation>in range</translation>
    </message>
    <message>
        <source>sotto</source>
        <translation>below</translation>
    </message>
    <message>
        <source>sopra</source>
        <translation>above</translation>
    </message>
    <message>
        <source>Bilancio: </source>
        <translation>Balance: </translation>
    </message>
    <message>
        <source>aggiungere %1 g di %2 (proteine %3, carboidrati %4, grassi %5)</source>
        <translation>add %1 g of %2 (protein %3, carbohydrate %4, fat %5)</translation>
    </message>
    <message>
        <source>aggiungere %1 g di %2</source>
        <translation>add %1 g of %2</translation>
    </message>
    <message>
        <source>Suggerimento </source>
        <translation>Suggestion </translation>
    </message>
    <message>
        <source>non valutate (il catalogo non riporta le fibre)</source>
        <translation>not assessed (the catalogue gives no fibre)</translation>
    </message>
    <message>
        <source>nessun componente del mix può correggerlo</source>
        <translation>no ingredient of the mix can correct it</translation>
    </message>
    <message>
        <source>Nessun bilancio: eseguire il calcolo del mix con &quot;Calcola&quot;.</source>
        <translation>No balance: calculate the mix with &quot;Calculate&quot;.</translation>
    </message>
    <message>
        <source>Il mix è bilanciato: nessuna correzione necessaria.</source>
        <translation>The mix is balanced: no correction needed.</translation>
    </message>
    <message>
        <source>Fibre</source>
        <translation>Fibre</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>Totale peso con uova</source>
        <translation>Total weight with eggs</translation>
    </message>
    <message>
        <source>Risultati con uova incluse</source>
        <translation>Results with eggs included</translation>
    </message>
    <message>
        <source>Totale peso senza uova</source>
        <translation>Total weight without eggs</translation>
    </message>
    <message>
        <source>Risultati con uova escluse</source>
        <translation>Results with eggs excluded</translation>
    </message>
    <message>
        <source>PRIMO</source>
        <translation>FIRST</translation>
    </message>
    <message>
        <source>SECONDO</source>
        <translation>SECOND</translation>
    </message>
    <message>
        <source>TERZO</source>
        <translation>THIRD</translation>
    </message>
    <message>
        <source>QUARTO</source>
        <translation>FOURTH</translation>
    </message>
    <message>
        <source>QUINTO</source>
        <translation>FIFTH</translation>
    </message>
    <message>
        <source>SESTO</source>
        <translation>SIXTH</translation>
    </message>
    <message>
        <source>SETTIMO</source>
        <translation>SEVENTH</translation>
    </message>
    <message>
        <source>OTTAVO</source>
        <translation>EIGHTH</translation>
    </message>
    <message>
        <source>NONO</source>
        <translation>NINTH</translation>
    </message>
    <message>
        <source>DECIMO</source>
        <translation>TENTH</translation>
    </message>
    <message>
        <source>UNDICESIMO</source>
        <translation>ELEVENTH</translation>
    </message>
    <message>
        <source>DODICESIMO</source>
        <translation>TWELFTH</translation>
    </message>
    <message>
        <source>TREDICESIMO</source>
        <translation>THIRTEENTH</translation>
    </message>
    <message>
        <source>riga %1</source>
        <translation>row %1</translation>
    </message>
    <message>
        <source>Impostare il peso espresso in grammi corrispondente al %1 componente scelto.</source>
        <translation>Enter the weight in grams of the %1 ingredient chosen.</translation>
    </message>
    <message>
        <source>Devi selezionare un numero per l&apos;indice di digeribilità relativo al %1 componente</source>
        <translation>Choose a digestibility index for the %1 ingredient</translation>
    </message>
    <message>
        <source>Devi selezionare un numero per l&apos;indice legante relativo al DODICESIMO componente</source>
        <translation>Choose a binder index for the TWELFTH ingredient</translation>
    </message>
    <message>
        <source>Devi selezionare un numero per l&apos;indice di legante relativo al %1 componente</source>
        <translation>Choose a binder index for the %1 ingredient</translation>
    </message>
    <message>
        <source>per il %1 componente</source>
        <translation>for the %1 ingredient</translation>
    </message>
    <message>
        <source>Non è stato selezionato alcun componente</source>
        <translation>No ingredient has been chosen</translation>
    </message>
    <message>
        <source>Devi scegliere le UOVA</source>
        <translation>Choose the EGGS</translation>
    </message>
    <message>
        <source>Devi inserire il NUMERO delle UOVA</source>
        <translation>Enter the NUMBER of EGGS</translation>
    </message>
    <message>
        <source>Il peso totale del mix è zero: impostare il peso in grammi dei componenti</source>
        <translation>The total weight of the mix is zero: enter the weight in grams of the ingredients</translation>
    </message>
    <message>
        <source>I valori inseriti sono troppo grandi per il calcolo: ridurre i pesi o il numero delle uova</source>
        <translation>The values entered are too large to calculate: reduce the weights or the number of eggs</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>ALBUMINA</source>
        <translation>ALBUMIN</translation>
    </message>
    <message>
        <source>BIRDFOOD BLEND Drumlow</source>
        <translation>BIRDFOOD BLEND Drumlow</translation>
    </message>
    <message>
        <source>BLUE MUSSEL MIX Drumlow</source>
        <translation>BLUE MUSSEL MIX Drumlow</translation>
    </message>
    <message>
        <source>CALCIO CASEINATO</source>
        <translation>CALCIUM CASEINATE</translation>
    </message>
    <message>
        <source>CASEINA</source>
        <translation>CASEIN</translation>
    </message>
    <message>
        <source>CASEINA ACIDA</source>
        <translation>ACID CASEIN</translation>
    </message>
    <message>
        <source>CASTAGNA</source>
        <translation>CHESTNUT FLOUR</translation>
    </message>
    <message>
        <source>CRUSCA</source>
        <translation>BRAN</translation>
    </message>
    <message>
        <source>EGG &amp; HONEY BISKUIT RED</source>
        <translation>EGG &amp; HONEY BISKUIT RED</translation>
    </message>
    <message>
        <source>EGG &amp; HONEY BISKUIT YELLOW</source>
        <translation>EGG &amp; HONEY BISKUIT YELLOW</translation>
    </message>
    <message>
        <source>FARINA DI ARACHIDE TOST</source>
        <translation>ROASTED PEANUT FLOUR</translation>
    </message>
    <message>
        <source>FARINA DI ARINGHE</source>
        <translation>HERRING MEAL</translation>
    </message>
    <message>
        <source>FARINA DI AVENA</source>
        <translation>OAT FLOUR</translation>
    </message>
    <message>
        <source>FARINA DI CARNE</source>
        <translation>MEAT MEAL</translation>
    </message>
    <message>
        <source>FARINA DI CECI</source>
        <translation>CHICKPEA FLOUR</translation>
    </message>
    <message>
        <source>FARINA DI CRISALIDE</source>
        <translation>SILKWORM PUPAE MEAL</translation>
    </message>
    <message>
        <source>FARINA DI EMOGLOBINA</source>
        <translation>HAEMOGLOBIN POWDER</translation>
    </message>
    <message>
        <source>FARINA DI FAVA</source>
        <translation>BROAD BEAN FLOUR</translation>
    </message>
    <message>
        <source>FARINA DI FEGATO</source>
        <translation>LIVER POWDER</translation>
    </message>
    <message>
        <source>FARINA DI FEGATO DI POLLO</source>
        <translation>CHICKEN LIVER POWDER</translation>
    </message>
    <message>
        <source>FARINA DI GAMBERETTI Drumlow</source>
        <translation>SHRIMP MEAL Drumlow</translation>
    </message>
    <message>
        <source>FARINA DI GAMBERO</source>
        <translation>PRAWN MEAL</translation>
    </message>
    <message>
        <source>FARINA DI GRANO 00</source>
        <translation>WHEAT FLOUR 00</translation>
    </message>
    <message>
        <source>FARINA DI MAIS</source>
        <translation>MAIZE MEAL</translation>
    </message>
    <message>
        <source>FARINA DI MELASSA</source>
        <translation>MOLASSES MEAL</translation>
    </message>
    <message>
        <source>FARINA DI MERLUZZO</source>
        <translation>COD MEAL</translation>
    </message>
    <message>
        <source>FARINA DI ORZO</source>
        <translation>BARLEY FLOUR</translation>
    </message>
    <message>
        <source>FARINA DI PATATA</source>
        <translation>POTATO FLOUR</translation>
    </message>
    <message>
        <source>FARINA DI PESCE BIANCO</source>
        <translation>WHITE FISHMEAL</translation>
    </message>
    <message>
        <source>FARINA DI PESCE LT Drumlow</source>
        <translation>LT FISHMEAL Drumlow</translation>
    </message>
    <message>
        <source>FARINA DI RISO</source>
        <translation>RICE FLOUR</translation>
    </message>
    <message>
        <source>FARINA DI SALMONE</source>
        <translation>SALMON MEAL</translation>
    </message>
    <message>
        <source>FARINA DI SALMONE 89 LT Drumlow</source>
        <translation>SALMON MEAL 89 LT Drumlow</translation>
    </message>
    <message>
        <source>FARINA DI SANGUE AVICOLO (DIsid)</source>
        <translation>POULTRY BLOOD MEAL (DIsid)</translation>
    </message>
    <message>
        <source>FARINA DI SARDINA</source>
        <translation>SARDINE MEAL</translation>
    </message>
    <message>
        <source>FARINA DI TONNO</source>
        <translation>TUNA MEAL</translation>
    </message>
    <message>
        <source>FISH MIX 2000 Drumlow</source>
        <translation>FISH MIX 2000 Drumlow</translation>
    </message>
    <message>
        <source>FISHFOOD BLEND Drumlow</source>
        <translation>FISHFOOD BLEND Drumlow</translation>
    </message>
    <message>
        <source>GERME DI GRANO</source>
        <translation>WHEATGERM</translation>
    </message>
    <message>
        <source>GLM</source>
        <translation>GLM</translation>
    </message>
    <message>
        <source>GLUTINE DI GRANO</source>
        <translation>WHEAT GLUTEN</translation>
    </message>
    <message>
        <source>GLUTINE DI MAIS</source>
        <translation>MAIZE GLUTEN</translation>
    </message>
    <message>
        <source>IDROLIZZATO DI COZZA</source>
        <translation>MUSSEL HYDROLYSATE</translation>
    </message>
    <message>
        <source>IDROLIZZATO DI FEGATO</source>
        <translation>LIVER HYDROLYSATE</translation>
    </message>
    <message>
        <source>IDROLIZZATO DI GAMBERO</source>
        <translation>PRAWN HYDROLYSATE</translation>
    </message>
    <message>
        <source>IDROLIZZATO DI PESCE LT020</source>
        <translation>FISH HYDROLYSATE LT020</translation>
    </message>
    <message>
        <source>IDROLIZZATO DI PIUME DI GALLINA</source>
        <translation>HYDROLYSED FEATHER MEAL</translation>
    </message>
    <message>
        <source>ISOLATO DI SOYA</source>
        <translation>SOYA ISOLATE</translation>
    </message>
    <message>
        <source>LACTALBUMINA</source>
        <translation>LACTALBUMIN</translation>
    </message>
    <message>
        <source>LATTE IN POLVERE</source>
        <translation>MILK POWDER</translation>
    </message>
    <message>
        <source>MATRIX + MIX</source>
        <translation>MATRIX + MIX</translation>
    </message>
    <message>
        <source>NATURE SEED MIX Drumlow</source>
        <translation>NATURE SEED MIX Drumlow</translation>
    </message>
    <message>
        <source>NECTARBLEND</source>
        <translation>NECTARBLEND</translation>
    </message>
    <message>
        <source>PASTONCINO PER UCCELLI</source>
        <translation>SONGBIRD SOFTFOOD</translation>
    </message>
    <message>
        <source>PEANUTS BLEND Drumlow</source>
        <translation>PEANUTS BLEND Drumlow</translation>
    </message>
    <message>
        <source>POLVERE D&apos;UOVO</source>
        <translation>EGG POWDER</translation>
    </message>
    <message>
        <source>PRO MIX Drumlow</source>
        <translation>PRO MIX Drumlow</translation>
    </message>
    <message>
        <source>PROSECTO INSECTIVORUS</source>
        <translation>PROSECTO INSECTIVORUS</translation>
    </message>
    <message>
        <source>RED FACTOR</source>
        <translation>RED FACTOR</translation>
    </message>
    <message>
        <source>RED SEED MIX Drumlow</source>
        <translation>RED SEED MIX Drumlow</translation>
    </message>
    <message>
        <source>RIVER CLASSIC Drumlow</source>
        <translation>RIVER CLASSIC Drumlow</translation>
    </message>
    <message>
        <source>ROBIN RED</source>
        <translation>ROBIN RED</translation>
    </message>
    <message>
        <source>ROBIN RED Drumlow</source>
        <translation>ROBIN RED Drumlow</translation>
    </message>
    <message>
        <source>SEMOLINO</source>
        <translation>SEMOLINA</translation>
    </message>
    <message>
        <source>SEMOLINO 50% + GERME 50%</source>
        <translation>SEMOLINA 50% + WHEATGERM 50%</translation>
    </message>
    <message>
        <source>SLUIS CLO</source>
        <translation>SLUIS CLO</translation>
    </message>
    <message>
        <source>SODIO CASEINATO</source>
        <translation>SODIUM CASEINATE</translation>
    </message>
    <message>
        <source>SOYA GRASSA</source>
        <translation>FULL-FAT SOYA</translation>
    </message>
    <message>
        <source>SOYA TOSTATA</source>
        <translation>TOASTED SOYA</translation>
    </message>
    <message>
        <source>SUSHI IMPERIAL MIX</source>
        <translation>SUSHI IMPERIAL MIX</translation>
    </message>
    <message>
        <source>TIGER NUTS</source>
        <translation>TIGER NUTS</translation>
    </message>
    <message>
        <source>YELLOW SEED MIX Drumlow</source>
        <translation>YELLOW SEED MIX Drumlow</translation>
    </message>
    <message>
        <source>ALBUME (IL BIANCO)</source>
        <translation>EGG WHITE</translation>
    </message>
    <message>
        <source>TUORLO (IL ROSSO)</source>
        <translation>EGG YOLK</translation>
    </message>
    <message>
        <source>UOVO INTERO GALLINA</source>
        <translation>WHOLE HEN EGG</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>un numero intero di grammi tra 1 e 10.000.000</source>
        <translation>a whole number of grams from 1 to 10.000.000</translation>
    </message>
    <message>
        <source>cost oppure closest</source>
        <translation>cost or closest</translation>
    </message>
    <message>
        <source>MIN:MAX in percento (per esempio 17:40 o 12,5:30) oppure off</source>
        <translation>MIN:MAX in percent (for example 17:40 or 12,5:30) or off</translation>
    </message>
    <message>
        <source>MIN:MAX in percento (per esempio 3:8) oppure off</source>
        <translation>MIN:MAX in percent (for example 3:8) or off</translation>
    </message>
    <message>
        <source>MIN:MAX in percento (per esempio 25:60) oppure off</source>
        <translation>MIN:MAX in percent (for example 25:60) or off</translation>
    </message>
    <message>
        <source>un numero (per esempio 3 o 2,5)</source>
        <translation>a number (for example 3 or 2,5)</translation>
    </message>
    <message>
        <source>ROW=G, con ROW da 1 a 13 e G grammi interi (per esempio 3=100)</source>
        <translation>ROW=G, with ROW from 1 to 13 and G whole grams (for example 3=100)</translation>
    </message>
    <message>
        <source>ROW=G, con ROW da 1 a 13 e G grammi interi (per esempio 3=400)</source>
        <translation>ROW=G, with ROW from 1 to 13 and G whole grams (for example 3=400)</translation>
    </message>
    <message>
        <source>il numero di una riga da 1 a 13</source>
        <translation>the number of a row from 1 to 13</translation>
    </message>
    <message>
        <source>il nome di un file</source>
        <translation>a file name</translation>
    </message>
    <message>
        <source> vuole </source>
        <translation> wants </translation>
    </message>
    <message>
        <source>Opzione sconosciuta: </source>
        <translation>Unknown option: </translation>
    </message>
    <message>
        <source>Opzione ripetuta: </source>
        <translation>Option repeated: </translation>
    </message>
    <message>
        <source>, non «%1»</source>
        <translation>, not «%1»</translation>
    </message>
    <message>
        <source>Manca il file della ricetta</source>
        <translation>The recipe file is missing</translation>
    </message>
    <message>
        <source>Troppi argomenti: </source>
        <translation>Too many arguments: </translation>
    </message>
    <message>
        <source>%1 %2: la riga %2 della ricetta non ha un componente</source>
        <translation>%1 %2: row %2 of the recipe has no ingredient</translation>
    </message>
    <message>
        <source>--eggs free: la ricetta non ha le uova</source>
        <translation>--eggs free: the recipe has no eggs</translation>
    </message>
    <message>
        <source>Costo=</source>
        <translation>Cost=</translation>
    </message>
    <message>
        <source>Costo al kg=</source>
        <translation>Cost per kg=</translation>
    </message>
    <message>
        <source>sheet vuole --pdf e il nome del file PDF da scrivere</source>
        <translation>sheet wants --pdf and the name of the PDF file to write</translation>
    </message>
    <message>
        <source>il nome di una stampante</source>
        <translation>a printer name</translation>
    </message>
    <message>
        <source>Stampa inviata a </source>
        <translation>Print sent to </translation>
    </message>
    <message>
        <source>convert vuole prima --total e il peso totale in grammi</source>
        <translation>convert wants --total and the total weight in grams first</translation>
    </message>
    <message>
        <source>Troppi componenti: al massimo %1</source>
        <translation>Too many ingredients: %1 at most</translation>
    </message>
    <message>
        <source>«%1» non è nella forma NOME=PERCENTUALE</source>
        <translation>«%1» is not in the form NAME=PERCENTAGE</translation>
    </message>
    <message>
        <source>Uova: </source>
        <translation>Eggs: </translation>
    </message>
    <message>
        <source>--lang vuole it oppure en</source>
        <translation>--lang wants it or en</translation>
    </message>
    <message>
        <source>Manca il comando</source>
        <translation>The command is missing</translation>
    </message>
    <message>
        <source>Comando sconosciuto: </source>
        <translation>Unknown command: </translation>
    </message>
    <message>
        <source>--keep %1: la riga %1 (%2) resta ai suoi grammi, e non può avere anche --min o --max</source>
        <translation>--keep %1: row %1 (%2) stays at its grams, and cannot also have --min or --max</translation>
    </message>
    <message numerus="yes">
        <source>Il foglio occupa %n pagine.</source>
        <translation>
            <numerusform>The sheet takes %n page.</numerusform>
            <numerusform>The sheet takes %n pages.</numerusform>
        </translation>
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
      toglie il limite; se manca, %1, %2 e %3) e gli indici di
      digeribilità e legante almeno MIN. cost: il mix più economico;
      closest: il mix più vicino a quello attuale. ROW è una riga da 1 a 13
      (--min, --max e --keep si ripetono); --eggs free lascia scegliere il
      numero delle uova. Scrive ROW NOME: VECCHI g -&gt; NUOVI g per ogni riga e
      Uova: VECCHIE -&gt; NUOVE, poi i risultati come calc e, con i prezzi, il
      costo come cost. Con --save salva la ricetta con i nuovi grammi.
  vornak-cli list [CARTELLA] [--csv]
          [--balance balanced|out|protein|fat|carbs] [--cost MIN:MAX]
          [--same-mix]
      Elenca le ricette della CARTELLA (se manca, quella attuale) e delle sue
      sottocartelle, una per riga con le colonne dell&apos;archivio: file, nome,
      data, peso totale, proteine, grassi e carboidrati %, indici, bilancio,
      costo al kg (con i prezzi attuali), se i risultati salvati nel file
      sono diversi da quelli calcolati dalle righe e le altre ricette con gli
      stessi ingredienti e grammi. Separate da tabulazioni, o con --csv da
      &quot;;&quot; con la virgola decimale, per un foglio di calcolo. Solo le ricette
      bilanciate (balanced), fuori range (out) o con proteine, grassi o
      carboidrati fuori range (protein, fat, carbs); con un costo al kg tra
      MIN e MAX euro (un lato vuoto non ha limite: 3: oppure :4,20); con gli
      stessi ingredienti e grammi di un&apos;altra ricetta (--same-mix).
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
dell&apos;utente; e --lang it|en: la lingua dei messaggi (se manca, quella del
sistema; italiano per ogni lingua che non sia l&apos;inglese). I file e i numeri
(virgola decimale) sono gli stessi in ogni lingua.

Gli avvisi vanno sullo standard error come &quot;AVVISO: testo&quot;.
Uscita: 0 riuscito, 1 calcolo o controllo rifiutato (per formula: nessun mix
rispetta i limiti, con i motivi), 2 file non apribile come ricetta o comando
non valido.
</source>
        <translation>Usage:
  vornak-cli calc FILE [--save OUT]
      Opens the recipe FILE, calculates it and writes the results, one per
      line (NAME=TEXT). With --save, saves the recalculated recipe to OUT.
  vornak-cli balance FILE
      Opens the recipe FILE, calculates it and compares protein,
      carbohydrate and fat with the ranges of a balanced mix (NAME=SHARE
      RANGE VERDICT); for each value out of range it suggests how many
      grams of which ingredient to add.
  vornak-cli sheet FILE --pdf OUT
      Opens the recipe FILE (without recalculating it) and writes the recipe
      sheet to OUT as a PDF.
  vornak-cli print FILE [--printer NAME]
      Opens the recipe FILE (without recalculating it) and prints the recipe
      sheet on the default printer (or on NAME).
  vornak-cli convert --total GRAMS NAME=PERCENTAGE ... [--pdf OUT]
      Converts a recipe in percentages (up to 13 ingredients) into grams for
      the total weight given and writes each row as NAME=GRAMS. With --pdf,
      also writes the conversion sheet to OUT.
  vornak-cli cost FILE
      Opens the recipe FILE, calculates it and writes the cost of the mix and
      the cost per kilogram (Cost=... and Cost per kg=...) from the prices of
      the ingredients.
  vornak-cli formula FILE [--total G] [--goal cost|closest]
          [--protein MIN:MAX] [--fat MIN:MAX] [--carbs MIN:MAX]
          [--digestibility MIN] [--binder MIN]
          [--min ROW=G] [--max ROW=G] [--keep ROW] [--eggs free]
          [--save OUT]
      Opens the recipe FILE and looks for whole grams of its ingredients for
      a mix of G grams (eggs included; without it, the current weight) with
      protein, fat and carbohydrate between MIN and MAX percent (decimal
      comma; &quot;off&quot; removes the limit; without them, %1, %2 and %3) and
      digestibility and binder indices of at least MIN. cost: the cheapest
      mix; closest: the mix closest to the current one. ROW is a row from 1
      to 13 (--min, --max and --keep repeat); --eggs free lets the formula
      choose the number of eggs. Writes ROW NAME: OLD g -&gt; NEW g for each row
      and Eggs: OLD -&gt; NEW, then the results as calc does and, with prices,
      the cost as cost does. With --save, saves the recipe with the new
      grams.
  vornak-cli list [FOLDER] [--csv]
          [--balance balanced|out|protein|fat|carbs] [--cost MIN:MAX]
          [--same-mix]
      Lists the recipes of FOLDER (without it, the current folder) and of its
      subfolders, one per line with the library&apos;s columns: file, name, date,
      total weight, protein, fat and carbohydrate %, indices, balance, cost
      per kg (at the current prices), whether the results saved in the file
      differ from those calculated from its rows, and the other recipes with
      the same ingredients and grams. Separated by tabs, or with --csv by &quot;;&quot;
      with the decimal comma, for a spreadsheet. Only the recipes that are
      balanced (balanced), out of range (out) or out of range in protein, fat
      or carbohydrate (protein, fat, carbs); that cost between MIN and MAX
      euro per kg (an empty side has no limit: 3: or :4,20); that have the
      same ingredients and grams as another recipe (--same-mix). Files that
      are not recipes go to standard error with the reason. Exit status 2 if
      the folder cannot be read.
  vornak-cli compare A B [C D]
      Compares 2 to 4 recipes side by side: ingredients aligned by name,
      results, indices, balance and cost per kg, with the differences from
      the first marked, and the shares as bars against the balanced ranges.
  vornak-cli --help
      Shows this help.
  vornak-cli --version
      Shows the version.

Every command takes --ingredients FILE: your own ingredients and prices
come from FILE instead of ingredienti.csv in the user&apos;s data folder; and
--lang it|en: the language of the messages (without it, the system&apos;s;
Italian for every language but English). Files and numbers (decimal comma)
are the same in every language.

Warnings go to standard error as &quot;WARNING: text&quot;.
Exit status: 0 success, 1 calculation or check refused (for formula: no mix
meets the limits, with the reasons), 2 file cannot be opened as a recipe or
command not valid.
</translation>
    </message>
    <message>
        <source>balanced, out, protein, fat oppure carbs</source>
        <translation>balanced, out, protein, fat or carbs</translation>
    </message>
    <message>
        <source>MIN:MAX in euro al kg (per esempio 2:5,50, 3: oppure :4,20)</source>
        <translation>MIN:MAX in euro per kg (for example 2:5,50, 3: or :4,20)</translation>
    </message>
</context>
<context>
    <name>Confronto</name>
    <message>
        <source>Peso totale</source>
        <translation>Total weight</translation>
    </message>
    <message>
        <source>Proteine gr.</source>
        <translation>Protein g</translation>
    </message>
    <message>
        <source>Proteine %</source>
        <translation>Protein %</translation>
    </message>
    <message>
        <source>Grassi gr.</source>
        <translation>Fat g</translation>
    </message>
    <message>
        <source>Grassi %</source>
        <translation>Fat %</translation>
    </message>
    <message>
        <source>Carboidrati gr.</source>
        <translation>Carbs g</translation>
    </message>
    <message>
        <source>Carboidrati %</source>
        <translation>Carbs %</translation>
    </message>
    <message>
        <source>Indice Digeribilità</source>
        <translation>Digestibility Index</translation>
    </message>
    <message>
        <source>Indice Legante</source>
        <translation>Binder Index</translation>
    </message>
    <message>
        <source>%1 uova · </source>
        <translation>%1 eggs · </translation>
    </message>
    <message>
        <source>Ingredienti</source>
        <translation>Ingredients</translation>
    </message>
    <message>
        <source>Risultati</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Bilancio %1 (%2)</source>
        <translation>Balance %1 (%2)</translation>
    </message>
    <message>
        <source>Costo al kg</source>
        <translation>Cost per kg</translation>
    </message>
    <message>
        <source>Risultati salvati</source>
        <translation>Saved results</translation>
    </message>
    <message>
        <source>Per il confronto servono da %1 a %2 ricette</source>
        <translation>A comparison needs %1 to %2 recipes</translation>
    </message>
    <message>
        <source>Impossibile confrontare la ricetta</source>
        <translation>Cannot compare the recipe</translation>
    </message>
</context>
<context>
    <name>ConfrontoStampa</name>
    <message>
        <source>nessun risultato</source>
        <translation>no results</translation>
    </message>
    <message>
        <source>* diverso dalla prima ricetta; tra parentesi la differenza dalla prima</source>
        <translation>* different from the first recipe; in brackets the difference from the first</translation>
    </message>
    <message>
        <source>%1: range bilanciato %2-%3%, scala 0-%4%</source>
        <translation>%1: balanced range %2-%3%, scale 0-%4%</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Confronto di ricette</source>
        <translation>Recipe comparison</translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>Il valore Percentuale non deve superare il 100%</source>
        <translation>The Percentage must not exceed 100%</translation>
    </message>
    <message>
        <source>Impostare il Peso Totale Mix in grammi per poter proseguire nel calcolo!</source>
        <translation>Enter the Total Mix Weight in grams to go on with the calculation!</translation>
    </message>
    <message>
        <source>Avviso</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>IL TOTALE ATTUALE È </source>
        <translation>THE TOTAL NOW IS </translation>
    </message>
    <message>
        <source>DEVE INVECE ESSERE 100%<byte value="xd"/>
</source>
        <translation>IT MUST BE 100%</translation>
    </message>
    <message>
        <source>TOGLIERE </source>
        <translation>TAKE AWAY </translation>
    </message>
    <message>
        <source>AGGIUNGERE </source>
        <translation>ADD </translation>
    </message>
    <message>
        <source>Conversione Percentuale - Grammi</source>
        <translation>Percentage to Grams Conversion</translation>
    </message>
    <message>
        <source>Peso totale: </source>
        <translation>Total weight: </translation>
    </message>
    <message>
        <source> gr.</source>
        <translation> g</translation>
    </message>
    <message>
        <source>Il peso totale è troppo grande per il calcolo: ridurlo</source>
        <translation>The total weight is too large to calculate: reduce it</translation>
    </message>
</context>
<context>
    <name>Cost</name>
    <message>
        <source>manca il prezzo di %1</source>
        <translation>no price for %1</translation>
    </message>
    <message>
        <source>Costo: </source>
        <translation>Cost: </translation>
    </message>
    <message>
        <source>Costo: %1 € · %2 €/kg</source>
        <translation>Cost: %1 € · %2 €/kg</translation>
    </message>
    <message>
        <source>Il costo è troppo grande per il calcolo: ridurre i prezzi o i pesi</source>
        <translation>The cost is too large to calculate: reduce the prices or the weights</translation>
    </message>
    <message>
        <source>Costo: …</source>
        <translation>Cost: …</translation>
    </message>
</context>
<context>
    <name>DlgCommon</name>
    <message>
        <source>Documenti di testo(*.txt)</source>
        <translation>Text documents (*.txt)</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>AVVISO</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>Il valore digitato non è un numero prego reinserire il valore</source>
        <translation>The value typed is not a number, please enter it again</translation>
    </message>
    <message>
        <source>Non si possono inserire numeri negativi</source>
        <translation>Negative numbers are not allowed</translation>
    </message>
    <message>
        <source>Non si possono inserire valori superiori a 100</source>
        <translation>Values over 100 are not allowed</translation>
    </message>
    <message>
        <source>La somma % di Proteine Grassi e Carboidrati non può essere superiore a 100. Controlla queste voci </source>
        <translation>Protein, Fat and Carbohydrate % together cannot exceed 100. Check these values </translation>
    </message>
    <message>
        <source>La stampa è annullata. Eseguire prima il calcolo</source>
        <translation>Printing cancelled. Calculate the mix first</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>
File </source>
        <translation>
File </translation>
    </message>
    <message>
        <source>il file non esiste</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>il disco è pieno</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>il file supera la dimensione consentita</source>
        <translation>the file is larger than allowed</translation>
    </message>
    <message>
        <source>il disco è di sola lettura</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>una parte del percorso non è una cartella</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>il nome del file è troppo lungo</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>errore di lettura o scrittura sul disco</source>
        <translation>disk read or write error</translation>
    </message>
    <message>
        <source>errore del sistema (%1)</source>
        <translation>system error (%1)</translation>
    </message>
    <message>
        <source>non è un file normale (è una pipe o un dispositivo)</source>
        <translation>it is not a regular file (it is a pipe or a device)</translation>
    </message>
    <message>
        <source>il file non si può leggere</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>la cartella %1 non esiste</source>
        <translation>the folder %1 does not exist</translation>
    </message>
    <message>
        <source>il file è di sola lettura</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>permesso negato nella cartella %1</source>
        <translation>permission denied in the folder %1</translation>
    </message>
    <message>
        <source>errore di scrittura</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>il collegamento simbolico rimanda a sé stesso (un ciclo)</source>
        <translation>the symbolic link leads back to itself (a loop)</translation>
    </message>
    <message>
        <source>permesso negato in una cartella del percorso</source>
        <translation>permission denied in a folder of the path</translation>
    </message>
    <message>
        <source>il collegamento simbolico punta a un file che non esiste</source>
        <translation>the symbolic link points to a file that does not exist</translation>
    </message>
</context>
<context>
    <name>FormPrinc</name>
    <message>
        <source>Vornak Ver. %1 - a cura del team Vornak</source>
        <translation>Vornak Ver. %1 - by the Vornak team</translation>
    </message>
    <message>
        <source>la ricetta</source>
        <translation>the recipe</translation>
    </message>
    <message>
        <source>Fare clic per il bilancio del mix e i suggerimenti</source>
        <translation>Click for the balance of the mix and suggestions</translation>
    </message>
    <message>
        <source>Bilancio del mix</source>
        <translation>Balance of the mix</translation>
    </message>
    <message>
        <source>Componenti</source>
        <translation>Ingredients</translation>
    </message>
    <message>
        <source>Proteine %</source>
        <translation>Protein %</translation>
    </message>
    <message>
        <source>Grassi %</source>
        <translation>Fat %</translation>
    </message>
    <message>
        <source>Carboidrati %</source>
        <translation>Carbohydrate %</translation>
    </message>
    <message>
        <source>Indice Digeribilità</source>
        <translation>Digestibility Index</translation>
    </message>
    <message>
        <source>Indice Legante</source>
        <translation>Binder Index</translation>
    </message>
    <message>
        <source>Imposta peso in gr.</source>
        <translation>Weight in g</translation>
    </message>
    <message>
        <source>Scrivere nuovo componente</source>
        <translation>Type a new ingredient</translation>
    </message>
    <message>
        <source>Scegliere un componente</source>
        <translation>Choose an ingredient</translation>
    </message>
    <message>
        <source>Uova</source>
        <translation>Eggs</translation>
    </message>
    <message>
        <source>Aggiunta uova al mix</source>
        <translation>Add eggs to the mix</translation>
    </message>
    <message>
        <source>Numero uova</source>
        <translation>No. of eggs</translation>
    </message>
    <message>
        <source>Peso delle uova</source>
        <translation>Weight of the eggs</translation>
    </message>
    <message>
        <source>Nome della  ricetta:</source>
        <translation>Recipe name:</translation>
    </message>
    <message>
        <source>Scrivere il nome della ricetta</source>
        <translation>Type the name of the recipe</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>Scrivere le note</source>
        <translation>Type your notes</translation>
    </message>
    <message>
        <source>Proteine gr.</source>
        <translation>Protein g</translation>
    </message>
    <message>
        <source>Grassi gr.</source>
        <translation>Fat g</translation>
    </message>
    <message>
        <source>Carboidrati gr.</source>
        <translation>Carbohydrate g</translation>
    </message>
    <message>
        <source>Calcola</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Esegue il calcolo</source>
        <translation>Calculates the mix</translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Cancella tutti i valori</source>
        <translation>Clears every value</translation>
    </message>
    <message>
        <source>Salva </source>
        <translation>Save </translation>
    </message>
    <message>
        <source>Salva file</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Apri file</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Stampa </source>
        <translation>Print </translation>
    </message>
    <message>
        <source>Stampa la ricetta</source>
        <translation>Print the recipe</translation>
    </message>
    <message>
        <source>Riferimenti</source>
        <translation>References</translation>
    </message>
    <message>
        <source>Convertitore</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Esci dal programma</source>
        <translation>Exit the program</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Apri</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Salva con nome</source>
        <translation>&amp;Save as</translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Visualizza</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Ingredienti e prezzi</source>
        <translation>Ingredients and prices</translation>
    </message>
    <message>
        <source>Formula del mix…</source>
        <translation>Formula of the mix…</translation>
    </message>
    <message>
        <source>Informazioni</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&amp;Lingua</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Archivio ricette…</source>
        <translation>Recipe library…</translation>
    </message>
    <message>
        <source>La ricetta non è stata salvata.</source>
        <translation>The recipe has not been saved.</translation>
    </message>
    <message>
        <source>La ricetta «%1» ha modifiche non salvate.</source>
        <translation>The recipe “%1” has unsaved changes.</translation>
    </message>
    <message>
        <source>Salvare le modifiche?</source>
        <translation>Save the changes?</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Non salvare</source>
        <translation>&amp;Don&apos;t save</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Vornak non si è chiuso normalmente. C&apos;è una copia del foglio con modifiche non salvate, presa il %1 alle %2.
Ripristinarla?</source>
        <translation>Vornak did not close normally. There is a copy of the worksheet with unsaved changes, taken on %1 at %2.
Restore it?</translation>
    </message>
    <message>
        <source>&amp;Ripristina</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>&amp;Scarta</source>
        <translation>&amp;Discard</translation>
    </message>
    <message>
        <source>Ricette &amp;recenti</source>
        <translation>&amp;Recent recipes</translation>
    </message>
    <message>
        <source>Nessuna ricetta recente</source>
        <translation>No recent recipes</translation>
    </message>
</context>
<context>
    <name>Formula</name>
    <message>
        <source>Il calcolo non conferma la formula trovata (%1): nessun mix verificato</source>
        <translation>The calculation does not confirm the formula found (%1): no mix checked</translation>
    </message>
    <message>
        <source>Riga %1 (%2)</source>
        <translation>Row %1 (%2)</translation>
    </message>
    <message>
        <source>: %1 non sono grammi interi, quindi la riga non si può mantenere com&apos;è</source>
        <translation>: %1 is not whole grams, so the row cannot be kept as it is</translation>
    </message>
    <message>
        <source>: i grammi non possono essere negativi</source>
        <translation>: the grams cannot be negative</translation>
    </message>
    <message>
        <source>: il minimo di %1 supera il massimo di %2</source>
        <translation>: the minimum of %1 exceeds the maximum of %2</translation>
    </message>
    <message>
        <source>Uova: «%1» non è un tipo di uovo conosciuto</source>
        <translation>Eggs: «%1» is not a known kind of egg</translation>
    </message>
    <message>
        <source>Uova: %1 non è un numero intero di uova: lasciare libero il numero delle uova o scriverne uno intero</source>
        <translation>Eggs: %1 is not a whole number of eggs: leave the number of eggs free or type a whole one</translation>
    </message>
    <message>
        <source>Uova: il numero delle uova non può essere negativo</source>
        <translation>Eggs: the number of eggs cannot be negative</translation>
    </message>
    <message>
        <source>Uova: il minimo di %1 uova supera il massimo di %2</source>
        <translation>Eggs: the minimum of %1 eggs exceeds the maximum of %2</translation>
    </message>
    <message>
        <source>%1: il minimo %2 supera il massimo %3</source>
        <translation>%1: the minimum %2 exceeds the maximum %3</translation>
    </message>
    <message>
        <source>almeno</source>
        <translation>at least</translation>
    </message>
    <message>
        <source>al massimo</source>
        <translation>at most</translation>
    </message>
    <message>
        <source>con questi ingredienti</source>
        <translation>with these ingredients</translation>
    </message>
    <message>
        <source>insieme a </source>
        <translation>together with </translation>
    </message>
    <message>
        <source>si arriva al massimo a</source>
        <translation>the mix reaches at most</translation>
    </message>
    <message>
        <source>non si scende sotto</source>
        <translation>the mix goes no lower than</translation>
    </message>
    <message>
        <source>: nel mix pesano solo le uova, che non hanno indice legante</source>
        <translation>: only the eggs weigh in the mix, and eggs have no binder index</translation>
    </message>
    <message>
        <source>Il peso totale deve essere un numero intero di grammi maggiore di zero</source>
        <translation>The total weight must be a whole number of grams above zero</translation>
    </message>
    <message>
        <source>Il peso totale può essere al massimo di %1</source>
        <translation>The total weight can be at most %1</translation>
    </message>
    <message>
        <source>Nessun componente nel mix: scegliere almeno un ingrediente</source>
        <translation>No ingredient in the mix: choose at least one</translation>
    </message>
    <message>
        <source>%1 superano il peso totale (%2 contro %3)</source>
        <translation>%1 exceed the total weight (%2 against %3)</translation>
    </message>
    <message>
        <source>i minimi delle righe e le uova</source>
        <translation>the rows&apos; minimums and the eggs</translation>
    </message>
    <message>
        <source>i minimi delle righe</source>
        <translation>the rows&apos; minimums</translation>
    </message>
    <message>
        <source>%1 non arrivano al peso totale (%2 contro %3)</source>
        <translation>%1 do not reach the total weight (%2 against %3)</translation>
    </message>
    <message>
        <source>i massimi delle righe e le uova</source>
        <translation>the rows&apos; maximums and the eggs</translation>
    </message>
    <message>
        <source>i massimi delle righe</source>
        <translation>the rows&apos; maximums</translation>
    </message>
    <message>
        <source>Le righe 1-13 non hanno grammi: non c&apos;è un mix attuale a cui avvicinarsi</source>
        <translation>Rows 1-13 have no grams: there is no current mix to keep close to</translation>
    </message>
    <message>
        <source>le righe mantenute, i minimi e i massimi non permettono un mix di esattamente %1 in grammi interi</source>
        <translation>the rows kept, the minimums and the maximums allow no mix of exactly %1 in whole grams</translation>
    </message>
    <message>
        <source>I limiti scelti si escludono a vicenda: nessun mix in grammi interi li rispetta tutti insieme</source>
        <translation>The limits chosen rule each other out: no mix in whole grams meets them all at once</translation>
    </message>
    <message>
        <source>Il risolutore non è riuscito a cercare la formula</source>
        <translation>The solver could not search for the formula</translation>
    </message>
    <message>
        <source>Indice di digeribilità</source>
        <translation>Digestibility index</translation>
    </message>
    <message>
        <source>Indice legante</source>
        <translation>Binder index</translation>
    </message>
    <message>
        <source>Il foglio è cambiato dopo il calcolo della formula: calcolare di nuovo la formula prima di applicarla</source>
        <translation>The worksheet has changed since the formula was calculated: calculate the formula again before applying it</translation>
    </message>
    <message>
        <source>Uova: il foglio ha 0 uova: scriverne il numero, oppure lasciarlo scegliere alla formula</source>
        <translation>Eggs: the worksheet has 0 eggs: type their number, or let the formula choose it</translation>
    </message>
    <message>
        <source> e </source>
        <translation> and </translation>
    </message>
    <message>
        <source>La ricerca dei motivi si è fermata al suo limite di passi: potrebbe mancarne qualcuno</source>
        <translation>The search for reasons stopped at its step limit: some may be missing</translation>
    </message>
    <message>
        <source>le righe mantenute, i minimi, i massimi e le uova (intere, da %2 l&apos;una) non permettono un mix di esattamente %1 in grammi interi</source>
        <translation>the rows kept, the minimums, the maximums and the eggs (whole, %2 each) allow no mix of exactly %1 in whole grams</translation>
    </message>
    <message>
        <source>I prezzi sono cambiati dopo il calcolo della formula: calcolare di nuovo la formula prima di applicarla</source>
        <translation>The prices have changed since the formula was calculated: calculate the formula again before applying it</translation>
    </message>
</context>
<context>
    <name>FormulaRows</name>
    <message>
        <source>0000000 uova</source>
        <translation>0000000 eggs</translation>
    </message>
    <message>
        <source> uovo</source>
        <translation> egg</translation>
    </message>
    <message>
        <source> uova</source>
        <translation> eggs</translation>
    </message>
    <message>
        <source>Riga</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>Componente</source>
        <translation>Ingredient</translation>
    </message>
    <message>
        <source>Attuali gr.</source>
        <translation>Now g</translation>
    </message>
    <message>
        <source>Minimo gr.</source>
        <translation>Minimum g</translation>
    </message>
    <message>
        <source>Massimo gr.</source>
        <translation>Maximum g</translation>
    </message>
    <message>
        <source>Mantieni</source>
        <translation>Keep</translation>
    </message>
    <message>
        <source>Proposta gr.</source>
        <translation>Proposed g</translation>
    </message>
    <message>
        <source>Grammi interi che la riga deve avere almeno</source>
        <translation>Whole grams the row must have at least</translation>
    </message>
    <message>
        <source>Grammi interi che la riga può avere al massimo; vuoto: fino al peso totale</source>
        <translation>Whole grams the row may have at most; empty: up to the total weight</translation>
    </message>
    <message>
        <source>totale</source>
        <translation>total</translation>
    </message>
    <message>
        <source>La riga tiene i grammi che ha ora nel foglio</source>
        <translation>The row keeps the grams it has now on the worksheet</translation>
    </message>
    <message>
        <source>Uova</source>
        <translation>Eggs</translation>
    </message>
    <message>
        <source>Con il segno la formula tiene il numero di uova del foglio; senza, sceglie lei quante uova intere usare (almeno una)</source>
        <translation>Ticked, the formula keeps the worksheet&apos;s number of eggs; unticked, it chooses how many whole eggs to use (at least one)</translation>
    </message>
    <message>
        <source>Nessun componente nel foglio: scegliere gli ingredienti nella finestra principale</source>
        <translation>No ingredients on the worksheet: choose them in the main window</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>Informazioni Vornak </source>
        <translation>About Vornak </translation>
    </message>
    <message>
        <source>Versione %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Software Freeware per il calclo dei valori nutrizionali nei mix.</source>
        <translation>Freeware for working out the nutritional values of bait mixes.</translation>
    </message>
    <message>
        <source>Realizzato dal team Vornak</source>
        <translation>Made by the Vornak team</translation>
    </message>
    <message>
        <source>Beta Testers:</source>
        <translation>Beta Testers:</translation>
    </message>
    <message>
        <source>Squadra prove Vornak, Gruppo pesca Vornak</source>
        <translation>Vornak test squad, Vornak angling group</translation>
    </message>
    <message>
        <source>In collaborazione con:</source>
        <translation>In association with:</translation>
    </message>
    <message>
        <source>Team Vornak</source>
        <translation>Team Vornak</translation>
    </message>
</context>
<context>
    <name>FrmArchivio</name>
    <message>
        <source>Archivio ricette</source>
        <translation>Recipe library</translation>
    </message>
    <message>
        <source>Impossibile leggere la cartella: %1</source>
        <translation>Cannot read the folder: %1</translation>
    </message>
    <message>
        <source>&amp;Cartella…</source>
        <translation>&amp;Folder…</translation>
    </message>
    <message>
        <source>Scegli la cartella delle ricette</source>
        <translation>Choose the recipe folder</translation>
    </message>
    <message>
        <source>Filtra: nome, file, note o ingrediente</source>
        <translation>Filter: name, file, notes or ingredient</translation>
    </message>
    <message>
        <source>%v di %m file letti</source>
        <translation>%v of %m files read</translation>
    </message>
    <message>
        <source>&amp;Apri</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Apre la ricetta nel foglio di lavoro, come &quot;Apri&quot;</source>
        <translation>Opens the recipe in the worksheet, as &quot;Open&quot; does</translation>
    </message>
    <message>
        <source>C&amp;onfronta</source>
        <translation>Com&amp;pare</translation>
    </message>
    <message>
        <source>Mette a confronto da 2 a 4 ricette selezionate</source>
        <translation>Compares 2 to 4 selected recipes</translation>
    </message>
    <message>
        <source>C&amp;hiudi</source>
        <translation>C&amp;lose</translation>
    </message>
    <message numerus="yes">
        <source>%n ricette</source>
        <translation>
            <numerusform>%n recipe</numerusform>
            <numerusform>%n recipes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n file non validi</source>
        <translation>
            <numerusform>, %n invalid file</numerusform>
            <numerusform>, %n invalid files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n mostrati)</source>
        <translation>
            <numerusform> (%n shown)</numerusform>
            <numerusform> (%n shown)</numerusform>
        </translation>
    </message>
    <message>
        <source>Cartella delle ricette</source>
        <translation>Recipe folder</translation>
    </message>
    <message>
        <source>&amp;Filtra:</source>
        <translation>Filt&amp;er:</translation>
    </message>
    <message>
        <source>Ordina l&apos;elenco per questa colonna; sceglierla di nuovo inverte l&apos;ordine</source>
        <translation>Sorts the list by this column; choosing it again reverses the order</translation>
    </message>
    <message>
        <source>O&amp;rdina:</source>
        <translation>&amp;Sort by:</translation>
    </message>
</context>
<context>
    <name>FrmBilancio</name>
    <message>
        <source>Bilancio del mix</source>
        <translation>Balance of the mix</translation>
    </message>
    <message>
        <source>Nutriente</source>
        <translation>Nutrient</translation>
    </message>
    <message>
        <source>Nel mix</source>
        <translation>In the mix</translation>
    </message>
    <message>
        <source>Intervallo</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Esito</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Fibre</source>
        <translation>Fibre</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Suggerimenti:</source>
        <translation>Suggestions:</translation>
    </message>
</context>
<context>
    <name>FrmConfronto</name>
    <message>
        <source>Confronto di ricette</source>
        <translation>Recipe comparison</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Salva &amp;PDF…</source>
        <translation>Save as P&amp;DF…</translation>
    </message>
    <message>
        <source>C&amp;hiudi</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Diverso dalla prima ricetta</source>
        <translation>Different from the first recipe</translation>
    </message>
    <message>
        <source>il confronto</source>
        <translation>the comparison</translation>
    </message>
    <message>
        <source>Salva il confronto come PDF</source>
        <translation>Save the comparison as PDF</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Confronto.pdf</source>
        <translation>Comparison.pdf</translation>
    </message>
</context>
<context>
    <name>FrmConvertitore</name>
    <message>
        <source>Convertitire Percentuale - Grammi</source>
        <translation>Percentage to Grams Converter</translation>
    </message>
    <message>
        <source>Peso Totale Mix espresso in grammi</source>
        <translation>Total Mix Weight in grams</translation>
    </message>
    <message>
        <source>Componente</source>
        <translation>Ingredient</translation>
    </message>
    <message>
        <source>Valore Percentuale</source>
        <translation>Percentage</translation>
    </message>
    <message>
        <source>Risultato in grammi</source>
        <translation>Result in grams</translation>
    </message>
    <message>
        <source>Gr.</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Calcola</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>la conversione</source>
        <translation>the conversion</translation>
    </message>
</context>
<context>
    <name>FrmFormula</name>
    <message>
        <source>Formula del mix</source>
        <translation>Formula of the mix</translation>
    </message>
    <message>
        <source>Componenti del foglio</source>
        <translation>Ingredients on the worksheet</translation>
    </message>
    <message>
        <source>Minimo e massimo in grammi interi (massimo vuoto: fino al peso totale). «Mantieni» lascia la riga com&apos;è; tolto alle uova, la formula sceglie quante uova usare.</source>
        <translation>Minimum and maximum in whole grams (empty maximum: up to the total weight). «Keep» leaves the row as it is; unticked for the eggs, the formula chooses how many eggs to use.</translation>
    </message>
    <message>
        <source>Cerca i grammi interi che rispettano i limiti</source>
        <translation>Looks for the whole grams that meet the limits</translation>
    </message>
    <message>
        <source>Scrive i grammi proposti nel foglio ed esegue Calcola</source>
        <translation>Writes the proposed grams into the worksheet and runs Calculate</translation>
    </message>
    <message>
        <source>Senza il segno la formula non guarda questo valore</source>
        <translation>Unticked, the formula ignores this value</translation>
    </message>
    <message>
        <source>da</source>
        <translation>from</translation>
    </message>
    <message>
        <source>a</source>
        <comment>da … a: the upper end of a range</comment>
        <translation>to</translation>
    </message>
    <message>
        <source>Con il segno l&apos;indice del mix deve arrivare almeno al minimo</source>
        <translation>Ticked, the mix&apos;s index must reach at least the minimum</translation>
    </message>
    <message>
        <source>almeno</source>
        <translation>at least</translation>
    </message>
    <message>
        <source>Limiti del mix</source>
        <translation>Limits of the mix</translation>
    </message>
    <message>
        <source>Proteine %</source>
        <translation>Protein %</translation>
    </message>
    <message>
        <source>Grassi %</source>
        <translation>Fat %</translation>
    </message>
    <message>
        <source>Carboidrati %</source>
        <translation>Carbohydrate %</translation>
    </message>
    <message>
        <source>Indice Digeribilità</source>
        <translation>Digestibility Index</translation>
    </message>
    <message>
        <source>Indice Legante</source>
        <translation>Binder Index</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>Mix</translation>
    </message>
    <message>
        <source>Peso totale in gr. (uova incluse)</source>
        <translation>Total weight in g (eggs included)</translation>
    </message>
    <message>
        <source>Grammi interi; all&apos;apertura il peso attuale del foglio</source>
        <translation>Whole grams; on opening, the worksheet&apos;s current weight</translation>
    </message>
    <message>
        <source>Obiettivo</source>
        <translation>Goal</translation>
    </message>
    <message>
        <source>Costo più basso</source>
        <translation>Lowest cost</translation>
    </message>
    <message>
        <source>Più vicino al mix attuale</source>
        <translation>Closest to the current mix</translation>
    </message>
    <message>
        <source>Più vicino: i grammi spostati sono i meno possibili rispetto al mix attuale portato al peso totale</source>
        <translation>Closest: as few grams as possible moved from the current mix scaled to the total weight</translation>
    </message>
    <message>
        <source>Risultati della formula</source>
        <translation>Results of the formula</translation>
    </message>
    <message>
        <source>Totale peso gr.</source>
        <translation>Total weight g</translation>
    </message>
    <message>
        <source>Costo</source>
        <translation>Cost</translation>
    </message>
    <message>
        <source>Costo al kg</source>
        <translation>Cost per kg</translation>
    </message>
    <message>
        <source>senza prezzo</source>
        <translation>no price</translation>
    </message>
    <message>
        <source>Il foglio è cambiato: premere «Calcola formula» per una nuova proposta.</source>
        <translation>The worksheet has changed: press «Calculate formula» for a new proposal.</translation>
    </message>
    <message>
        <source>I limiti sono cambiati: premere «Calcola formula» per una nuova proposta.</source>
        <translation>The limits have changed: press «Calculate formula» for a new proposal.</translation>
    </message>
    <message>
        <source>%1: il %2 «%3» non è un numero da 0 a 100</source>
        <translation>%1: the %2 «%3» is not a number from 0 to 100</translation>
    </message>
    <message>
        <source>minimo</source>
        <translation>minimum</translation>
    </message>
    <message>
        <source>massimo</source>
        <translation>maximum</translation>
    </message>
    <message>
        <source>%1: il minimo «%2» non è un numero</source>
        <translation>%1: the minimum «%2» is not a number</translation>
    </message>
    <message>
        <source>Peso totale: «%1» non è un numero intero di grammi</source>
        <translation>Total weight: «%1» is not a whole number of grams</translation>
    </message>
    <message>
        <source>Applica non è riuscito (vedere l&apos;avviso): premere «Calcola formula» per una nuova proposta.</source>
        <translation>Apply did not succeed (see the warning): press «Calculate formula» for a new proposal.</translation>
    </message>
    <message>
        <source>La formula è nel foglio ed è stato eseguito Calcola.</source>
        <translation>The formula is on the worksheet and Calculate has run.</translation>
    </message>
    <message>
        <source>Per il costo più basso serve il prezzo di ogni componente che può avere grammi:
</source>
        <translation>The lowest cost needs the price of every ingredient that may have grams:
</translation>
    </message>
    <message>
        <source>
Aggiungere i prezzi in Visualizza › Ingredienti e prezzi, dare 0 come massimo a quelle righe, o scegliere «Più vicino al mix attuale».</source>
        <translation>
Add the prices in View › Ingredients and prices, give those rows 0 as their maximum, or choose «Closest to the current mix».</translation>
    </message>
    <message>
        <source>Nessun mix possibile:
</source>
        <translation>No mix possible:
</translation>
    </message>
    <message>
        <source>Grammi spostati rispetto al mix attuale portato al peso totale: %1</source>
        <translation>Grams moved from the current mix scaled to the total weight: %1</translation>
    </message>
    <message>
        <source>Calcola &amp;formula</source>
        <translation>Calculate &amp;formula</translation>
    </message>
    <message>
        <source>&amp;Applica</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Riga %1 (%2)</source>
        <translation>Row %1 (%2)</translation>
    </message>
    <message>
        <source>%1: il %2 «%3» è negativo: i grammi non possono essere negativi</source>
        <translation>%1: the %2 «%3» is negative: grams cannot be negative</translation>
    </message>
    <message>
        <source>%1: il %2 «%3» non è un numero intero di grammi</source>
        <translation>%1: the %2 «%3» is not a whole number of grams</translation>
    </message>
    <message>
        <source>I prezzi sono cambiati: premere «Calcola formula» per una nuova proposta.</source>
        <translation>The prices have changed: press «Calculate formula» for a new proposal.</translation>
    </message>
</context>
<context>
    <name>FrmIngredienti</name>
    <message>
        <source>Ingredienti e prezzi</source>
        <translation>Ingredients and prices</translation>
    </message>
    <message>
        <source>&amp;Aggiungi</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>Aggiunge un ingrediente personale</source>
        <translation>Adds an ingredient of your own</translation>
    </message>
    <message>
        <source>&amp;Elimina</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Elimina l&apos;ingrediente personale scelto</source>
        <translation>Deletes the chosen ingredient of your own</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Salva ingredienti e prezzi</source>
        <translation>Saves ingredients and prices</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Chiude la finestra</source>
        <translation>Closes the window</translation>
    </message>
    <message>
        <source>Scegliere prima l&apos;ingrediente personale da eliminare</source>
        <translation>First choose the ingredient of your own to delete</translation>
    </message>
    <message>
        <source>Il file degli ingredienti ha righe non valide, che salvando andranno perse. Salvare comunque?</source>
        <translation>The ingredient file has lines that are not valid and will be lost on saving. Save anyway?</translation>
    </message>
    <message>
        <source>Le modifiche a ingredienti e prezzi non sono state salvate. Salvarle?</source>
        <translation>The changes to ingredients and prices have not been saved. Save them?</translation>
    </message>
</context>
<context>
    <name>FrmRiferimenti</name>
    <message>
        <source>Valori di riferimento</source>
        <translation>Reference values</translation>
    </message>
    <message>
        <source>INDICE</source>
        <translation>INDEX</translation>
    </message>
    <message>
        <source>DIGERIBILITÀ:</source>
        <translation>DIGESTIBILITY:</translation>
    </message>
    <message>
        <source>1 - SCARSA</source>
        <translation>1 - POOR</translation>
    </message>
    <message>
        <source>2 - MEDIA</source>
        <translation>2 - FAIR</translation>
    </message>
    <message>
        <source>3 - BUONA</source>
        <translation>3 - GOOD</translation>
    </message>
    <message>
        <source>4 - MOLTA </source>
        <translation>4 - HIGH </translation>
    </message>
    <message>
        <source>5 - OTTIMA</source>
        <translation>5 - TOP</translation>
    </message>
    <message>
        <source>LEGANTE:</source>
        <translation>BINDER:</translation>
    </message>
    <message>
        <source>-1 - SLEGANTE</source>
        <translation>-1 - LOOSENING</translation>
    </message>
    <message>
        <source>0 - NEUTRA</source>
        <translation>0 - NEUTRAL</translation>
    </message>
    <message>
        <source>1 - LEGANTE</source>
        <translation>1 - BINDING</translation>
    </message>
    <message>
        <source>BOILIES BILANCIATE:</source>
        <translation>BALANCED BOILIES:</translation>
    </message>
    <message>
        <source>PROTEINE: </source>
        <translation>PROTEIN: </translation>
    </message>
    <message>
        <source>CARBOIDRATI:</source>
        <translation>CARBS:</translation>
    </message>
    <message>
        <source>GRASSI: </source>
        <translation>FAT: </translation>
    </message>
    <message>
        <source>FIBRE:</source>
        <translation>FIBRE:</translation>
    </message>
</context>
<context>
    <name>Ingredients</name>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Proteine %</source>
        <translation>Protein %</translation>
    </message>
    <message>
        <source>Grassi %</source>
        <translation>Fat %</translation>
    </message>
    <message>
        <source>Carboidrati %</source>
        <translation>Carbohydrate %</translation>
    </message>
    <message>
        <source>Indice Digeribilità</source>
        <translation>Digestibility Index</translation>
    </message>
    <message>
        <source>Indice Legante</source>
        <translation>Binder Index</translation>
    </message>
    <message>
        <source>Prezzo € al kg
(uova: € per uovo)</source>
        <translation>Price € per kg
(eggs: € per egg)</translation>
    </message>
    <message>
        <source>L&apos;indice di digeribilità deve essere compreso tra 1 e 5</source>
        <translation>The digestibility index must be between 1 and 5</translation>
    </message>
    <message>
        <source>L&apos;indice legante deve essere compreso tra -1 e 5</source>
        <translation>The binder index must be between -1 and 5</translation>
    </message>
    <message>
        <source>Il prezzo non può superare 1.000.000 €</source>
        <translation>The price cannot exceed 1.000.000 €</translation>
    </message>
    <message>
        <source>«%1» è scelto nel foglio di lavoro: non si può %2 finché una riga lo usa</source>
        <translation>«%1» is chosen on the worksheet: it cannot be %2 while a row uses it</translation>
    </message>
    <message>
        <source>rinominare</source>
        <translation>renamed</translation>
    </message>
    <message>
        <source>«%1» è già tra gli ingredienti personali</source>
        <translation>«%1» is already one of your own ingredients</translation>
    </message>
    <message>
        <source>per «%1»</source>
        <translation>for «%1»</translation>
    </message>
    <message>
        <source>Nuovo ingrediente</source>
        <translation>New ingredient</translation>
    </message>
    <message>
        <source>Si possono eliminare solo gli ingredienti personali</source>
        <translation>Only your own ingredients can be deleted</translation>
    </message>
    <message>
        <source>eliminare</source>
        <translation>deleted</translation>
    </message>
    <message>
        <source>Impossibile salvare: a «%1» manca il valore di %2</source>
        <translation>Cannot save: «%1» has no value for %2</translation>
    </message>
    <message>
        <source>%1 «%2» è un numero troppo grande</source>
        <translation>%1 «%2» is too large a number</translation>
    </message>
    <message>
        <source>%1 «%2» non è un numero</source>
        <translation>%1 «%2» is not a number</translation>
    </message>
    <message>
        <source>il prezzo «%1» è negativo</source>
        <translation>the price «%1» is negative</translation>
    </message>
    <message>
        <source>il prezzo «%1» supera 1.000.000 €</source>
        <translation>the price «%1» exceeds 1.000.000 €</translation>
    </message>
    <message>
        <source>%1 «%2» non è tra %3 e %4</source>
        <translation>%1 «%2» is not between %3 and %4</translation>
    </message>
    <message>
        <source>«%1» compare già alla riga %2</source>
        <translation>«%1» already appears on line %2</translation>
    </message>
    <message>
        <source>«%1» è nel catalogo: valgono i suoi valori, la riga può dare solo il prezzo</source>
        <translation>«%1» is in the catalogue: its own values apply, the line can only give the price</translation>
    </message>
    <message>
        <source>«%1» è un tipo di uovo: valgono i suoi valori, la riga può dare solo il prezzo per uovo</source>
        <translation>«%1» is a kind of egg: its own values apply, the line can only give the price per egg</translation>
    </message>
    <message>
        <source>manca il valore di %1</source>
        <translation>the value of %1 is missing</translation>
    </message>
    <message>
        <source>proteine, grassi e carboidrati insieme superano 100</source>
        <translation>protein, fat and carbohydrate together exceed 100</translation>
    </message>
    <message>
        <source>riga %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>virgolette non chiuse o seguite da altro testo</source>
        <translation>quotes not closed or followed by other text</translation>
    </message>
    <message>
        <source>servono %1 campi separati da «;», qui sono %2</source>
        <translation>%1 fields separated by «;» are needed, here there are %2</translation>
    </message>
    <message>
        <source>la prima riga deve essere «%1»</source>
        <translation>the first line must be «%1»</translation>
    </message>
    <message>
        <source>è più grande di 1 MiB</source>
        <translation>it is larger than 1 MiB</translation>
    </message>
    <message>
        <source>Il file degli ingredienti «%1» non è stato usato: %2</source>
        <translation>The ingredient file «%1» was not used: %2</translation>
    </message>
    <message>
        <source>Nel file degli ingredienti «%1» queste righe non sono valide e sono state ignorate:</source>
        <translation>In the ingredient file «%1» these lines are not valid and were ignored:</translation>
    </message>
    <message>
        <source>
… e altre %1</source>
        <translation>
… and %1 more</translation>
    </message>
    <message>
        <source>Il file degli ingredienti «%1» non esiste</source>
        <translation>The ingredient file «%1» does not exist</translation>
    </message>
    <message>
        <source>manca il nome</source>
        <translation>the name is missing</translation>
    </message>
    <message>
        <source>«-» non può essere il nome di un ingrediente</source>
        <translation>«-» cannot be the name of an ingredient</translation>
    </message>
    <message>
        <source>«%1» è già un ingrediente del catalogo</source>
        <translation>«%1» is already a catalogue ingredient</translation>
    </message>
    <message>
        <source>«%1» è già un tipo di uovo</source>
        <translation>«%1» is already a kind of egg</translation>
    </message>
    <message>
        <source>il nome non può contenere virgolette (&quot;)</source>
        <translation>the name cannot contain double quotes (&quot;)</translation>
    </message>
    <message>
        <source>il nome non può contenere caratteri di controllo</source>
        <translation>the name cannot contain control characters</translation>
    </message>
    <message>
        <source>il nome non può contenere il carattere «%1», che il file delle ricette non può contenere</source>
        <translation>the name cannot contain the character «%1», which the recipe file cannot hold</translation>
    </message>
    <message>
        <source>il file è in UTF-16 (il formato «Unicode» di un editor di testo o di un foglio di calcolo): salvarlo di nuovo come «CSV» o «CSV UTF-8»</source>
        <translation>the file is in UTF-16 (the «Unicode» format of a text editor or spreadsheet): save it again as «CSV» or «CSV UTF-8»</translation>
    </message>
    <message>
        <source>Impossibile salvare il file degli ingredienti</source>
        <translation>Cannot save the ingredient file</translation>
    </message>
    <message>
        <source>la cartella non si può creare</source>
        <translation>the folder cannot be created</translation>
    </message>
</context>
<context>
    <name>LengthGuard</name>
    <message>
        <source>Il testo è troppo lungo: questo campo tiene al massimo %1 caratteri, e quelli in più non sono stati inseriti.</source>
        <translation>The text is too long: this field holds at most %1 characters, and the rest was not entered.</translation>
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
        <translation>Usage: vornak [options] [FILE]
Vornak: calculator for carp bait mixes.

Options:
  -h, --help           Show this help.
  -v, --version        Show the version.
  --ingredients FILE   Read your own ingredients and prices from FILE instead
                       of ingredienti.csv in the user&apos;s data folder.
  --lang LANGUAGE      it or en: Vornak&apos;s language for this run (without it,
                       the one chosen in the window, then the system&apos;s).

Arguments:
  FILE                 Recipe to open at start, as with the &quot;Open&quot; command.
</translation>
    </message>
    <message>
        <source>--ingredients vuole il nome di un file</source>
        <translation>--ingredients wants a file name</translation>
    </message>
    <message>
        <source>Opzione sconosciuta: </source>
        <translation>Unknown option: </translation>
    </message>
    <message>
        <source>Troppi argomenti</source>
        <translation>Too many arguments</translation>
    </message>
    <message>
        <source>--lang vuole it oppure en</source>
        <translation>--lang wants it or en</translation>
    </message>
    <message>
        <source>Vornak non può aprire la finestra: </source>
        <translation>Vornak cannot open its window: </translation>
    </message>
    <message>
        <source>Vornak va avviato da una sessione grafica; vornak-cli lavora anche senza.
</source>
        <translation>Start Vornak from a graphical session; vornak-cli works without one too.
</translation>
    </message>
    <message>
        <source>Qt non ha la piattaforma «%1».</source>
        <translation>Qt has no platform «%1».</translation>
    </message>
    <message>
        <source>Piattaforme installate: %1 (QT_QPA_PLATFORM o -platform ne sceglie una).</source>
        <translation>Platforms installed: %1 (QT_QPA_PLATFORM or -platform chooses one).</translation>
    </message>
    <message>
        <source>nessuno schermo (DISPLAY non è impostata).</source>
        <translation>no screen (DISPLAY is not set).</translation>
    </message>
    <message>
        <source>nessuno schermo (DISPLAY=%1 non risponde).</source>
        <translation>no screen (DISPLAY=%1 does not answer).</translation>
    </message>
    <message>
        <source>la piattaforma grafica «%1» di Qt non si avvia.</source>
        <translation>Qt&apos;s graphics platform «%1» does not start.</translation>
    </message>
    <message>
        <source>predefinita</source>
        <translation>default</translation>
    </message>
    <message>
        <source>Qt dice: %1</source>
        <translation>Qt says: %1</translation>
    </message>
</context>
<context>
    <name>MessageBoxSink</name>
    <message>
        <source>&amp;Sì</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>PagePrinter</name>
    <message>
        <source>. Salvare %1 in un file PDF?</source>
        <translation>. Save %1 to a PDF file?</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>. Scegliere la stampante:</source>
        <translation>. Choose the printer:</translation>
    </message>
    <message>
        <source>Documenti PDF(*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message numerus="yes">
        <source>Sono %n pagine da stampare per %1.
Continuare?</source>
        <translation>
            <numerusform>That is %n page to print for %1.
Go on?</numerusform>
            <numerusform>That is %n pages to print for %1.
Go on?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Continua</source>
        <translation>&amp;Continue</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>il sistema di stampa non ha accettato il lavoro</source>
        <translation>the print system did not accept the job</translation>
    </message>
    <message>
        <source>Nessuna stampante disponibile</source>
        <translation>No printer available</translation>
    </message>
    <message>
        <source>Nessuna stampante predefinita</source>
        <translation>No default printer</translation>
    </message>
    <message>
        <source>Impossibile salvare il file PDF</source>
        <translation>Cannot save the PDF file</translation>
    </message>
    <message>
        <source>Stampa non riuscita: </source>
        <translation>Printing failed: </translation>
    </message>
    <message>
        <source>Impossibile raggiungere il server di stampa «%1»</source>
        <translation>Cannot reach the print server «%1»</translation>
    </message>
    <message>
        <source>: indicarne una con --printer NOME tra queste: </source>
        <translation>: name one with --printer NAME among these: </translation>
    </message>
    <message>
        <source>La stampante %1 è in pausa%2: il lavoro resta in coda e sarà stampato quando la stampante verrà riattivata</source>
        <translation>The printer %1 is paused%2: the job stays in the queue and will be printed when the printer is resumed</translation>
    </message>
</context>
<context>
    <name>Recipe</name>
    <message>
        <source>il campo %1</source>
        <translation>field %1</translation>
    </message>
    <message>
        <source>%1 ha una virgoletta (&quot;) che non si sa se chiude il testo: toglierla con un editor di testo</source>
        <translation>%1 has a double quote (&quot;) that may or may not close the text: remove it with a text editor</translation>
    </message>
    <message>
        <source>%1 non è in UTF-8, come il BOM all&apos;inizio del file dice</source>
        <translation>%1 is not UTF-8, as the BOM at the start of the file says</translation>
    </message>
    <message>
        <source>1 campo</source>
        <translation>1 field</translation>
    </message>
    <message>
        <source>%1 campi</source>
        <translation>%1 fields</translation>
    </message>
    <message>
        <source>la ricetta finisce dopo %1 invece di %2</source>
        <translation>the recipe ends after %1 instead of %2</translation>
    </message>
    <message>
        <source>%1 non ha una virgoletta di chiusura seguita da una virgola o dalla fine della riga</source>
        <translation>%1 has no closing double quote followed by a comma or the end of the line</translation>
    </message>
    <message>
        <source>%1 apre le virgolette e non le chiude</source>
        <translation>%1 opens a double quote and never closes it</translation>
    </message>
    <message>
        <source>%1 ha una virgoletta fuori da un testo tra virgolette</source>
        <translation>%1 has a double quote outside a quoted text</translation>
    </message>
    <message>
        <source>%1 il carattere «%2», che il file delle ricette non può contenere: va tolto prima di salvare</source>
        <translation>%1 the character «%2», which the recipe file cannot hold: remove it before saving</translation>
    </message>
    <message>
        <source>%1 %2 delle virgolette (&quot;), che il file delle ricette non può contenere: al salvataggio ogni virgoletta sarà scritta come due apostrofi (&apos;&apos;)</source>
        <translation>%1 %2 double quotes (&quot;), which the recipe file cannot hold: on saving each double quote will be written as two apostrophes (&apos;&apos;)</translation>
    </message>
    <message>
        <source>contengono</source>
        <translation>contain</translation>
    </message>
    <message>
        <source>contiene</source>
        <translation>contains</translation>
    </message>
    <message>
        <source>la ricetta ha %1 campi invece di %2</source>
        <translation>the recipe has %1 fields instead of %2</translation>
    </message>
    <message>
        <source>il campo %1 (%2) non è un numero</source>
        <translation>field %1 (%2) is not a number</translation>
    </message>
    <message>
        <source>il campo %1 (%2) non è un componente della lista</source>
        <translation>field %1 (%2) is not an ingredient of the list</translation>
    </message>
    <message>
        <source>il campo %1 (%2) non è un indice di digeribilità della lista</source>
        <translation>field %1 (%2) is not a digestibility index of the list</translation>
    </message>
    <message>
        <source>il campo %1 (%2) non è un indice legante della lista</source>
        <translation>field %1 (%2) is not a binder index of the list</translation>
    </message>
    <message>
        <source>il campo %1 (%2) non è un tipo di uovo</source>
        <translation>field %1 (%2) is not a kind of egg</translation>
    </message>
    <message>
        <source>il campo %1 dà dei grammi alla riga %2, che non ha un componente</source>
        <translation>field %1 gives grams to row %2, which has no ingredient</translation>
    </message>
    <message>
        <source>il campo %1 dà un valore alla riga %2, che non ha un nome</source>
        <translation>field %1 gives a value to row %2, which has no name</translation>
    </message>
    <message>
        <source>il campo %1 dà un indice alla riga %2, che non ha un nome</source>
        <translation>field %1 gives an index to row %2, which has no name</translation>
    </message>
    <message>
        <source>dati delle uova con la casella spenta (campo %1)</source>
        <translation>egg data with the egg box unticked (field %1)</translation>
    </message>
    <message>
        <source>il file supera %1 MiB</source>
        <translation>the file is over %1 MiB</translation>
    </message>
    <message>
        <source>Il salvataggio è stato annullato. Eseguire prima il calcolo</source>
        <translation>Saving cancelled. Calculate the mix first</translation>
    </message>
    <message>
        <source>Impossibile salvare il file</source>
        <translation>Cannot save the file</translation>
    </message>
    <message>
        <source>Impossibile aprire il file: non è una ricetta valida</source>
        <translation>Cannot open the file: it is not a valid recipe</translation>
    </message>
    <message>
        <source>Impossibile leggere il file</source>
        <translation>Cannot read the file</translation>
    </message>
    <message>
        <source>Impossibile aprire il file: l&apos;ingrediente «%1» non è nel catalogo né tra gli ingredienti personali</source>
        <translation>Cannot open the file: the ingredient «%1» is neither in the catalogue nor among your own ingredients</translation>
    </message>
    <message>
        <source>Devi dare un nome alla tua ricetta</source>
        <translation>Give your recipe a name</translation>
    </message>
    <message>
        <source>Prot. </source>
        <translation>Prot. </translation>
    </message>
    <message>
        <source>Gras. </source>
        <translation>Fat  </translation>
    </message>
    <message>
        <source>Carb. </source>
        <translation>Carb. </translation>
    </message>
    <message>
        <source>Dige. </source>
        <translation>Dige. </translation>
    </message>
    <message>
        <source>Ricetta:  </source>
        <translation>Recipe:  </translation>
    </message>
    <message>
        <source>Lega. </source>
        <translation>Bind. </translation>
    </message>
    <message>
        <source>Peso: </source>
        <translation>Weight: </translation>
    </message>
    <message>
        <source>gr.</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Numero di </source>
        <translation>Number of </translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Notes: </translation>
    </message>
    <message>
        <source>dopo i %1 campi della ricetta ne resta %2: una virgola di troppo, forse nel campo %3, l&apos;unico senza virgolette</source>
        <translation>after the %1 fields of the recipe %2 is left over: one comma too many, perhaps in field %3, the only one without quotes</translation>
    </message>
    <message>
        <source>dopo i %1 campi della ricetta ne restano %2: una virgola di troppo, forse nel campo %3, l&apos;unico senza virgolette</source>
        <translation>after the %1 fields of the recipe %2 are left over: one comma too many, perhaps in field %3, the only one without quotes</translation>
    </message>
    <message>
        <source> e </source>
        <translation> and </translation>
    </message>
</context>
<context>
    <name>ReplaceQuestion</name>
    <message>
        <source>Il file «%1» esiste già.
Sostituire?</source>
        <translation>The file “%1” already exists.
Replace it?</translation>
    </message>
    <message>
        <source>&amp;Sì</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>RescueCopy</name>
    <message>
        <source>Impossibile scrivere la copia del foglio che protegge le modifiche non salvate da un arresto improvviso</source>
        <translation>Cannot write the copy of the worksheet that keeps unsaved changes safe from a sudden stop</translation>
    </message>
</context>
<context>
    <name>ShareChart</name>
    <message>
        <source>%1: range %2-%3%</source>
        <translation>%1: range %2-%3%</translation>
    </message>
</context>
<context>
    <name>fieldwords</name>
    <message>
        <source>il nome della ricetta</source>
        <translation>the name of the recipe</translation>
    </message>
    <message>
        <source>le note</source>
        <translation>the notes</translation>
    </message>
    <message>
        <source>il nome del DODICESIMO componente</source>
        <translation>the name of the TWELFTH ingredient</translation>
    </message>
    <message>
        <source>il nome del TREDICESIMO componente</source>
        <translation>the name of the THIRTEENTH ingredient</translation>
    </message>
    <message>
        <source>la casella delle uova</source>
        <translation>the egg box</translation>
    </message>
    <message>
        <source>il numero delle uova</source>
        <translation>the number of eggs</translation>
    </message>
    <message>
        <source>il peso totale del mix</source>
        <translation>the total weight of the mix</translation>
    </message>
    <message>
        <source>i grammi di proteine del mix</source>
        <translation>the grams of protein of the mix</translation>
    </message>
    <message>
        <source>la percentuale di proteine del mix</source>
        <translation>the protein percentage of the mix</translation>
    </message>
    <message>
        <source>i grammi di grassi del mix</source>
        <translation>the grams of fat of the mix</translation>
    </message>
    <message>
        <source>la percentuale di grassi del mix</source>
        <translation>the fat percentage of the mix</translation>
    </message>
    <message>
        <source>i grammi di carboidrati del mix</source>
        <translation>the grams of carbohydrate of the mix</translation>
    </message>
    <message>
        <source>la percentuale di carboidrati del mix</source>
        <translation>the carbohydrate percentage of the mix</translation>
    </message>
    <message>
        <source>l&apos;indice di digeribilità del mix</source>
        <translation>the digestibility index of the mix</translation>
    </message>
    <message>
        <source>l&apos;indice legante del mix</source>
        <translation>the binder index of the mix</translation>
    </message>
    <message>
        <source>delle uova</source>
        <translation>of the eggs</translation>
    </message>
    <message>
        <source>del %1 componente</source>
        <translation>of the %1 ingredient</translation>
    </message>
    <message>
        <source>il tipo di uovo</source>
        <translation>the kind of egg</translation>
    </message>
    <message>
        <source>il componente della riga %1</source>
        <translation>the ingredient of row %1</translation>
    </message>
    <message>
        <source>il peso delle uova</source>
        <translation>the weight of the eggs</translation>
    </message>
    <message>
        <source>i grammi %1</source>
        <translation>the grams %1</translation>
    </message>
    <message>
        <source>le proteine %1</source>
        <translation>the protein %1</translation>
    </message>
    <message>
        <source>i grassi %1</source>
        <translation>the fat %1</translation>
    </message>
    <message>
        <source>i carboidrati %1</source>
        <translation>the carbohydrate %1</translation>
    </message>
    <message>
        <source>l&apos;indice di digeribilità %1</source>
        <translation>the digestibility index %1</translation>
    </message>
    <message>
        <source>l&apos;indice legante %1</source>
        <translation>the binder index %1</translation>
    </message>
    <message>
        <source> contengono</source>
        <translation> contain</translation>
    </message>
    <message>
        <source> contiene</source>
        <translation> contains</translation>
    </message>
</context>
<context>
    <name>formula</name>
    <message>
        <source>: il minimo di %1 supera il peso totale di %2</source>
        <translation>: the minimum of %1 exceeds the total weight of %2</translation>
    </message>
    <message>
        <source>La ricerca si è fermata al suo limite di passi: la formula trovata potrebbe non essere la migliore</source>
        <translation>The search stopped at its step limit: the formula found may not be the best</translation>
    </message>
    <message>
        <source>La ricerca si è fermata al suo limite di passi senza trovare una formula</source>
        <translation>The search stopped at its step limit without finding a formula</translation>
    </message>
    <message>
        <source>Il computer è molto lento: la ricerca si è fermata dopo %1 secondi, e su un altro computer la risposta potrebbe essere diversa</source>
        <translation>This computer is very slow: the search stopped after %1 seconds, and on another computer the answer may differ</translation>
    </message>
</context>
<context>
    <name>formulaargs</name>
    <message>
        <source>: i grammi non possono essere negativi</source>
        <translation>: grams cannot be negative</translation>
    </message>
    <message>
        <source> (una volta per riga)</source>
        <translation> (once per row)</translation>
    </message>
</context>
<context>
    <name>pagerenderer</name>
    <message>
        <source>il foglio non si è potuto disegnare</source>
        <translation>the sheet could not be drawn</translation>
    </message>
</context>
<context>
    <name>printerjob</name>
    <message>
        <source>Il server di stampa «%1» non risponde (nessuna risposta in %2 secondi)</source>
        <translation>The print server «%1» does not answer (no answer in %2 seconds)</translation>
    </message>
    <message>
        <source>Il server di stampa «%1» non risponde come un server di stampa</source>
        <translation>The print server «%1» does not answer as a print server does</translation>
    </message>
    <message>
        <source>La stampante predefinita «%1», indicata da %2, non esiste sul server</source>
        <translation>The default printer «%1», named by %2, does not exist on the server</translation>
    </message>
    <message>
        <source>La stampante «%1» non esiste</source>
        <translation>The printer «%1» does not exist</translation>
    </message>
    <message>
        <source>: indicarne una con --printer NOME tra queste: </source>
        <translation>: name one with --printer NAME among these: </translation>
    </message>
    <message>
        <source>: la stampa potrebbe essere arrivata comunque, controllare la coda della stampante prima di stampare di nuovo</source>
        <translation>: the job may have arrived all the same; check the printer&apos;s queue before printing again</translation>
    </message>
    <message>
        <source>chiede una password</source>
        <translation>wants a password</translation>
    </message>
    <message>
        <source>non permette di stampare da qui</source>
        <translation>does not allow printing from here</translation>
    </message>
    <message>
        <source>non ha il servizio di stampa cercato</source>
        <translation>does not have the print service asked for</translation>
    </message>
    <message>
        <source>chiede una connessione cifrata</source>
        <translation>wants an encrypted connection</translation>
    </message>
    <message>
        <source>ha un errore interno</source>
        <translation>has an internal error</translation>
    </message>
    <message>
        <source>rimanda a un altro indirizzo</source>
        <translation>sends the request to another address</translation>
    </message>
    <message>
        <source>rifiuta la richiesta</source>
        <translation>refuses the request</translation>
    </message>
    <message>
        <source>Il server di stampa «%1» %2 (HTTP %3)</source>
        <translation>The print server «%1» %2 (HTTP %3)</translation>
    </message>
    <message>
        <source>non è disponibile al momento</source>
        <translation>is not available at the moment</translation>
    </message>
</context>
<context>
    <name>recipefile</name>
    <message>
        <source>il file è in UTF-16 (il formato «Unicode» di un editor di testo): salvarlo di nuovo come «ANSI» o «UTF-8»</source>
        <translation>the file is in UTF-16 (the «Unicode» format of a text editor): save it again as «ANSI» or «UTF-8»</translation>
    </message>
    <message>
        <source>dopo la ricetta il file continua alla riga %1 con «%2», che non è l&apos;inizio di un&apos;altra ricetta</source>
        <translation>after the recipe the file goes on at line %1 with «%2», which is not the start of another recipe</translation>
    </message>
    <message>
        <source>il campo %1 è seguito da un&apos;altra ricetta sulla stessa riga: manca l&apos;a capo tra le due</source>
        <translation>field %1 is followed by another recipe on the same line: the line break between the two is missing</translation>
    </message>
    <message>
        <source>%1 il carattere «%2», che il file delle ricette non può contenere</source>
        <translation>%1 the character «%2», which the recipe file cannot hold</translation>
    </message>
    <message>
        <source>la ricetta supera %1 MiB, il limite del file delle ricette: accorciare %2</source>
        <translation>the recipe is over %1 MiB, the limit of the recipe file: shorten %2</translation>
    </message>
    <message>
        <source>il campo %1 (%2) è «%3»</source>
        <translation>field %1 (%2) is «%3»</translation>
    </message>
</context>
<context>
    <name>usertext</name>
    <message>
        <source>non è un file normale (è una pipe o un dispositivo)</source>
        <translation>it is not a regular file (it is a pipe or a device)</translation>
    </message>
</context>
</TS>
