// SPDX-License-Identifier: GPL-3.0-or-later
#include "formprinc.h"
#include "ingredientfile.h"
#include "language.h"
#include "rescuecopy.h"
#include "startupproblem.h"
#include "version.h"
#include "visibleframes.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTextStream>
#include <csignal>

#include <cstdlib>
#include <optional>

namespace {

const char kHelp[] = QT_TRANSLATE_NOOP("Main", R"(Uso: vornak [opzioni] [FILE]
Vornak: calcolatore per mix di esche per la carpa.

Opzioni:
  -h, --help           Mostra questo aiuto.
  -v, --version        Mostra la versione.
  --ingredients FILE   Legge ingredienti personali e prezzi da FILE invece che
                       da ingredienti.csv nella cartella dei dati dell'utente.
  --lang LINGUA        it o en: la lingua di Vornak per questa volta (se manca,
                       quella scelta nella finestra, poi quella del sistema).

Argomenti:
  FILE                 Ricetta da aprire all'avvio, come con il comando "Apri".
)");

// The options Qt itself takes from any program's command line (QGuiApplication,
// QApplication, the X11 platform), with and without a value. They are left to Qt.
const QStringList kQtOptionsWithValue = {
    QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"),    QStringLiteral("session"),
    QStringLiteral("display"),         QStringLiteral("geometry"),
    QStringLiteral("style"),           QStringLiteral("stylesheet"),
    QStringLiteral("qmljsdebugger")};
const QStringList kQtFlags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                              QStringLiteral("nograb"), QStringLiteral("dograb"), QStringLiteral("sync")};

// The arguments without Qt's own options, so that ours can be checked before the window
// system starts (and an unknown option fails without a display, as --help works without one).
QStringList withoutQtOptions(const QStringList &arguments)
{
    QStringList kept;
    for (qsizetype k = 0; k < arguments.size(); ++k) {
        const QString &arg = arguments[k];
        if (k == 0 || !arg.startsWith(u'-') || arg == QStringLiteral("--")) {
            kept << arg;
            continue;
        }
        QString name = arg.mid(arg.startsWith(QStringLiteral("--")) ? 2 : 1);
        const bool valueAttached = name.contains(u'=');
        name = name.section(u'=', 0, 0);
        if (kQtFlags.contains(name))
            continue;
        if (kQtOptionsWithValue.contains(name)) {
            if (!valueAttached)
                ++k; // its value
            continue;
        }
        kept << arg;
    }
    return kept;
}

struct CommandLine
{
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}};
    QCommandLineOption ingredients{QStringLiteral("ingredients"), QString(), QStringLiteral("FILE")};
    QCommandLineOption lang{QStringLiteral("lang"), QString(), QStringLiteral("LINGUA")};

    CommandLine()
    {
        parser.addOption(help);
        parser.addOption(version);
        parser.addOption(ingredients);
        parser.addOption(lang);
    }

    // ingredienti.csv in the user's data folder unless --ingredients names another file.
    QString ingredientsPath() const
    {
        return parser.isSet(ingredients) ? parser.value(ingredients) : ingredientfile::defaultPath();
    }
};

// The language of this run: --lang, else the window's saved choice, else the system's.
language::Language g_language = language::Language::Italian;

QString early(const char *source)
{
    return language::translateEarly(g_language, "Main", source);
}

// While the window system starts, Qt's messages are kept; a fatal one means no window can
// open: the user hears why in the run's language and the program ends with status 1.
void startupFailure(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    static QString said;
    said += message + u'\n';
    if (type != QtFatalMsg)
        return;
    QTextStream(stderr) << startupProblem(said, QString::fromLocal8Bit(qgetenv("DISPLAY")), early);
    std::_Exit(1);
}

// Chooses the language, then answers --help, --version and a wrong command line in the
// terminal: the exit status when the program ends there, nothing when the window is to open.
std::optional<int> answerCommandLine(CommandLine &line, const QStringList &raw)
{
    const language::CommandLineChoice lang = language::fromCommandLine(raw.mid(1));
    const bool langGiven = lang.times > 0;
    const std::optional<language::Language> chosen = language::fromCode(lang.value);
    g_language = chosen.value_or(language::saved().value_or(language::system()));
    const bool parsed = line.parser.parse(withoutQtOptions(raw));
    if (parsed && line.parser.isSet(line.help)) {
        QTextStream(stdout) << early(kHelp);
        return 0;
    }
    if (parsed && line.parser.isSet(line.version)) {
        QTextStream(stdout) << "vornak " VORNAK_VERSION "\n";
        return 0;
    }
    if (!parsed || line.parser.positionalArguments().size() > 1 ||
        (line.parser.isSet(line.ingredients) && line.parser.value(line.ingredients).isEmpty()) ||
        (langGiven && !chosen)) {
        const QString unknown = line.parser.unknownOptionNames().value(0);
        const QString dashes = unknown.size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
        QString problem = early(QT_TRANSLATE_NOOP("Main", "--ingredients vuole il nome di un file"));
        if (!unknown.isEmpty())
            problem = early(QT_TRANSLATE_NOOP("Main", "Opzione sconosciuta: ")) + dashes + unknown;
        else if (line.parser.positionalArguments().size() > 1)
            problem = early(QT_TRANSLATE_NOOP("Main", "Troppi argomenti"));
        else if (langGiven && !chosen)
            problem = early(QT_TRANSLATE_NOOP("Main", "--lang vuole it oppure en"));
        QTextStream(stderr) << problem << "\n\n" << early(kHelp);
        return 2;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    // A file-size limit (ulimit -f) makes a write fail with its reason, said to the user,
    // instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication::setApplicationName(QStringLiteral("vornak"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VORNAK_VERSION));

    // The command line is checked before the window system is touched: --help, --version
    // and a wrong option answer in a terminal without a display too.
    CommandLine line;
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    if (const std::optional<int> status = answerCommandLine(line, raw))
        return *status;

    // Without a screen or a platform module Qt would abort with advice about reinstalling;
    // say what is wrong instead.
    qInstallMessageHandler(startupFailure);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    // Ties the running window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VORNAK_APP_ID));

    // One look on every desktop, so the worksheet's colours always show.
    app.setStyle(new VisibleFramesStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    // Qt's own dialogs (file choosers, message box buttons) speak the program's language,
    // dates included. Vornak's numbers keep their own convention whatever the locale.
    QLocale::setDefault(g_language == language::Language::English
                            ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                            : QLocale(QLocale::Italian, QLocale::Italy));
    language::install(g_language);

    FormPrinc window;
    window.keepRescueCopies(RescueCopy::defaultFolder());
    // "Esci" ends the program whatever other window is open.
    QObject::connect(&window, &FormPrinc::exitRequested, &app, [] { QCoreApplication::exit(0); });
    if (const QStringList files = line.parser.positionalArguments(); !files.isEmpty())
        window.openOnShow(QFileInfo(files.first()).absoluteFilePath());
    window.loadIngredientsOnShow(line.ingredientsPath(), line.parser.isSet(line.ingredients));
    window.show();
    return app.exec();
}
