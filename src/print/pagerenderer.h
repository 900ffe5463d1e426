// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "page.h"

#include <QByteArray>
#include <QList>
#include <QSizeF>

class QPagedPaintDevice;
class QPaintDevice;

// Paints a page on a printer or a PDF file: the page's font, text at character
// columns, a new page whenever the next line would not fit.
namespace pagerenderer {

// A text at its place on a page, in device pixels from the printable area's corner.
struct PlacedText
{
    int page = 0;
    double x = 0;
    double y = 0; // top of the line
    QString text;
    double pointSize = 10;
};

// Where every text of the page goes, with the font metrics of `device`: column n at
// n - 1 average character widths; an item that would start left of where the line
// already reaches continues at its column on the next line; a text that would run
// past the `printable` width goes on at its column on the next line, broken after a
// blank where it can; a new page when the next line would pass the printable height.
// Every text goes through sheettext::oneLine, and a run of empty lines prints as at most
// five, so no text makes pages of nothing.
QList<PlacedText> layout(const Page &page, QPaintDevice &device, QSizeF printable);

// Sets the device's orientation and paints every line. False when the device
// cannot be painted on (a printer that refuses the job, a file that cannot be written).
bool render(const Page &page, QPagedPaintDevice &device);

// The page as the bytes of an A4 PDF file; empty when it cannot be drawn.
QByteArray pdf(const Page &page);

// How many sheets of A4 the page takes, as pdf() draws it; 0 when it cannot be drawn.
int pageCount(const Page &page);

// Above this many sheets the window asks before it prints or saves, and vornak-cli says
// the count: a note pasted by mistake can make thousands.
inline constexpr int kManyPages = 36;

// Writes the page as a PDF file through filewriter: a failure leaves an earlier file
// whole. Empty when written, otherwise the reason ("il disco è pieno").
QString writePdf(const Page &page, const QString &path);

} // namespace pagerenderer
