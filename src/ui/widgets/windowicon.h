// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QPixmap>

// The small icon shared by all of Vornak's windows: a boilie.
QIcon vornakWindowIcon();

// The same boilie for the desktop's menus: a size x size picture, and an SVG drawing
// of the same shapes and colours on a size x size canvas.
QImage vornakIconImage(int size);
QByteArray vornakIconSvg(int size);

// Pictures of the About window, drawn rather than shipped.
QPixmap aboutPicture(); // 100 x 100 pixels
QPixmap aboutLogo();    // small logo, stretched to its box
