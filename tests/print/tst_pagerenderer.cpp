// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculation.h"
#include "pagerenderer.h"
#include "pagetext.h"
#include "recipepage.h"
#include "sheettext.h"
#include "worksheet.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace field;
using pagerenderer::PlacedText;

namespace {

const PlacedText *find(const QList<PlacedText> &placed, const QString &text)
{
    for (const PlacedText &p : placed)
        if (p.text == text)
            return &p;
    return nullptr;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Forty words, as a note typed as one paragraph: "parola0 parola1 ... parola39".
QString fortyWords()
{
    QStringList words;
    for (int k = 0; k < 40; ++k)
        words << QStringLiteral("parola%1").arg(k);
    return words.join(u' ');
}

} // namespace

Q_DECLARE_METATYPE(Page)

class TestPageRenderer : public QObject
{
    Q_OBJECT

    QImage device{800, 600, QImage::Format_RGB32};

private slots:
    void columnsAreAverageCharacterWidths()
    {
        Page page;
        page.addLine()
            .at(60)
            .text(QStringLiteral("a"))
            .at(80)
            .text(QStringLiteral("b"))
            .at(1)
            .text(QStringLiteral("c"));
        const auto placed = pagerenderer::layout(page, device, QSizeF(1e6, 1e6));
        const PlacedText *a = find(placed, QStringLiteral("a"));
        const PlacedText *b = find(placed, QStringLiteral("b"));
        QVERIFY(a && b);
        const double width = a->x / 59;
        QVERIFY(width > 2);
        QVERIFY(qAbs(b->x - 79 * width) < 0.01);
        QCOMPARE(a->y, b->y);
        // Column 1 lies left of where the line already reaches: the next line, at the left edge.
        const PlacedText *c = find(placed, QStringLiteral("c"));
        QCOMPARE(c->x, 0.0);
        QVERIFY(c->y > a->y);
    }

    void longNameContinuesOnTheNextLine()
    {
        Page page;
        const QString longName(90, u'M');
        page.addLine().at(3).text(longName).at(60).text(QStringLiteral("Prot. ")).text(QStringLiteral("5"));
        page.addLine().at(3).text(QStringLiteral("next"));
        const auto placed = pagerenderer::layout(page, device, QSizeF(1e6, 1e6));
        const PlacedText *name = find(placed, longName);
        const PlacedText *prot = find(placed, QStringLiteral("Prot. "));
        const PlacedText *next = find(placed, QStringLiteral("next"));
        QVERIFY(prot->y > name->y);
        QVERIFY(qAbs(prot->x - 59 * (name->x / 2)) < 0.01);
        QVERIFY(next->y > prot->y); // the following row starts below the continued one
    }

    void pagesBreakWhenFull()
    {
        Page page;
        for (int k = 0; k < 300; ++k)
            page.addLine().at(3).text(QString::number(k));
        const auto placed = pagerenderer::layout(page, device, QSizeF(1e6, 500));
        QCOMPARE(placed.size(), 300);
        QVERIFY(placed.last().page > 0);
        for (const PlacedText &p : placed)
            QVERIFY(p.y < 500);
        QCOMPARE(find(placed, QStringLiteral("0"))->page, 0);
    }

    // What of a text reaches the sheet's line: breaks and tabs as blanks (CR LF as one),
    // runs of blanks or of characters without width stopped at eight, marks at two a letter.
    void oneLineKeepsWhatShows_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("line");
        const QString eight(8, u' ');
        QTest::newRow("plain") << "SEMOLINO 500"
                               << "SEMOLINO 500";
        QTest::newRow("breaks and tabs") << "a\r\nb\nc\td\u2028e"
                                         << "a b c d e";
        QTest::newRow("eight blanks stay") << "a" + eight + "b"
                                           << "a" + eight + "b";
        QTest::newRow("nine blanks are eight") << "a" + eight + " b"
                                               << "a" + eight + "b";
        QTest::newRow("a run of breaks") << "a" + QString(20, u'\n') + "b"
                                         << "a" + eight + "b";
        QTest::newRow("width-less with blanks") << "a" + QString(10, QChar(0x200B)) + "b"
                                                << "a" + QString(8, QChar(0x200B)) + "b";
        QTest::newRow("two marks on a letter") << "e\u0301\u0301\u0301\u0301"
                                               << "e\u0301\u0301";
    }

    void oneLineKeepsWhatShows()
    {
        QFETCH(QString, text);
        QFETCH(QString, line);
        QCOMPARE(sheettext::oneLine(text), line);
    }

