#include "formprinc.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // One look on every desktop, so the worksheet's colours always show.
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Qt's own dialogs (file choosers) speak Italian like the rest of the program.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);

    FormPrinc window;
    window.show();
    return app.exec();
}
