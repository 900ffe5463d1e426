#include "formprinc.h"
#include "ingredientfile.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTextStream>
#include <QTranslator>

namespace {

// "--ingredients FILE" reads the personal ingredients and prices from FILE instead of
// ingredienti.csv in the user's data folder. Empty when FILE is missing.
QString ingredientsPath(const QStringList &arguments)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--ingredients"));
    if (at < 0)
        return ingredientfile::defaultPath();
    return arguments.value(at + 1);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vornak")); // names the user's data folder
    const QString ingredients = ingredientsPath(app.arguments());
    if (ingredients.isEmpty()) {
        QTextStream(stderr) << "vornak: --ingredients vuole il nome di un file\n";
        return 2;
    }
    // One look on every desktop, so the worksheet's colours always show.
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Qt's own dialogs (file choosers) speak Italian like the rest of the program.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);

    FormPrinc window;
    window.show();
    window.loadIngredients(ingredients);
    return app.exec();
}
