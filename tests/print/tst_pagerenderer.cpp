#include "calculation.h"
#include "pagerenderer.h"
#include "recipepage.h"
#include "worksheet.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
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

} // namespace

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
        const auto placed = pagerenderer::layout(page, device, 1e6);
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
        const auto placed = pagerenderer::layout(page, device, 1e6);
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
        const auto placed = pagerenderer::layout(page, device, 500);
        QCOMPARE(placed.size(), 300);
        QVERIFY(placed.last().page > 0);
        for (const PlacedText &p : placed)
            QVERIFY(p.y < 500);
        QCOMPARE(find(placed, QStringLiteral("0"))->page, 0);
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
        QVERIFY(pagerenderer::writePdf(recipepage::build(worksheet), pdf));
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

    void unwritablePdfFails()
    {
        QVERIFY(!pagerenderer::writePdf(Page(), QStringLiteral("/nonexistent-folder/x.pdf")));
    }
};

QTEST_MAIN(TestPageRenderer)
#include "tst_pagerenderer.moc"
