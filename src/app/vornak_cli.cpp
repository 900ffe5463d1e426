// SPDX-License-Identifier: GPL-3.0-or-later
// vornak-cli: the worksheet's calculation, recipe files and sheets from the command line.
#include "archivecommands.h"
#include "balancetexts.h"
#include "catalogue.h"
#include "clihelp.h"
#include "cliwords.h"
#include "converter.h"
#include "filechooser.h"
#include "filewriter.h"
#include "formulaargs.h"
#include "ingredientfile.h"
#include "language.h"
#include "messages.h"
#include "numbers.h"
#include "pagerenderer.h"
#include "printerjob.h"
#include "session.h"
#include "usertext.h"
#include "version.h"
#include "warnings.h"

#include <QCoreApplication>
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

    void loadIngredients()
    {
        session.loadLibrary(ingredientsPath.isEmpty() ? ingredientfile::defaultPath() : ingredientsPath,
                            !ingredientsPath.isEmpty());
    }

    // Opens a recipe as the window's "Apri" does, the personal ingredients read first.
    bool openRecipe(const QString &path)
    {
        loadIngredients();
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
        sayManyPages(page);
        return Success;
    }

    // A script goes ahead where the window would ask; it is told how many sheets it made.
    static void sayManyPages(const Page &page)
    {
        if (const int pages = pagerenderer::pageCount(page); pages > pagerenderer::kManyPages)
            QTextStream(stderr) << QCoreApplication::translate("Cli", "Il foglio occupa %n pagine.", nullptr,
                                                               pages)
                                << '\n';
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
    QTextStream(stdout) << QCoreApplication::translate("Cli", "Costo=") << numbers::twoDecimals(mix.total)
                        << " €\n"
                        << QCoreApplication::translate("Cli", "Costo al kg=")
                        << numbers::twoDecimals(mix.perKg) << " €\n";
}

// A command line that cannot run: what is wrong, then the help.
int usage(const QString &problem)
{
    QTextStream(stderr) << problem << "\n\n" << helpText();
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
        problem = cliwords::wants(option, valueName);
        return false;
    }
    value = args[at + 1];
    args.remove(at, 2);
    if (args.contains(option)) {
        problem = cliwords::repeatedOption(option);
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
            return cliwords::unknownOption(arg);
    if (args.isEmpty())
        return QCoreApplication::translate("Cli", "Manca il file della ricetta");
    if (args.size() > 1)
        return cliwords::tooManyArguments(args.mid(1));
    return QString();
}

int calc(Context &context, QStringList args)
{
    QString saveAs, problem;
    if (!takeOption(args, QStringLiteral("--save"), QT_TRANSLATE_NOOP("Cli", "il nome di un file"), saveAs,
                    problem) ||
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
    if (!takeOption(args, QStringLiteral("--pdf"), QT_TRANSLATE_NOOP("Cli", "il nome di un file"), pdf,
                    problem) ||
        !(problem = fileProblem(args)).isEmpty())
        return usage(problem);
    if (pdf.isEmpty())
        return usage(
            QCoreApplication::translate("Cli", "sheet vuole --pdf e il nome del file PDF da scrivere"));
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
    if (!takeOption(args, QStringLiteral("--printer"), QT_TRANSLATE_NOOP("Cli", "il nome di una stampante"),
                    printer, problem) ||
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
    QTextStream(stdout) << QCoreApplication::translate("Cli", "Stampa inviata a ") << printer << '\n';
    Context::sayManyPages(*page);
    // Taken, but held by a paused printer: said, yet no failure.
    if (!result.notice.isEmpty())
        context.warn(result.notice);
    return Success;
}

int convert(Context &context, QStringList args)
{
    QString pdf, problem;
    if (!takeOption(args, QStringLiteral("--pdf"), QT_TRANSLATE_NOOP("Cli", "il nome di un file"), pdf,
                    problem))
        return usage(problem);
    if (args.size() < 2 || args[0] != QStringLiteral("--total"))
        return usage(
            QCoreApplication::translate("Cli", "convert vuole prima --total e il peso totale in grammi"));
    if (args.size() - 2 > Converter::kRows)
        return usage(
            QCoreApplication::translate("Cli", "Troppi componenti: al massimo %1").arg(Converter::kRows));
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
                             ? cliwords::unknownOption(entry)
                             : QCoreApplication::translate("Cli", "«%1» non è nella forma NOME=PERCENTUALE")
                                   .arg(entry));
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
            out << row.row << ' ' << usertext::printable(catalogue::displayName(row.name)) << ": "
                << numbers::plainText(row.currentGrams) << " g -> " << row.grams << " g\n";
        if (result.eggCount)
            out << QCoreApplication::translate("Cli", "Uova: ")
                << numbers::plainText(input.eggs->currentCount) << " -> " << *result.eggCount << '\n';
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

// Runs one command of the command line, once the language and the ingredients are known.
int runCommand(Context &context, const QString &command, const QStringList &args)
{
    if (command == QStringLiteral("--help") || command == QStringLiteral("-h")) {
        QTextStream(stdout) << helpText();
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
    if (command == QStringLiteral("list") || command == QStringLiteral("compare")) {
        context.loadIngredients();
        const personal::Library &ingredients = context.session.worksheet().library();
        return command == QStringLiteral("list") ? archivecommands::list(args, ingredients, usage)
                                                 : archivecommands::compare(args, ingredients, usage);
    }
    return usage((command.startsWith(u'-') ? QCoreApplication::translate("Cli", "Opzione sconosciuta: ")
                                           : QCoreApplication::translate("Cli", "Comando sconosciuto: ")) +
                 command);
}

} // namespace

int main(int argc, char *argv[])
{
    // A file-size limit (ulimit -f) makes a write fail with its reason, said to the user,
    // instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // A reader that stops early (| head) leaves the rest of the output unread; the command
    // still finishes its work, a recipe asked for with --save included.
    std::signal(SIGPIPE, SIG_IGN);
    qInstallMessageHandler(quietQtMessages);
    // Sheets need fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vornak")); // the window's data folder
    // The language first, so that every message after it speaks it: --lang it|en, else the system's.
    const language::CommandLineChoice lang = language::fromCommandLine(app.arguments().mid(1));
    QStringList args = lang.rest;
    const std::optional<language::Language> chosen = language::fromCode(lang.value);
    language::install(chosen.value_or(language::system()));
    if (lang.times > 1 || (lang.times == 1 && !chosen))
        return usage(QCoreApplication::translate("Cli", "--lang vuole it oppure en"));
    Context context;
    if (QString problem;
        !takeOption(args, QStringLiteral("--ingredients"), QT_TRANSLATE_NOOP("Cli", "il nome di un file"),
                    context.ingredientsPath, problem))
        return usage(problem);
    if (args.contains(QStringLiteral("--ingredients")))
        return usage(cliwords::repeatedOption(QStringLiteral("--ingredients")));
    if (args.isEmpty())
        return usage(QCoreApplication::translate("Cli", "Manca il comando"));
    const QString command = args.takeFirst();
    return runCommand(context, command, args);
}
