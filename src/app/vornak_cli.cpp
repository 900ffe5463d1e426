// SPDX-License-Identifier: GPL-3.0-or-later
// vornak-cli: the worksheet's calculation, recipe files and sheets from the command line.
#include "balancetexts.h"
#include "converter.h"
#include "filechooser.h"
#include "filewriter.h"
#include "formulaargs.h"
#include "ingredientfile.h"
#include "messages.h"
#include "numbers.h"
#include "pagerenderer.h"
#include "printerjob.h"
#include "session.h"
#include "usertext.h"
#include "version.h"
#include "warnings.h"

#include <QGuiApplication>
#include <QTextStream>
#include <csignal>

#include <optional>

namespace {

enum Exit
{
    Success = 0,
    Refused = 1,
    BadFile = 2
};

const char kHelp[] = R"(Uso:
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
      toglie il limite; se manca, 17:40, 3:8 e 25:60) e gli indici di
      digeribilità e legante almeno MIN. cost: il mix più economico;
      closest: il mix più vicino a quello attuale. ROW è una riga da 1 a 13
      (--min, --max e --keep si ripetono); --eggs free lascia scegliere il
      numero delle uova. Scrive ROW NOME: VECCHI g -> NUOVI g per ogni riga e
      Uova: VECCHIE -> NUOVE, poi i risultati come calc e, con i prezzi, il
      costo come cost. Con --save salva la ricetta con i nuovi grammi.
  vornak-cli --help
      Mostra questo aiuto.
  vornak-cli --version
      Mostra la versione.

Ogni comando accetta --ingredients FILE: gli ingredienti personali e i prezzi
vengono da FILE invece che da ingredienti.csv nella cartella dei dati
dell'utente.

Gli avvisi vanno sullo standard error come "AVVISO: testo".
Uscita: 0 riuscito, 1 calcolo o controllo rifiutato (per formula: nessun mix
rispetta i limiti, con i motivi), 2 file non apribile come ricetta o comando
non valido.
)";

class StderrSink : public WarningSink
{
public:
    void warn(const QString &title, const QString &text) override
    {
        QTextStream(stderr) << title << ": " << usertext::printable(text) << '\n';
        ++count;
    }
    bool takesLongLists() const override { return true; }
    int count = 0;
};

// The file named on the command line, as the save dialog's answer.
class GivenPath : public FileChooser
{
public:
    explicit GivenPath(QString path) : m_path(std::move(path)) {}
    QString chooseSavePath() override { return m_path; }
    QString chooseOpenPath() override { return m_path; }

private:
    QString m_path;
};

// One run of vornak-cli: where warnings go, and the session its command works in.
struct Context
{
    StderrSink sink;
    Session session{sink};
    QString ingredientsPath; // --ingredients; empty for the user's own file

    // Opens a recipe as the window's "Apri" does, the personal ingredients read first.
    bool openRecipe(const QString &path)
    {
        session.loadLibrary(ingredientsPath.isEmpty() ? ingredientfile::defaultPath() : ingredientsPath,
                            !ingredientsPath.isEmpty());
        return session.open(path);
    }

    // Opens the recipe and calculates it as "Apri" then "Calcola" would; the exit status
    // when either refuses.
    std::optional<int> openAndCalculate(const QString &path)
    {
        if (!openRecipe(path))
            return BadFile;
        if (!session.calculate())
            return Refused;
        return std::nullopt;
    }

    // Opens the recipe for its sheet, as it stands: the sheet, or the exit status when it
    // cannot have one.
    std::optional<Page> openForPage(const QString &path, int &refused)
    {
        if (!openRecipe(path)) {
            refused = BadFile;
            return std::nullopt;
        }
        refused = Refused;
        return session.recipePage();
    }

    void warn(const QString &text) { sink.warn(messages::kTitle, text); }

    // Writes a sheet as PDF: Success, or Refused with the file and the reason said.
    int writePdf(const Page &page, const QString &path)
    {
        if (const QString why = pagerenderer::writePdf(page, path); !why.isEmpty()) {
            warn(usertext::aboutFile(printerjob::kCannotSavePdf, path, why));
            return Refused;
        }
        return Success;
    }

