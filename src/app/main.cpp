#include "formprinc.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // One look on every desktop, so the worksheet's colours always show.
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    FormPrinc window;
    window.show();
    return app.exec();
}
