#include "formprinc.h"
#include "ingredientfile.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTextStream>
#include <QTranslator>

namespace {

const char kHelp[] = R"(Uso: vornak [opzioni] [FILE]
Vornak: calcolatore per mix di esche per la carpa.

Opzioni:
  -h, --help                Mostra questo aiuto.
  -v, --version             Mostra la versione.
  --ingredients FILE        Legge ingredienti personali e prezzi da FILE invece che
                            da ingredienti.csv nella cartella dei dati dell'utente.

Argomenti:
  FILE                      Ricetta da aprire all'avvio, come con il comando "Apri".
)";

struct CommandLine
{
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}};
    QCommandLineOption ingredients{QStringLiteral("ingredients"), QString(), QStringLiteral("FILE")};

    CommandLine()
    {
        parser.addOption(help);
        parser.addOption(version);
        parser.addOption(ingredients);
    }

    // ingredienti.csv in the user's data folder unless --ingredients names another file.
    QString ingredientsPath() const
    {
        return parser.isSet(ingredients) ? parser.value(ingredients) : ingredientfile::defaultPath();
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("vornak"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VORNAK_VERSION));

    // --help and --version answer before the window system is touched, so they also work
    // in a terminal without a display.
    CommandLine line;
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    line.parser.parse(raw);
    if (line.parser.isSet(line.help)) {
        QTextStream(stdout) << kHelp;
        return 0;
    }
    if (line.parser.isSet(line.version)) {
        QTextStream(stdout) << "vornak " VORNAK_VERSION "\n";
        return 0;
    }

    QApplication app(argc, argv);
    // Ties the running window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VORNAK_APP_ID));
    // Qt's own options (-platform, -style...) are gone from the arguments by now.
    if (!line.parser.parse(app.arguments()) || line.parser.positionalArguments().size() > 1) {
        const QString unknown = line.parser.unknownOptionNames().value(0);
        const QString dashes = unknown.size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
        QString problem = QStringLiteral("Troppi argomenti");
        if (!unknown.isEmpty())
            problem = QStringLiteral("Opzione sconosciuta: ") + dashes + unknown;
        else if (line.parser.positionalArguments().size() <= 1)
            problem = QStringLiteral("--ingredients vuole il nome di un file");
        QTextStream(stderr) << problem << "\n\n" << kHelp;
        return 2;
    }
    if (line.parser.isSet(line.ingredients) && line.parser.value(line.ingredients).isEmpty()) {
        QTextStream(stderr) << "--ingredients vuole il nome di un file\n\n" << kHelp;
        return 2;
    }

    // One look on every desktop, so the worksheet's colours always show.
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Qt's own dialogs (file choosers) speak Italian like the rest of the program.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);

    FormPrinc window;
    if (const QStringList files = line.parser.positionalArguments(); !files.isEmpty())
        window.openOnShow(QFileInfo(files.first()).absoluteFilePath());
    window.show();
    // The recipe named on the command line opens once the event loop runs, so its
    // ingredients are known by then.
    window.loadIngredients(line.ingredientsPath(), line.parser.isSet(line.ingredients));
    return app.exec();
}
