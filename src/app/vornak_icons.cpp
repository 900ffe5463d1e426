// SPDX-License-Identifier: GPL-3.0-or-later
// vornak-icons OUTDIR APPID: writes the window icon into a hicolor icon tree for the
// desktop's menus, from the very drawing the program's windows use.
#include "windowicon.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char *argv[])
{
    // Painting shapes on an image needs no window system, so no application object.
    if (argc != 3) {
        QTextStream(stderr) << "Uso: vornak-icons CARTELLA ID\n";
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QString icon = QString::fromLocal8Bit(argv[2]);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!root.mkpath(folder) ||
            !vornakIconImage(size).save(root.filePath(folder + u'/' + icon + ".png"))) {
            QTextStream(stderr) << "vornak-icons: cannot write " << root.filePath(folder) << '\n';
            return 1;
        }
    }
    if (!root.mkpath(QStringLiteral("scalable/apps")) ||
        !writeFile(root.filePath(QStringLiteral("scalable/apps/") + icon + ".svg"), vornakIconSvg(256))) {
        QTextStream(stderr) << "vornak-icons: cannot write the SVG icon\n";
        return 1;
    }
    return 0;
}
