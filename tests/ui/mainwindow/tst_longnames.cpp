// SPDX-License-Identifier: GPL-3.0-or-later
// Long ingredient names never push a window past the screen nor a column out of view: the
// balance window wraps its suggestions, the ingredient editor cuts its name column short
// with "…" and a tooltip; and the worksheet's captions stay whole and unclipped on a small
// or low window.
#include "balanceline.h"
#include "captionfit.h"
#include "formprinc.h"
#include "frmbilancio.h"
#include "frmingredienti.h"
#include "modalwatcher.h"
#include "testfiles.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>
#include <QToolTip>

using namespace field;

namespace {

const QString kPersonal = QStringLiteral("Mix Birdfood di Luca con semi di canapa tostati, miele di "
                                         "castagno e farina di cocco fine");

// The text as read, without the invisible break points a wrapping label is given.
QString shownText(const QLabel *label)
{
    return QString(label->text()).remove(QChar(0x200B));
}

} // namespace

class TestLongNames : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    FormPrinc *form = nullptr;
    ModalWatcher *watcher = nullptr;

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

    void init()
    {
        form = new FormPrinc;
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        watcher = new ModalWatcher;
        const QString file = dir.filePath(QStringLiteral("ingredienti.csv"));
        writeAll(file, "nome;proteine;grassi;carboidrati;digeribilita;legante;prezzo\n" + kPersonal.toUtf8() +
                           ";7;65;20;3;1;4,50\n");
        form->loadIngredients(file);
    }

    void cleanup()
    {
        QVERIFY2(watcher->unexpected.isEmpty(), qPrintable(watcher->unexpected.join(u',')));
        delete watcher;
        delete form;
    }

    // A mix short of fat whose fattest ingredient has a long name: the suggestion names it
    // whole, on as many lines as it takes, in a window no wider than the screen.
    void balanceSuggestionWraps_data()
    {
        QTest::addColumn<bool>("custom");
        QTest::newRow("personal ingredient, 79 letters with blanks") << false;
        QTest::newRow("custom row, 196 letters without a blank") << true;
    }

    void balanceSuggestionWraps()
    {
        QFETCH(bool, custom);
        Worksheet &sheet = form->worksheet();
        sheet.select(componente(1), QStringLiteral("ALBUMINA"));
        sheet.setText(peso(1), QStringLiteral("200"));
        sheet.select(componente(2), QStringLiteral("SEMOLINO"));
        sheet.setText(peso(2), QStringLiteral("300"));
        QString name = kPersonal;
        if (custom) {
            name = QString(196, u'M');
            sheet.setText(Aggiunta1, name);
            for (auto [id, value] : {std::pair{proteine(12), "7"}, {grassi(12), "65"}, {carbo(12), "20"}})
                sheet.setText(id, QLatin1String(value));
            sheet.select(dig(12), QStringLiteral("3"));
            sheet.select(legante(12), QStringLiteral("1"));
            sheet.setText(peso(12), QStringLiteral("1"));
        } else {
            sheet.select(componente(3), name);
            sheet.setText(peso(3), QStringLiteral("1"));
        }
        form->CmdCalcola_Click();
        form->mnuBilancio_Click();
        FrmBilancio *window = form->balanceWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto *suggestions = window->findChild<QLabel *>(QStringLiteral("TxtSuggerimenti"));
        QVERIFY2(shownText(suggestions).contains(QStringLiteral("g di ") + name),
                 qPrintable(suggestions->text()));
        const QRect screen = window->screen()->availableGeometry();
        QVERIFY2(window->frameGeometry().width() <= screen.width(),
                 qPrintable(QString::number(window->width())));
        QVERIFY(suggestions->height() >= suggestions->heightForWidth(suggestions->width()));
        QVERIFY(suggestions->geometry().right() < window->width());
    }

    // The editor's name column stops at about thirty letters, so the prices stay in view,
    // and where the window has room it shows at least twelve, leaving no empty strip on the
    // right but what the thirty letters leave; the long name shows whole as the cell's tooltip.
    void editorNameColumn_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("as opened") << QSize();
        QTest::newRow("800x600 with a panel") << QSize(800, 530);
        QTest::newRow("1366x768") << QSize(1002, 620);
    }

    void editorNameColumn()
    {
        QFETCH(QSize, size);
        FrmIngredienti editor(form->session(), form);
        editor.setModal(false); // shown rather than run, so the test goes on
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        if (size.isValid())
            editor.resize(size);
        QTest::qWait(20);
        auto *view = editor.findChild<QTableView *>(QStringLiteral("TblIngredienti"));
        QHeaderView *header = view->horizontalHeader();
        const int letter = view->fontMetrics().averageCharWidth();
        QVERIFY(header->sectionSize(0) <= 31 * letter);
        const int room = view->viewport()->width() - (header->length() - header->sectionSize(0));
        const QString widths = QStringLiteral("name %1 px, room %2 px, letter %3 px")
                                   .arg(header->sectionSize(0))
                                   .arg(room)
                                   .arg(letter);
        if (room >= 12 * letter)
            QVERIFY2(header->sectionSize(0) >= 12 * letter, qPrintable(widths));
        const int strip = view->viewport()->width() - header->length();
        QVERIFY2(strip <= qMax(0, room - 30 * letter) + letter, qPrintable(widths));
        QVERIFY2(header->length() <= view->viewport()->width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(header->length()).arg(view->viewport()->width())));
        QModelIndex cell;
        for (int row = 0; row < view->model()->rowCount() && !cell.isValid(); ++row)
            if (view->model()->index(row, 0).data().toString() == kPersonal)
                cell = view->model()->index(row, 0);
        QVERIFY(cell.isValid());
        view->scrollTo(cell);
        const QPoint at = view->visualRect(cell).center();
        QHelpEvent help(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view->viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), kPersonal);
        // A short name needs none.
        const QModelIndex shortName = view->model()->index(0, 0);
        QToolTip::hideText();
        const QPoint there = view->visualRect(shortName).center();
        QHelpEvent again(QEvent::ToolTip, there, view->viewport()->mapToGlobal(there));
        QApplication::sendEvent(view->viewport(), &again);
        QVERIFY(QToolTip::text() != shortName.data().toString());
    }

    // A warning naming a file with a long name without a blank wraps it, within the screen.
    void warningWraps()
    {
        const QString path = dir.filePath(QString(200, u'r') + QStringLiteral(".txt"));
        int widest = 0;
        watcher->onBox = [&widest](QMessageBox *box) { widest = qMax(widest, box->frameGeometry().width()); };
        QVERIFY(!form->session().open(path));
        QCOMPARE(watcher->boxes.size(), 1);
        QVERIFY(watcher->boxes.constFirst().second.contains(path));
        QVERIFY2(widest > 0 && widest <= form->screen()->availableGeometry().width(),
                 qPrintable(QString::number(widest)));
    }

    // The worksheet's captions, at the smallest window, as a 800 x 600 screen with a panel
    // leaves it, and as 1920 x 1080 at scale 2 leaves it (wide and low): every word whole,
    // every box a full line high, so no descender is cut.
    void captionsWhole_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::newRow("smallest window") << QSize(495, 356);
        QTest::newRow("800x600 with a panel") << QSize(798, 470);
        QTest::newRow("1920x1080 at scale 2") << QSize(958, 440);
    }

    void captionsWhole()
    {
        QFETCH(QSize, client);
        QWidget *area = form->centralWidget();
        form->resize(form->size() + client - area->size());
        QTRY_COMPARE(area->size(), client);
        int captions = 0;
        for (QLabel *label : area->findChildren<QLabel *>()) {
            if (!label->property(captionfit::kCaption).toBool() || label->text().isEmpty())
                continue;
            ++captions;
            const QFontMetrics metrics = label->fontMetrics();
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(label->text()));
            QVERIFY2(label->height() >= metrics.height(), qPrintable(label->text()));
        }
        QVERIFY(captions > 30);
        // The buttons' texts likewise, within the part of the button the style writes in.
        int buttons = 0;
        for (QPushButton *button : area->findChildren<QPushButton *>()) {
            if (!button->property(captionfit::kCaption).toBool())
                continue;
            ++buttons;
            QStyleOptionButton option;
            option.initFrom(button);
            option.rect = button->rect();
            const QRect contents =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            QVERIFY2(button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&')) <=
                         contents.width(),
                     qPrintable(button->text()));
        }
        QVERIFY(buttons >= 6);
    }

    // The balance line of an unbalanced mix at each size: shortened with "…" and whole in
    // its tooltip exactly when the window is too narrow for it.
    void balanceLineShortenedWithEllipsis_data() { captionsWhole_data(); }

    void balanceLineShortenedWithEllipsis()
    {
        QFETCH(QSize, client);
        Worksheet &sheet = form->worksheet();
        sheet.select(componente(1), QStringLiteral("ALBUMINA"));
        sheet.setText(peso(1), QStringLiteral("900"));
        sheet.select(componente(2), QStringLiteral("SEMOLINO"));
        sheet.setText(peso(2), QStringLiteral("10"));
        form->CmdCalcola_Click();
        QWidget *area = form->centralWidget();
        form->resize(form->size() + client - area->size());
        QTRY_COMPARE(area->size(), client);
        auto *line = form->findChild<BalanceLine *>(QStringLiteral("LblBilancio"));
        const QString whole = QTextDocumentFragment::fromHtml(line->text()).toPlainText();
        QVERIFY(whole.startsWith(QStringLiteral("Bilancio: ")));
        (void)line->grab();
        QFont bold = line->font();
        bold.setBold(true);
        const bool fits = QFontMetrics(bold).horizontalAdvance(whole) <= line->contentsRect().width();
        const bool tooNarrow =
            QFontMetrics(line->font()).horizontalAdvance(whole) > line->contentsRect().width();
        if (fits)
            QVERIFY(!line->isShortened());
        if (tooNarrow)
            QVERIFY(line->isShortened());
        QCOMPARE(line->toolTip().startsWith(whole), line->isShortened());
        if (client.width() < 500)
            QVERIFY(line->isShortened()); // the row that must exercise the ellipsis
    }
};

QTEST_MAIN(TestLongNames)
#include "tst_longnames.moc"
