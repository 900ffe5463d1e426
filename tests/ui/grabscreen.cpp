// SPDX-License-Identifier: GPL-3.0-or-later
// Saves the whole X screen, or the rectangle given, as PNG: grabscreen OUT.png [X Y WIDTH HEIGHT]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 6)
        return 2;
    int rect[4] = {0, 0, -1, -1};
    for (int k = 0; k < 4 && argc == 6; ++k)
        rect[k] = QByteArray(argv[k + 2]).toInt();
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, rect[0], rect[1], rect[2], rect[3]);
    return !shot.isNull() && shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