    // Saves the recipe as "Salva " would, to `path` when one was given.
    int saveAs(const QString &path)
    {
        if (path.isEmpty())
            return Success;
        GivenPath target(path);
        return session.save(target) ? Success : Refused;
    }
};

// The egg weight and the nine results as NAME=TEXT lines.
void printResults(const Worksheet &worksheet)
{
    QTextStream out(stdout);
    using namespace field;
    for (FieldId id :
         {peso(kEggRow), FieldId(RisPeso), FieldId(RisProteineGrammi), FieldId(RisProteinePercentuale),
          FieldId(RisGrassiGrammi), FieldId(RisGrassiPercentuale), FieldId(RisCarboidratiGrammi),
          FieldId(RisCarboidratiPercentuale), FieldId(RisDigeribilita), FieldId(RisProprietaLegante)})
        out << field::name(id) << '=' << worksheet.text(id) << '\n';
}

void printCost(const MixCost &mix)
{
    QTextStream(stdout) << "Costo=" << numbers::twoDecimals(mix.total) << " €\n"
                        << "Costo al kg=" << numbers::twoDecimals(mix.perKg) << " €\n";
}

// A command line that cannot run: what is wrong, then the help.
int usage(const QString &problem)
{
    QTextStream(stderr) << problem << "\n\n" << kHelp;
    return BadFile;
}

// Takes "OPTION VALUE" from anywhere in `args` into `value`; false, with the problem,
// when VALUE is missing or empty. `value` stays empty when the option is absent.
bool takeOption(QStringList &args, const QString &option, const char *valueName, QString &value,
                QString &problem)
{
    const qsizetype at = args.indexOf(option);
    if (at < 0)
        return true;
    if (at + 1 >= args.size() || args[at + 1].isEmpty()) {
        problem = option + QStringLiteral(" vuole ") + QString::fromUtf8(valueName);
        return false;
    }
    value = args[at + 1];
    args.remove(at, 2);
    if (args.contains(option)) {
        problem = QCoreApplication::translate("vornak-cli", "Opzione ripetuta: ") + option;
        return false;
    }
    return true;
}

// What is wrong with the arguments of a command that takes one recipe FILE, once its
// options are taken out; an empty text when nothing is.
QString fileProblem(const QStringList &args)
{
    for (const QString &arg : args)
        if (arg.startsWith(u'-') && arg.size() > 1)
            return QStringLiteral("Opzione sconosciuta: ") + arg;
    if (args.isEmpty())
        return QStringLiteral("Manca il file della ricetta");
    if (args.size() > 1)
        return QStringLiteral("Troppi argomenti: ") + args.mid(1).join(u' ');
    return QString();
}

int calc(Context &context, QStringList args)
{
    QString saveAs, problem;
    if (!takeOption(args, QStringLiteral("--save"), "il nome di un file", saveAs, problem) ||
        !(problem = fileProblem(args)).isEmpty())
        return usage(problem);
    if (const auto refused = context.openAndCalculate(args[0]))
        return *refused;
    printResults(context.session.worksheet());
    return context.saveAs(saveAs);
}

int balanceCheck(Context &context, const QStringList &args)
{
    if (const QString problem = fileProblem(args); !problem.isEmpty())
        return usage(problem);
    if (const auto refused = context.openAndCalculate(args[0]))
        return *refused;
    QTextStream out(stdout);
    for (const QString &line : balance::commandLineLines(context.session.lastCalculation()->balance))
        out << usertext::printable(line) << '\n';
    return Success;
}

int sheetPdf(Context &context, QStringList args)
{
    QString pdf, problem;
    if (!takeOption(args, QStringLiteral("--pdf"), "il nome di un file", pdf, problem) ||
        !(problem = fileProblem(args)).isEmpty())
        return usage(problem);
    if (pdf.isEmpty())
        return usage(QStringLiteral("sheet vuole --pdf e il nome del file PDF da scrivere"));
    int refused = Success;
    const std::optional<Page> page = context.openForPage(args[0], refused);
    if (!page)
        return refused;
    return context.writePdf(*page, pdf);
}

