#include "catalogue.h"

#include <QTextStream>

int main()
{
    QTextStream(stdout) << "Vornak: " << catalogue::ingredients().size() << " ingredienti nel catalogo\n";
    return 0;
}
