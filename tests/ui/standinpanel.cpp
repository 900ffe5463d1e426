// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for a desktop's panel: a borderless dock window along the bottom of the
// screen, HEIGHT pixels tall: standinpanel HEIGHT. The script that starts it reserves the
// strip for it (_NET_WM_STRUT), as a real panel does, so the work area ends above it.
#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int height = argc > 1 ? QByteArray(argv[1]).toInt() : 40;
    QWidget panel;
    panel.setWindowTitle(QStringLiteral("standin-panel"));
    panel.setWindowFlags(Qt::FramelessWindowHint);
    panel.setAttribute(Qt::WA_X11NetWmWindowTypeDock);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    panel.setGeometry(screen.x(), screen.bottom() + 1 - height, screen.width(), height);
    panel.setStyleSheet(QStringLiteral("background: #303030"));
    panel.show();
    return app.exec();
}