// The printer to send to: `asked` (--printer) when the server has it, otherwise its
// default; nothing when there is none, with the message in `asked`.
std::optional<QString> chosenPrinter(QString &asked)
{
    const printerjob::Destinations found = printerjob::destinations();
    if (!found.reachable) {
        asked = found.problem;
        return std::nullopt;
    }
    if (!asked.isEmpty() && !found.printers.contains(asked)) {
        asked = printerjob::unknownPrinter(asked) + printerjob::choices(found.printers);
        return std::nullopt;
    }
    if (!asked.isEmpty())
        return asked;
    if (!found.missingDefault.isEmpty())
        asked = found.missingDefault + printerjob::choices(found.printers);
    else if (!found.defaultPrinter.isEmpty())
        return found.defaultPrinter;
    else
        asked =
            found.printers.isEmpty() ? printerjob::kNoPrinter : printerjob::chooseWithOption(found.printers);
    return std::nullopt;
}

int print(Context &context, QStringList args)
{
    QString printer, problem;
    if (!takeOption(args, QStringLiteral("--printer"), "il nome di una stampante", printer, problem) ||
        !(problem = fileProblem(args)).isEmpty())
        return usage(problem);
    int refused = Success;
    const std::optional<Page> page = context.openForPage(args[0], refused);
    if (!page)
        return refused;
    const std::optional<QString> chosen = chosenPrinter(printer);
    if (!chosen) {
        context.warn(printer);
        return Refused;
    }
    printer = *chosen;
    const printerjob::JobResult result = printerjob::print(*page, printer, QStringLiteral("Vornak"));
    if (const QString refusal = printerjob::refusalText(result); !refusal.isEmpty()) {
        context.warn(refusal);
        return Refused;
    }
    QTextStream(stdout) << "Stampa inviata a " << printer << '\n';
    // Taken, but held by a paused printer: said, yet no failure.
    if (!result.notice.isEmpty())
        context.warn(result.notice);
    return Success;
}

int convert(Context &context, QStringList args)
{
    QString pdf, problem;
    if (!takeOption(args, QStringLiteral("--pdf"), "il nome di un file", pdf, problem))
        return usage(problem);
    if (args.size() < 2 || args[0] != QStringLiteral("--total"))
        return usage(QStringLiteral("convert vuole prima --total e il peso totale in grammi"));
    if (args.size() - 2 > Converter::kRows)
        return usage(QStringLiteral("Troppi componenti: al massimo %1").arg(Converter::kRows));
    // A PDF target that cannot be written (a pipe, a device, a folder) is refused before anything.
    if (const QString why = pdf.isEmpty() ? QString() : filewriter::refusal(pdf); !why.isEmpty()) {
        context.warn(usertext::aboutFile(printerjob::kCannotSavePdf, pdf, why));
        return Refused;
    }
    Converter converter;
    converter.setWarningSink(&context.sink);
    const int warningsBefore = context.sink.count;
    converter.setText(Converter::kTotal, args[1]);
    for (int row = 1; row < args.size() - 1; ++row) {
        const QString &entry = args[row + 1];
        const qsizetype split = entry.lastIndexOf(u'=');
        if (split < 0)
            return usage(entry.startsWith(u'-')
                             ? QStringLiteral("Opzione sconosciuta: ") + entry
                             : QStringLiteral("«%1» non è nella forma NOME=PERCENTUALE").arg(entry));
        converter.setText(Converter::name(row), entry.left(split));
        converter.setText(Converter::percent(row), entry.mid(split + 1));
    }
    // A refused entry is never silently taken as 0.
    if (context.sink.count > warningsBefore || !converter.calculate())
        return Refused;
    QTextStream out(stdout);
    for (int row = 1; row < args.size() - 1; ++row)
        out << usertext::printableLine(converter.text(Converter::name(row))) << '='
            << converter.text(Converter::grams(row)) << '\n';
    out.flush();
    return pdf.isEmpty() ? Success : context.writePdf(converter.page(), pdf);
}

