#pragma once

#include <QIcon>
#include <QPixmap>

// The small icon shared by all of Vornak's windows: a boilie.
QIcon vornakWindowIcon();

// Pictures of the About window, drawn rather than shipped.
QPixmap aboutPicture(); // 100 x 100 pixels
QPixmap aboutLogo();    // small logo, stretched to its box