    // The count the window asks with is the PDF's own, upright or on its side.
    void pageCountIsThePdfs_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("landscape");
        for (int lines : {0, 1, 70, 71, 400, 3000})
            for (bool landscape : {false, true})
                QTest::addRow("%d lines%s", lines, landscape ? ", landscape" : "") << lines << landscape;
    }

    void pageCountIsThePdfs()
    {
        QFETCH(int, lines);
        QFETCH(bool, landscape);
        Page page;
        page.landscape = landscape;
        for (int k = 0; k < lines; ++k)
            page.addLine().at(3).text(QString::number(k));
        const QByteArray pdf = pagerenderer::pdf(page);
        const auto pageObjects =
            QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)")).globalMatch(QString::fromLatin1(pdf));
        int inPdf = 0;
        for (auto match = pageObjects; match.hasNext(); match.next())
            ++inPdf;
        QCOMPARE(pagerenderer::pageCount(page), inPdf);
    }

    // A line wider than the landscape A4 sheet goes on at its column on the next lines:
    // every character is placed, in order, and none past the printable width.
    void linesWiderThanThePageWrap_data()
    {
        QTest::addColumn<Page>("page");
        auto line = [](int column, const QString &label, const QString &text, const QString &unit = {}) {
            Page page;
            page.landscape = true;
            page.addLine().at(column).text(label).text(text).text(unit);
            page.addLine().at(3).text(QStringLiteral("dopo"));
            return page;
        };
        QTest::newRow("a note typed as one paragraph") << line(3, QStringLiteral("Note: "), fortyWords());
        QTest::newRow("a 150-character custom name without blanks") << line(3, QString(), QString(150, u'M'));
        QTest::newRow("a total of a trillion tonnes at column 160") << line(
            160, QStringLiteral("Peso: "), QStringLiteral("1.000.000.000.000.000,00"), QStringLiteral("gr."));
    }

    void linesWiderThanThePageWrap()
    {
        QFETCH(Page, page);
        QTemporaryDir dir;
        QPdfWriter pdf(dir.filePath(QStringLiteral("x.pdf")));
        pdf.setPageOrientation(QPageLayout::Landscape);
        const QSizeF printable = pdf.pageLayout().paintRectPixels(pdf.resolution()).size();
        const auto placed = pagerenderer::layout(page, pdf, printable);
        QString all;
        QSet<double> lines;
        const QFontMetricsF metrics(QFont(QStringLiteral("Liberation Sans"), 10), &pdf);
        for (const PlacedText &p : placed) {
            all += p.text;
            lines.insert(p.y);
            QVERIFY2(p.x + metrics.horizontalAdvance(p.text) <= printable.width() + 0.5, qPrintable(p.text));
        }
        QCOMPARE(all, pageLineText(page.lines[0]).remove(QRegularExpression(QStringLiteral("@\\d+ "))) +
                          QStringLiteral("dopo"));
        QVERIFY(lines.size() >= 3); // the long line takes two at least, "dopo" its own below them
        QVERIFY(placed.last().y > placed[placed.size() - 2].y);
        // The pieces after the first start at the line's column.
        const double columnX = placed.first().x;
        for (qsizetype k = 1; k + 1 < placed.size(); ++k)
            if (placed[k].y > placed[k - 1].y)
                QCOMPARE(placed[k].x, columnX);
    }

    void recipeSheetAsPdf()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        Worksheet worksheet;
        worksheet.select(componente(1), QStringLiteral("FARINA DI MAIS"));
        worksheet.setText(peso(1), QStringLiteral("500"));
        worksheet.setText(NomeRicetta, QStringLiteral("Mais dolce è"));
        worksheet.setText(Note, QStringLiteral("prima riga\r\nseconda riga"));
        QVERIFY(calculate(worksheet));

        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("ricetta.pdf"));
        QCOMPARE(pagerenderer::writePdf(recipepage::build(worksheet), pdf), QString());
        const QString text =
            run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        for (const char *expected :
             {"Ricetta:", "Mais dolce è", "FARINA DI MAIS", "Prot. 8,7%", "Lega. 4", "Peso: 500gr.",
              "Risultati con uova escluse", "Peso: 500,00gr.", "Note: prima riga", "seconda riga"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        const QString info = run(QStringLiteral("pdfinfo"), {pdf});
        const QRegularExpression size(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)"));
        const auto match = size.match(info);
        QVERIFY(match.hasMatch());
        QVERIFY2(match.captured(1).toDouble() > match.captured(2).toDouble(), "landscape");
    }

    // Nothing of a long note, a long custom name or a huge total is lost on paper.
    void longTextsReachThePdf()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        Worksheet worksheet;
        worksheet.select(componente(1), QStringLiteral("FARINA DI MAIS"));
        worksheet.setText(peso(1), QStringLiteral("1.000.000.000.000.000"));
        const QString name = QStringLiteral("ABCDEFGHIJ").repeated(15);
        worksheet.setText(Aggiunta1, name);
        worksheet.setText(peso(12), QStringLiteral("1"));
        worksheet.setText(NomeRicetta, QStringLiteral("Lunga"));
        worksheet.setText(Note, fortyWords());
        QVERIFY(calculate(worksheet));
        QCOMPARE(worksheet.text(RisPeso), QStringLiteral("1.000.000.000.000.000,00"));

        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("lunga.pdf"));
        QCOMPARE(pagerenderer::writePdf(recipepage::build(worksheet), pdf), QString());
        QString text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        text.remove(QRegularExpression(QStringLiteral("\\s")));
        for (const QString &expected :
             {QString(fortyWords()).remove(u' '), name, QStringLiteral("Peso:1.000.000.000.000.000,00gr.")})
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" missing in ") + text));
    }

    // Whatever a note or a name holds, a sheet stays on its pages and makes no page of
    // nothing: marks stacked on one letter, runs of blank lines, tabs, blanks, characters
    // without width, one endless word.
    void hostileTextsStayOnTheirPages_data()
    {
        QTest::addColumn<QString>("note");
        QTest::addColumn<int>("maxPages");
        const qsizetype mib = 1024 * 1024;
        QTest::newRow("one letter and 500,000 combining accents")
            << QStringLiteral("a") + QString(500000, QChar(0x0301)) << 1;
        QTest::newRow("1 MiB of blank lines") << QString(mib, u'\n') << 1;
        QTest::newRow("1 MiB of CR LF") << QStringLiteral("\r\n").repeated(mib / 2) << 1;
        QTest::newRow("1 MiB of tabs") << QString(mib, u'\t') << 1;
        QTest::newRow("1 MiB of spaces") << QString(mib, u' ') << 1;
        QTest::newRow("1 MiB of zero-width spaces") << QString(mib, QChar(0x200B)) << 1;
        QTest::newRow("a word after every thousand blank lines")
            << (QStringLiteral("parola") + QStringLiteral(" \t\n").repeated(1000)).repeated(mib / 3006)
            << 200;
        QTest::newRow("one word of 1 MiB") << QString(mib, u'm') << 1000;
        QTest::newRow("accents on every letter")
            << QStringLiteral("e\u0301\u0301\u0301\u0301 ").repeated(mib / 6) << 1000;
    }

    void hostileTextsStayOnTheirPages()
    {
        QFETCH(QString, note);
        QFETCH(int, maxPages);
        Worksheet worksheet;
        worksheet.select(componente(1), QStringLiteral("FARINA DI MAIS"));
        worksheet.setText(peso(1), QStringLiteral("500"));
        worksheet.setText(NomeRicetta, QStringLiteral("Ostile"));
        worksheet.setText(Note, note);
        QVERIFY(calculate(worksheet));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setPageMargins(QMarginsF(8, 8, 8, 8), QPageLayout::Millimeter);
        const QRect paint = pdf.pageLayout().paintRectPixels(pdf.resolution());
        const QSizeF box = paint.size();
        // The paper, in the coordinates of the printable area.
        const QRectF paper =
            QRectF(pdf.pageLayout().fullRectPixels(pdf.resolution())).translated(-paint.topLeft());
        const auto placed = pagerenderer::layout(recipepage::build(worksheet), pdf, box);

        QSet<int> pagesWithText;
        for (const PlacedText &text : placed) {
            const QFontMetricsF metrics(QFont(QStringLiteral("Arial"), int(text.pointSize)), &pdf);
            // Every text starts and ends inside the printable box, and its ink, accents
            // included, lies on the paper.
            QVERIFY(text.x >= 0 && text.x + metrics.horizontalAdvance(text.text) <= box.width() + 1);
            QVERIFY(text.y >= 0 && text.y + metrics.lineSpacing() <= box.height() + 1);
            const QRectF ink = metrics.boundingRect(text.text).translated(text.x, text.y + metrics.ascent());
            QVERIFY2(ink.width() == 0 || (ink.left() >= paper.left() && ink.right() <= paper.right() &&
                                          ink.top() >= paper.top() && ink.bottom() <= paper.bottom()),
                     qPrintable(QStringLiteral("page %1: %2,%3 %4x%5 outside %6x%7")
                                    .arg(text.page)
                                    .arg(ink.x())
                                    .arg(ink.y())
                                    .arg(ink.width())
                                    .arg(ink.height())
                                    .arg(paper.width())
                                    .arg(paper.height())));
            if (!text.text.trimmed().isEmpty())
                pagesWithText.insert(text.page);
        }
        const int pages = placed.isEmpty() ? 0 : placed.last().page + 1;
        QVERIFY2(pages <= maxPages, qPrintable(QString::number(pages)));
        QCOMPARE(pagesWithText.size(), pages); // no page of nothing
    }

    // A line break in a hand-edited name prints as a blank, never gluing two words.
    void lineBreaksInNamesAreBlanks()
    {
        Worksheet worksheet;
        worksheet.setText(Aggiunta1, QStringLiteral("Prima riga\nseconda riga"));
        worksheet.setText(peso(12), QStringLiteral("10"));
        Page page;
        page.addLine()
            .at(3)
            .text(QStringLiteral("Prima riga\r\nseconda\u2028riga"))
            .text(QStringLiteral("\rfine"));
        const auto placed = pagerenderer::layout(page, device, QSizeF(1e6, 1e6));
        QStringList texts;
        for (const PlacedText &text : placed)
            texts << text.text;
        QCOMPARE(texts, (QStringList{"Prima riga seconda riga", " fine"}));
    }

    void unwritablePdfFails()
    {
        QCOMPARE(pagerenderer::writePdf(Page(), QStringLiteral("/nonexistent-folder/x.pdf")),
                 QStringLiteral("la cartella «/nonexistent-folder» non esiste"));
    }
};

QTEST_MAIN(TestPageRenderer)
#include "tst_pagerenderer.moc"
