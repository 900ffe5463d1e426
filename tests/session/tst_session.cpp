#include "fakechooser.h"
#include "recordingsink.h"
#include "session.h"
#include "testfiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace field;

class TestSession : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // The last calculation stands until a command makes it stale, and every such command
    // says so, whatever the worksheet's texts look like afterwards.
    void commandsThatMakeTheCalculationStale_data()
    {
        QTest::addColumn<std::function<void(Session &)>>("command");
        QTest::addColumn<bool>("stale");

        const QString recipe = dataFile(QStringLiteral("ricetta_uova.txt"));
        QTest::newRow("opening a recipe whose stored total is the one shown")
            << std::function([recipe](Session &s) { QVERIFY(s.open(recipe)); }) << true;
        QTest::newRow("clearing") << std::function([](Session &s) { s.clear(); }) << true;
        QTest::newRow("saving a new price") << std::function([](Session &s) {
            personal::Library library = s.worksheet().library();
            library.prices[QStringLiteral("ALBUMINA")] = QStringLiteral("9");
            QVERIFY(s.saveLibrary(library));
        }) << true;
        QTest::newRow("saving the same library")
            << std::function([](Session &s) { QVERIFY(s.saveLibrary(s.worksheet().library())); }) << false;
        QTest::newRow("a refused calculation") << std::function([](Session &s) {
            s.worksheet().setText(peso(1), QStringLiteral("0"));
            QVERIFY(!s.calculate());
        }) << false;
        QTest::newRow("a file that does not open") << std::function([this](Session &s) {
            QVERIFY(!s.open(dir.filePath(QStringLiteral("nessuna.txt"))));
        }) << false;
    }

    void commandsThatMakeTheCalculationStale()
    {
        QFETCH(std::function<void(Session &)>, command);
        QFETCH(bool, stale);
        const QString library = dir.filePath(QStringLiteral("ingredienti.csv"));
        writeAll(library, "nome;proteine;grassi;carboidrati;digeribilita;legante;prezzo\r\n"
                          "ALBUMINA;;;;;;12\r\nFARINA DI AVENA;;;;;;2\r\nUOVO INTERO GALLINA;;;;;;0,3\r\n");
        RecordingSink sink;
        Session session(sink);
        session.loadLibrary(library);
        QVERIFY(session.open(dataFile(QStringLiteral("ricetta_uova.txt"))));
        QVERIFY(session.calculate());
        QVERIFY(session.lastCalculation());
        QCOMPARE(session.lastCalculation()->cost.missingPrice, QString());

        QSignalSpy changed(&session, &Session::calculationChanged);
        command(session);
        QCOMPARE(!session.lastCalculation(), stale);
        QCOMPARE(changed.count(), stale ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