// Costo=4,35 € and Costo al kg=14,50 € after a calculation; a missing price refuses.
int cost(Context &context, const QStringList &args)
{
    if (const QString problem = fileProblem(args); !problem.isEmpty())
        return usage(problem);
    if (const auto refused = context.openAndCalculate(args[0]))
        return *refused;
    const MixCost &mix = context.session.lastCalculation()->cost;
    if (!mix.missingPrice.isEmpty()) {
        context.warn(missingPriceText(mix.missingPrice));
        return Refused;
    }
    if (mix.tooLarge) {
        context.warn(kCostTooLarge);
        return Refused;
    }
    printCost(mix);
    return Success;
}

// One line per candidate row and the eggs, old grams against new, then the results and
// the cost of the mix applied to the recipe; no mix exits 1 with the reasons.
int formulaCommand(Context &context, const QStringList &args)
{
    FormulaArgs parsed;
    if (const QString problem = parseFormulaArgs(args, parsed); !problem.isEmpty())
        return usage(problem);
    if (!context.openRecipe(parsed.file))
        return BadFile;
    formula::Input input = context.session.formulaInput();
    if (const QString problem = applyFormulaArgs(parsed, input); !problem.isEmpty()) {
        context.warn(problem);
        return BadFile;
    }
    const formula::Result result = context.session.solveFormula(input);
    for (const QString &reason : result.reasons) // with a mix, the note that it may not be the best
        context.warn(reason);
    if (result.status == formula::Status::NoMix)
        return Refused;
    {
        QTextStream out(stdout);
        for (const formula::ProposedRow &row : result.rows)
            out << row.row << ' ' << usertext::printable(row.name) << ": "
                << numbers::plainText(row.currentGrams) << " g -> " << row.grams << " g\n";
        if (result.eggCount)
            out << "Uova: " << numbers::plainText(input.eggs->currentCount) << " -> " << *result.eggCount
                << '\n';
    }
    if (!context.session.applyFormula(result))
        return Refused;
    printResults(context.session.worksheet());
    if (const MixCost &mix = context.session.lastCalculation()->cost; mix.missingPrice.isEmpty())
        printCost(mix);
    return context.saveAs(parsed.saveAs);
}

// Qt's own notices (missing runtime folders and the like) are not the user's business here.
void quietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        QTextStream(stderr) << message << '\n';
}

} // namespace

int main(int argc, char *argv[])
{
    // A file-size limit (ulimit -f) makes a write fail with its reason, said to the user,
    // instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    qInstallMessageHandler(quietQtMessages);
    // Sheets need fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vornak")); // the window's data folder
    QStringList args = app.arguments().mid(1);
    Context context;
    if (QString problem; !takeOption(args, QStringLiteral("--ingredients"), "il nome di un file",
                                     context.ingredientsPath, problem))
        return usage(problem);
    if (args.contains(QStringLiteral("--ingredients")))
        return usage(QStringLiteral("Opzione ripetuta: --ingredients"));
    if (args.isEmpty())
        return usage(QStringLiteral("Manca il comando"));
    const QString command = args.takeFirst();
    if (command == QStringLiteral("--help") || command == QStringLiteral("-h")) {
        QTextStream(stdout) << kHelp;
        return Success;
    }
    if (command == QStringLiteral("--version") || command == QStringLiteral("-v")) {
        QTextStream(stdout) << "vornak-cli " VORNAK_VERSION "\n";
        return Success;
    }
    if (command == QStringLiteral("calc"))
        return calc(context, args);
    if (command == QStringLiteral("balance"))
        return balanceCheck(context, args);
    if (command == QStringLiteral("sheet"))
        return sheetPdf(context, args);
    if (command == QStringLiteral("print"))
        return print(context, args);
    if (command == QStringLiteral("convert"))
        return convert(context, args);
    if (command == QStringLiteral("cost"))
        return cost(context, args);
    if (command == QStringLiteral("formula"))
        return formulaCommand(context, args);
    return usage((command.startsWith(u'-') ? QStringLiteral("Opzione sconosciuta: ")
                                           : QStringLiteral("Comando sconosciuto: ")) +
                 command);
}
