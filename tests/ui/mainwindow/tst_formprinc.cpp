// SPDX-License-Identifier: GPL-3.0-or-later
#include "balancelook.h"
#include "balancetexts.h"
#include "catalogue.h"
#include "clsresize.h"
#include "contrast.h"
#include "design.h"
#include "dlgcommon.h"
#include "fakechooser.h"
#include "fieldbinding.h"
#include "formprinc.h"
#include "frmbilancio.h"
#include "frmconvertitore.h"
#include "frmingredienti.h"
#include "frmriferimenti.h"
#include "lengthguard.h"
#include "messageboxsink.h"
#include "messages.h"
#include "modalwatcher.h"
#include "notesedit.h"
#include "pageprinter.h"
#include "recipefile.h"
#include "recipemessages.h"
#include "remembered.h"
#include "testfiles.h"
#include "usersettings.h"
#include "usertext.h"
#include "version.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>
#include <QWheelEvent>

using namespace field;

namespace {

const QColor kCyan(0, 255, 255);

QColor background(QWidget *widget)
{
    if (qobject_cast<QLabel *>(widget))
        return widget->palette().color(QPalette::Window);
    return widget->palette().color(QPalette::Base);
}

// The box around the pixels of `image` inside `area` that `differs` picks out.
QRect extentOf(const QImage &image, const QRect &area, const std::function<bool(QColor)> &differs)
{
    QRect extent;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (differs(image.pixelColor(x, y)))
                extent |= QRect(x, y, 1, 1);
    return extent;
}

QColor darkest(const QImage &image)
{
    QColor result(Qt::white);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).lightness() < result.lightness())
                result = image.pixelColor(x, y);
    return result;
}

// What the user does to a control in the habits test.
enum Gesture
{
    Escape,
    Wheel,
    ClickThenType
};

// The printer side of the print command; the PDF is written for real.
class FakePrinter : public PagePrinter
{
public:
    using PagePrinter::PagePrinter;
    bool printerPresent = false;
    int printed = 0;
    QString pdfPath;

protected:
    printerjob::Destinations destinations() override
    {
        printerjob::Destinations found;
        found.defaultPrinter = printerPresent ? QStringLiteral("Fake") : QString();
        return found;
    }
    printerjob::JobResult printOn(const Page &, const QString &) override
    {
        ++printed;
        return {};
    }
    QString choosePdfPath() override { return pdfPath; }
};

} // namespace

class TestFormPrinc : public QObject
{
    Q_OBJECT

    FormPrinc *form = nullptr;
    std::unique_ptr<FrmIngredienti> editor; // of the tests that open it
    QTemporaryDir settingsHome;
    ModalWatcher *watcher = nullptr;

    template <typename T = QWidget> T *control(const QString &name)
    {
        T *widget = form->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }

    // Opens the list and clicks the entry, as a user does.
    void choose(const QString &listName, const QString &entry)
    {
        auto *list = control<QComboBox>(listName);
        const int index = list->findText(entry);
        QVERIFY2(index >= 0, qPrintable(entry));
        list->showPopup();
        QAbstractItemView *view = list->view();
        QTRY_VERIFY(view->isVisible());
        view->scrollTo(view->model()->index(index, 0));
        const QRect item = view->visualRect(view->model()->index(index, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        QTRY_VERIFY(!view->isVisible());
    }

    // The item of File → "Ricette recenti" for this file, as the menu shows it when it opens.
    QAction *recentItem(const QString &path)
    {
        if (!remembered::recentRecipes().contains(QFileInfo(path).absoluteFilePath()))
            remembered::noteRecipe(path);
        auto *menu = form->findChild<QMenu *>(QStringLiteral("mnuRecenti"));
        emit menu->aboutToShow();
        const int number = int(remembered::recentRecipes().indexOf(QFileInfo(path).absoluteFilePath())) + 1;
        return form->findChild<QAction *>(QStringLiteral("mnuRecente%1").arg(number));
    }

    void typeInto(const QString &name, const QString &text)
    {
        auto *edit = control<QLineEdit>(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // Shown as on a screen of this size under a window manager, once the window has taken the
    // work area, frame included.
    void placeOnScreen(QSize screen = QSize())
    {
        QTRY_COMPARE(form->frameGeometry(), QGuiApplication::primaryScreen()->availableGeometry());
        if (screen.isValid()) {
            form->resize(screen - QSize(2, 25)); // openbox's frame
            QTRY_COMPARE(form->size(), screen - QSize(2, 25));
        }
    }

    // The ingredient editor over the window, with one priced ingredient.
    void openEditor(const QTemporaryDir &dir)
    {
        const QString path = dir.filePath("ingredienti.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("nome;proteine;grassi;carboidrati;digeribilita;legante;prezzo\nALBUMINA;;;;;;10\n");
        file.close();
        form->session().loadLibrary(path);
        editor = std::make_unique<FrmIngredienti>(form->session(), form);
        editor->setWindowModality(Qt::NonModal); // driven here without exec()
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
    }

private slots:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        // The recent recipes and the archive's folder go to a settings file of this run.
        QVERIFY(settingsHome.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsHome.path()));
    }

    void init()
    {
        usersettings::open().clear();
        form = new FormPrinc;
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QApplication::setActiveWindow(form);
        watcher = new ModalWatcher;
    }

    void cleanup()
    {
        QVERIFY2(watcher->unexpected.isEmpty(), qPrintable(watcher->unexpected.join(u',')));
        editor.reset();
        delete watcher;
        delete form;
    }

    void controlsCarryTheirNames()
    {
        QStringList names{"Frame1",
                          "Frame2",
                          "Label17",
                          "ChkUova",
                          "CmbComponente14",
                          "TxtNumeroUova",
                          "TxtRisDigeribilità",
                          "TxtRisProprietàLegante",
                          "TxtNote",
                          "CmdCalcola",
                          "CmdEsci"};
        for (int row = 1; row <= 13; ++row)
            names << QStringLiteral("TxtPeso%1").arg(row);
        for (const QString &name : names)
            QVERIFY2(form->findChild<QWidget *>(name), qPrintable(name));
        for (const char *action : {"mnuapri", "mnuStampa", "mnusalva", "mnuEsci", "mnuRiferimenti",
                                   "mnuConvertitore", "mnuInformazioni"})
            QVERIFY2(form->findChild<QAction *>(QLatin1String(action)), action);
        QVERIFY(form->windowTitle().startsWith(QStringLiteral("Vornak Ver. " VORNAK_VERSION " - ")));
        QCOMPARE(control<QPushButton>("CmdSalva")->text(), QStringLiteral("Salva "));
        QCOMPARE(control<QPushButton>("CmdCalcola")->toolTip(), QStringLiteral("Esegue il calcolo"));
        for (QAction *action : form->findChildren<QAction *>())
            QVERIFY(action->shortcut().isEmpty());
    }

    void displayFieldsNeverTakeFocus()
    {
        for (const char *name : {"TxtProteine1", "TxtLegante11", "TxtPeso14", "TxtRisPeso"}) {
            auto *field = control<QLabel>(QLatin1String(name));
            QCOMPARE(field->focusPolicy(), Qt::NoFocus);
            QVERIFY(field->alignment() & Qt::AlignHCenter);
            QVERIFY(field->frameShape() != QFrame::NoFrame);
        }
    }

    void fillsTheWorkAreaInProportion()
    {
        QWidget *client = form->centralWidget();
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        // The frame is known once the window is shown: then the whole window, frame included, fits.
        QTRY_COMPARE(form->frameGeometry(), area);
        const double ratio = client->width() / 990.0;
        auto *list = control("CmbComponente1");
        QVERIFY(qAbs(list->x() - 8 * ratio) <= 1);
        QVERIFY(qAbs(list->width() - 209 * ratio) <= 1);
        auto *grams = control("TxtPeso13");
        QVERIFY(qAbs(grams->x() - 872 * ratio) <= 1);
    }

    void firstFocusAndTabOrder()
    {
        QTRY_COMPARE(QApplication::focusWidget(), control("CmbComponente1"));
        choose("CmbComponente11", "CASEINA");
        control("TxtPeso11")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), control("TxtAggiunta1"));
        control("TxtNote")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), control("CmdCalcola"));
    }

    void typingALetterGivesOneMessageAndZero()
    {
        choose("CmbComponente1", "FARINA DI AVENA");
        typeInto("TxtPeso1", "12a");
        QCOMPARE(watcher->texts(), QStringList{messages::kNotANumber});
        QCOMPARE(watcher->boxes.first().first, QStringLiteral("AVVISO"));
        QCOMPARE(control<QLineEdit>("TxtPeso1")->text(), QStringLiteral("0"));
        QCOMPARE(form->worksheet().text(peso(1)), QStringLiteral("0"));
    }

    void choosingAnIngredientFillsTheRow()
    {
        choose("CmbComponente1", "FARINA DI AVENA");
        QVERIFY(control("TxtPeso1")->isEnabled());
        QCOMPARE(control<QLabel>("TxtProteine1")->text(), QStringLiteral("12,6"));
        QCOMPARE(control<QLabel>("TxtCarbo1")->text(), QStringLiteral("72,9"));
        for (const char *name : {"CmbComponente1", "TxtProteine1", "TxtLegante1"})
            QCOMPARE(background(control(QLatin1String(name))), kCyan);
    }

    void eggRowStartsOff()
    {
        auto *kind = control<QComboBox>("CmbComponente14");
        QVERIFY(!kind->isEnabled());
        QCOMPARE(kind->currentText(), QStringLiteral("-"));
        QCOMPARE(control<QLineEdit>("TxtNumeroUova")->text(), QStringLiteral("0"));
        QVERIFY(!control("TxtNumeroUova")->isEnabled());
        QCOMPARE(control<QLabel>("Label17")->text(), QStringLiteral("Totale peso senza uova"));
        QCOMPARE(control<QGroupBox>("Frame2")->title(), QStringLiteral("Risultati con uova escluse"));
        const QColor buttonFace = QGuiApplication::palette().color(QPalette::Button);
        QCOMPARE(background(control("TxtProteine14")), buttonFace);
        QCOMPARE(background(kind), buttonFace);
    }

    void fullCalculationThroughTheButtons()
    {
        choose("CmbComponente1", "ALBUMINA");
        typeInto("TxtPeso1", "100");
        choose("CmbComponente2", "FARINA DI AVENA");
        typeInto("TxtPeso2", "200");
        QTest::mouseClick(control<QCheckBox>("ChkUova"), Qt::LeftButton);
        QCOMPARE(control<QGroupBox>("Frame2")->title(), QStringLiteral("Risultati con uova incluse"));
        choose("CmbComponente14", "UOVO INTERO GALLINA");
        typeInto("TxtNumeroUova", "2");
        QTest::mouseClick(control<QPushButton>("CmdCalcola"), Qt::LeftButton);
        QVERIFY(watcher->boxes.isEmpty());
        QCOMPARE(control<QLabel>("TxtPeso14")->text(), QStringLiteral("104,00"));
        QCOMPARE(control<QLabel>("TxtRisPeso")->text(), QStringLiteral("404,00"));
        QCOMPARE(control<QLabel>("TxtRisProprietàLegante")->text(), QStringLiteral("4,33"));
        QCOMPARE(background(control("TxtRisPeso")), kCyan);

        // Clear after the calculation.
        QTest::mouseClick(control<QPushButton>("CmdCancella"), Qt::LeftButton);
        QVERIFY(control<QLabel>("TxtRisPeso")->text().isEmpty());
        QVERIFY(!control<QCheckBox>("ChkUova")->isChecked());
        QCOMPARE(control<QComboBox>("CmbComponente1")->currentText(), QStringLiteral("-"));
        QCOMPARE(control<QLineEdit>("TxtPeso1")->text(), QStringLiteral("0"));
        QCOMPARE(control<QComboBox>("TxtDig12")->currentText(), QStringLiteral("0"));
        QCOMPARE(background(control("TxtRisPeso")), QGuiApplication::palette().color(QPalette::Base));
        QVERIFY(watcher->boxes.isEmpty());
    }

    void calculateRefusalShowsItsMessage()
    {
        QTest::mouseClick(control<QPushButton>("CmdCalcola"), Qt::LeftButton);
        QCOMPARE(watcher->texts(), QStringList{messages::kNoComponent});
    }

    void notesKeepTheirCharacters_data()
    {
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("typed"); // "\r" is the Return key
        QTest::addColumn<QString>("stored");
        const QString nbsp(QChar(0xA0));
        QTest::newRow("typed line break as CR LF") << ""
                                                   << "uno\rdue"
                                                   << "uno\r\ndue";
        QTest::newRow("typed no-break space") << ""
                                              << "a" + nbsp + "b"
                                              << "a" + nbsp + "b";
        QTest::newRow("opened no-break space survives typing") << "a" + nbsp + "b\r\nc"
                                                               << "d"
                                                               << "a" + nbsp + "b\r\ncd";
    }

    void notesKeepTheirCharacters()
    {
        QFETCH(QString, opened);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        form->worksheet().setText(Note, opened);
        auto *notes = control<QPlainTextEdit>("TxtNote");
        notes->setFocus();
        notes->moveCursor(QTextCursor::End);
        QTest::keyClicks(notes, typed);
        QCOMPARE(form->worksheet().text(Note), stored);
        QCOMPARE(background(notes), kCyan);
    }

    // A word longer than any line is broken anywhere and a letter under a heap of marks is
    // drawn without shaping, so a megabyte of either lays out in linear time, typed, opened
    // or pasted; ordinary notes keep breaking between words, their accents shaped.
    void hostileNotesLayOutCheaply_data()
    {
        QTest::addColumn<QString>("notes");
        QTest::addColumn<bool>("cheap");
        QTest::addColumn<bool>("pasted");
        const QString word(1 << 20, u'x');
        const QString heap = QStringLiteral("a") + QString(520000, QChar(0x0301));
        const QString words = QStringLiteral("parola ").repeated(2000);
        const QString accented = QStringLiteral("e\u0301\u0301 ").repeated(5000);
        for (bool pasted : {false, true}) {
            const char *how = pasted ? "pasted" : "opened";
            QTest::addRow("%s: words", how) << words << false << pasted;
            QTest::addRow("%s: one word of a megabyte", how) << word << true << pasted;
            QTest::addRow("%s: a letter with 520,000 accents", how) << heap << true << pasted;
            QTest::addRow("%s: accented words", how) << accented << false << pasted;
            QTest::addRow("%s: back to words", how) << "breve" << false << pasted;
        }
    }

    void hostileNotesLayOutCheaply()
    {
        QFETCH(QString, notes);
        QFETCH(bool, cheap);
        QFETCH(bool, pasted);
        auto *box = control<NotesEdit>("TxtNote");
        form->worksheet().setText(Note, QString(1 << 20, u'x'));
        if (pasted) {
            form->worksheet().setText(Note, QString());
            QGuiApplication::clipboard()->setText(notes);
            box->setFocus();
            box->paste();
        } else {
            form->worksheet().setText(Note, notes);
        }
        QCOMPARE(box->hasCheapLayout(), cheap);
        QCOMPARE(box->font().styleStrategy() == QFont::PreferNoShaping, cheap);
        box->setFocus();
        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, "y");
        QCOMPARE(box->hasCheapLayout(), cheap);
        QCOMPARE(form->worksheet().text(Note), notes + "y");
        // Undo and redo bring the text back without telling the box: the layout chosen
        // for it stays while the text is in the undo history.
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->hasCheapLayout(), cheap);
        box->undo();
        QCOMPARE(form->worksheet().text(Note), notes + "y");
        QCOMPARE(box->hasCheapLayout(), cheap);
    }

    // Esc, the wheel and a click behave as on the desktop the anglers know, in both windows.
    void mouseAndKeyboardHabits_data()
    {
        QTest::addColumn<int>("gesture");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("focused");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Esc keeps the converter and its contents")
            << int(Escape) << "TxtImpostaPeso" << true << "500";
        QTest::newRow("wheel over an unfocused list keeps its entry")
            << int(Wheel) << "CmbComponente1" << false << "FARINA DI AVENA";
        QTest::newRow("wheel over the focused list moves on")
            << int(Wheel) << "CmbComponente1" << true << "FARINA DI CARNE";
        QTest::newRow("typing after a click into the grams' 0 replaces it")
            << int(ClickThenType) << "TxtPeso1" << false << "200";
        QTest::newRow("typing after a click into the converter's 0 replaces it")
            << int(ClickThenType) << "TxtImpostaPeso" << true << "200";
    }

    void mouseAndKeyboardHabits()
    {
        QFETCH(int, gesture);
        QFETCH(QString, name);
        QFETCH(bool, focused);
        QFETCH(QString, shown);
        choose("CmbComponente1", "FARINA DI AVENA");
        QTest::mouseClick(control<QPushButton>("CmdConvertitore"), Qt::LeftButton);
        QPointer<FrmConvertitore> converter = form->converterWindow();
        QWidget *target = control(name);
        QApplication::setActiveWindow(target->window());
        (focused ? target : control("TxtNomeRicetta"))->setFocus();

        if (gesture == Escape) {
            QTest::keyClicks(target, "500");
            QTest::keyClick(target, Qt::Key_Escape);
            QVERIFY(converter && converter->isVisible());
        } else if (gesture == Wheel) {
            const QPointF centre = target->rect().center();
            QWheelEvent wheel(centre, target->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &wheel);
            QCOMPARE(form->worksheet().text(componente(1)), shown);
        } else {
            QTest::mouseClick(target, Qt::LeftButton);
            QTest::keyClicks(QApplication::focusWidget(), "200");
        }
        if (auto *list = qobject_cast<QComboBox *>(target))
            QCOMPARE(list->currentText(), shown);
        else
            QCOMPARE(qobject_cast<QLineEdit *>(target)->text(), shown);
    }

    void ingredientListDropsDownTwentyEntries()
    {
        auto *list = control<QComboBox>("CmbComponente1");
        list->showPopup();
        QAbstractItemView *view = list->view();
        QTRY_VERIFY(view->isVisible());
        QCOMPARE(view->viewport()->height() / view->sizeHintForRow(0), 20);
        QVERIFY(view->verticalScrollBar()->maximum() > 0);
        list->hidePopup();
    }

    // At the design size and well below it: captions on one line, display fields with a
    // single line on all four sides, the egg check box clear of its frame's drawing.
    void drawsCleanlyAtAnySize_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("design size") << 1.0;
        QTest::newRow("two thirds") << 2.0 / 3;
        QTest::newRow("half") << 0.5;
    }

    void drawsCleanlyAtAnySize()
    {
        QFETCH(double, scale);
        QWidget *client = form->centralWidget();
        const QSize size(qRound(990 * scale), qRound(711 * scale));
        form->resize(form->size() + size - client->size());
        QTRY_COMPARE(client->size(), size);

        for (QLabel *label : client->findChildren<QLabel *>()) {
            if (label->frameShape() != QFrame::NoFrame || label->text().isEmpty())
                continue;
            const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QFontMetrics metrics = label->fontMetrics();
            QVERIFY2(metrics.boundingRect(label->contentsRect(), flags, label->text()).height() <
                         2 * metrics.height(),
                     qPrintable(label->text()));
        }

        for (const char *name : {"TxtProteine1", "TxtRisPeso", "TxtPeso14"}) {
            const QImage image = control(QLatin1String(name))->grab().toImage();
            const int right = image.width() - 1, bottom = image.height() - 1;
            const QColor top = image.pixelColor(right / 2, 0);
            QVERIFY2(top != image.pixelColor(right / 2, bottom / 2), name);
            for (QPoint edge : {QPoint(right / 2, bottom), QPoint(0, bottom / 2), QPoint(right, bottom / 2)})
                QCOMPARE(image.pixelColor(edge), top);
        }

        QWidget *frame = control("Frame1");
        const QColor background = frame->palette().color(QPalette::Window);
        QImage own(frame->size(), QImage::Format_RGB32);
        own.fill(background);
        frame->render(&own, {}, {}, QWidget::RenderFlags()); // the frame alone, without its controls
        const QRect box = control("ChkUova")->geometry();
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                QVERIFY2(own.pixelColor(x, y) == background,
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }

    void referencesAndAboutAreModal_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("dialogName");
        QTest::addColumn<QString>("title");
        QTest::newRow("references") << "mnuRiferimenti"
                                    << "FrmRiferimenti"
                                    << "Valori di riferimento";
        QTest::newRow("about") << "mnuInformazioni"
                               << "FrmAbout"
                               << "Informazioni Vornak ";
    }

    void referencesAndAboutAreModal()
    {
        QFETCH(QString, action);
        QFETCH(QString, dialogName);
        QFETCH(QString, title);
        int seen = 0;
        watcher->onDialog = [&](QDialog *dialog) {
            ++seen;
            QCOMPARE(dialog->objectName(), dialogName);
            QCOMPARE(dialog->windowTitle(), title);
            QVERIFY(dialog->isModal());
            QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
            auto *ok = dialog->findChild<QPushButton *>();
            QVERIFY(ok);
            ok->click();
        };
        form->findChild<QAction *>(action)->trigger();
        QCOMPARE(seen, 1);
    }

    void referencesListTheScales()
    {
        FrmRiferimenti dialog;
        QStringList texts;
        for (QLabel *label : dialog.findChildren<QLabel *>())
            texts << label->text();
        int digestibility = 0, binder = 0;
        for (const QString &text : texts) {
            if (QStringList{"1 - SCARSA", "3 - BUONA", "5 - OTTIMA", "2 - MEDIA", "4 - MOLTA "}.contains(
                    text))
                ++digestibility;
            if (QStringList{"-1 - SLEGANTE", "0 - NEUTRA", "1 - LEGANTE"}.contains(text))
                ++binder;
        }
        QCOMPARE(digestibility, 5 + 4); // "2 - MEDIA" .. "5 - OTTIMA" appear on both scales
        QCOMPARE(binder, 3);
        QVERIFY(dialog.findChild<QWidget *>(QStringLiteral("PieChart")));
    }

    void saveAndOpenFromButtonsAndMenus()
    {
        QTemporaryDir dir;
        auto chooser = std::make_unique<FakeChooser>();
        FakeChooser *answers = chooser.get();
        form->setFileChooser(std::move(chooser));

        QTest::mouseClick(control<QPushButton>("CmdSalva"), Qt::LeftButton);
        QCOMPARE(watcher->texts(), QStringList{messages::kSaveBeforeCalculation});
        QCOMPARE(answers->asked, 0);

        choose("CmbComponente1", "GLM");
        typeInto("TxtPeso1", "250");
        typeInto("TxtNomeRicetta", "Verde");
        QTest::mouseClick(control<QPushButton>("CmdCalcola"), Qt::LeftButton);
        answers->savePath = dir.filePath(QStringLiteral("verde.txt"));
        form->findChild<QAction *>(QStringLiteral("mnusalva"))->trigger();
        QVERIFY(QFile::exists(answers->savePath));

        QTest::mouseClick(control<QPushButton>("CmdCancella"), Qt::LeftButton);
        QCOMPARE(control<QComboBox>("CmbComponente1")->currentText(), QStringLiteral("-"));
        answers->openPath = answers->savePath;
        QTest::mouseClick(control<QPushButton>("CmdApri"), Qt::LeftButton);
        QCOMPARE(control<QComboBox>("CmbComponente1")->currentText(), QStringLiteral("GLM"));
        QCOMPARE(control<QLineEdit>("TxtPeso1")->text(), QStringLiteral("250"));
        QCOMPARE(control<QLabel>("TxtProteine1")->text(), QStringLiteral("60"));
        QCOMPARE(control<QLabel>("TxtRisPeso")->text(), QStringLiteral("250,00"));
        QCOMPARE(background(control("TxtRisPeso")), kCyan);
        QCOMPARE(watcher->boxes.size(), 1);
    }

    void printGuardsThenPdfWhenNoPrinter()
    {
        QTemporaryDir dir;
        auto printer = std::make_unique<FakePrinter>(form);
        FakePrinter *fake = printer.get();
        fake->pdfPath = dir.filePath(QStringLiteral("ricetta.pdf"));
        form->setPagePrinter(std::move(printer));

        QTest::mouseClick(control<QPushButton>("CmdStampa"), Qt::LeftButton);
        choose("CmbComponente1", "GLM");
        typeInto("TxtPeso1", "250");
        QTest::mouseClick(control<QPushButton>("CmdCalcola"), Qt::LeftButton);
        form->findChild<QAction *>(QStringLiteral("mnuStampa"))->trigger();
        QCOMPARE(watcher->texts(),
                 QStringList({messages::kPrintBeforeCalculation, messages::kPrintWithoutName}));

        typeInto("TxtNomeRicetta", "Verde");
        watcher->answer = QStringLiteral("Sì");
        QTest::mouseClick(control<QPushButton>("CmdStampa"), Qt::LeftButton);
        QCOMPARE(watcher->texts().last(),
                 QStringLiteral("Nessuna stampante disponibile. Salvare la ricetta in un file PDF?"));
        QVERIFY(QFile::exists(fake->pdfPath));

        fake->printerPresent = true;
        QTest::mouseClick(control<QPushButton>("CmdStampa"), Qt::LeftButton);
        QCOMPARE(fake->printed, 1);
        QCOMPARE(watcher->boxes.size(), 3);
    }

    void fileDialogProposesTheLastName()
    {
        QTemporaryDir dir;
        MessageBoxSink sink(form);
        DlgCommon dialog(form, sink);
        QStringList proposed;
        QString answer = dir.filePath(QStringLiteral("mia"));
        watcher->onDialog = [&](QDialog *modal) {
            auto *files = qobject_cast<QFileDialog *>(modal);
            QVERIFY(files);
            QCOMPARE(files->objectName(), QStringLiteral("dlgCommon"));
            QCOMPARE(files->nameFilters(), QStringList{"Documenti di testo(*.txt)"});
            QVERIFY(files->defaultSuffix().isEmpty());
            proposed << QFileInfo(files->selectedFiles().value(0)).fileName();
            files->selectFile(answer);
            QMetaObject::invokeMethod(files, "accept");
        };
        QCOMPARE(dialog.chooseSavePath(), answer);
        QVERIFY(QFile(answer).open(QIODevice::WriteOnly));
        QCOMPARE(dialog.chooseOpenPath(), answer);
        QCOMPARE(proposed, QStringList({"Ricetta", "mia"}));
    }

    // Choosing a file that exists in a save dialog asks before it is replaced, "No" by
    // default; after "No" the dialog comes back, here to be cancelled.
    void replacingAFileAsksFirst_data()
    {
        QTest::addColumn<bool>("pdf");
        QTest::addColumn<QString>("answer");
        for (const bool pdf : {false, true})
            for (const char *answer : {"Sì", "No", "read-only: not asked"})
                QTest::addRow("%s, %s", pdf ? "PDF" : "recipe", answer) << pdf << QString::fromUtf8(answer);
    }

    void replacingAFileAsksFirst()
    {
        QFETCH(bool, pdf);
        QFETCH(QString, answer);
        QTemporaryDir dir;
        const QString existing =
            dir.filePath(pdf ? QStringLiteral("vecchio.pdf") : QStringLiteral("vecchia.txt"));
        QVERIFY(QFile(existing).open(QIODevice::WriteOnly));
        // The writer refuses a read-only file at once: no question about replacing it.
        const bool refused = answer.startsWith(QStringLiteral("read-only"));
        if (refused)
            QVERIFY(QFile::setPermissions(existing, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        int shown = 0;
        watcher->onDialog = [&](QDialog *modal) {
            auto *files = qobject_cast<QFileDialog *>(modal);
            QVERIFY(files);
            if (++shown > 1) { // back after "No"
                QCOMPARE(QFileInfo(files->selectedFiles().value(0)).fileName(),
                         QFileInfo(existing).fileName());
                files->reject();
                return;
            }
            files->setDirectory(QFileInfo(existing).absolutePath());
            files->selectFile(existing);
            QMetaObject::invokeMethod(files, "accept");
        };
        QString defaultAnswer;
        watcher->onBox = [&](QMessageBox *box) {
            defaultAnswer = box->defaultButton() ? box->defaultButton()->text().remove(u'&') : QString();
        };
        watcher->answer = answer;
        MessageBoxSink sink(form);
        DlgCommon recipes(form, sink);
        struct PdfDialog : PagePrinter
        {
            using PagePrinter::choosePdfPath;
            using PagePrinter::PagePrinter;
        } pdfs(form);
        const QString chosen = pdf ? pdfs.choosePdfPath() : recipes.chooseSavePath();
        const bool taken = answer == QStringLiteral("Sì") || refused;
        QCOMPARE(chosen, taken ? existing : QString());
        QCOMPARE(shown, taken ? 1 : 2);
        QCOMPARE(watcher->texts(),
                 refused
                     ? QStringList()
                     : QStringList{QStringLiteral("Il file «%1» esiste già.\nSostituire?").arg(existing)});
        QCOMPARE(defaultAnswer, refused ? QString() : QStringLiteral("No"));
        QVERIFY(watcher->unexpected.isEmpty());
    }

    // Every way of dropping the worksheet asks first when it holds unsaved work, and only
    // then: Salva saves before going on, Non salvare goes on, Annulla keeps everything. The
    // worksheet afterwards and the file on disk say which happened.
    void droppingWorkAsksFirst_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("answer");
        for (const char *way : {"Apri button", "Apri menu", "recent menu", "Esci", "window close"}) {
            for (const char *state : {"empty", "saved"})
                QTest::addRow("%s, %s", way, state) << way << state << QString();
            for (const char *answer : {"Salva", "Non salvare", "Annulla"})
                QTest::addRow("%s, unsaved, %s", way, answer) << way << "unsaved" << answer;
        }
    }

    void droppingWorkAsksFirst()
    {
        QFETCH(QString, way);
        QFETCH(QString, state);
        QFETCH(QString, answer);
        QTemporaryDir dir;
        const QString mine = dir.filePath(QStringLiteral("mia.txt")),
                      other = dir.filePath(QStringLiteral("altra.txt"));
        QVERIFY(QFile::copy(QStringLiteral(VORNAK_TEST_DATA "/ricetta_uova.txt"), mine));
        QVERIFY(QFile::copy(QStringLiteral(VORNAK_TEST_DATA "/ricetta_sbilanciata.txt"), other));
        const QByteArray before = [&] {
            QFile file(mine);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        auto chooser = std::make_unique<FakeChooser>();
        FakeChooser *answers = chooser.get();
        form->setFileChooser(std::move(chooser));
        if (state != QStringLiteral("empty")) {
            QVERIFY(form->session().open(mine));
            QTRY_VERIFY(form->windowTitle().endsWith(QStringLiteral(" - mia.txt")));
        }
        if (state == QStringLiteral("unsaved")) {
            typeInto("TxtNomeRicetta", "Nuovo nome");
            QTRY_VERIFY(form->windowTitle().endsWith(QStringLiteral(" - mia.txt *")));
        }
        watcher->answer = answer;
        answers->savePath = mine;
        answers->openPath = other;
        QSignalSpy exits(form, &FormPrinc::exitRequested);
        if (way == QStringLiteral("Apri button"))
            QTest::mouseClick(control<QPushButton>("CmdApri"), Qt::LeftButton);
        else if (way == QStringLiteral("Apri menu"))
            form->findChild<QAction *>(QStringLiteral("mnuapri"))->trigger();
        else if (way == QStringLiteral("recent menu"))
            recentItem(other)->trigger();
        else if (way == QStringLiteral("Esci"))
            QTest::mouseClick(control<QPushButton>("CmdEsci"), Qt::LeftButton);
        else
            form->close();

        const bool asked = state == QStringLiteral("unsaved");
        QCOMPARE(watcher->boxes.size(), asked ? 1 : 0);
        if (asked)
            QCOMPARE(watcher->texts().value(0),
                     QStringLiteral("La ricetta «mia.txt» ha modifiche non salvate.\n"
                                    "Salvare le modifiche?"));
        const bool goesOn = answer != QStringLiteral("Annulla");
        const bool opens = way.startsWith(QStringLiteral("Apri")) || way == QStringLiteral("recent menu");
        if (opens)
            QCOMPARE(form->session().currentFile(), goesOn ? other : mine);
        else if (way == QStringLiteral("Esci"))
            QCOMPARE(exits.count(), goesOn ? 1 : 0);
        else
            QCOMPARE(form->isVisible(), !goesOn);
        if (!goesOn)
            QCOMPARE(control<QLineEdit>("TxtNomeRicetta")->text(), QStringLiteral("Nuovo nome"));
        QFile file(mine);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray after = file.readAll();
        QCOMPARE(after.contains("\"Nuovo nome\""), answer == QStringLiteral("Salva"));
        if (answer != QStringLiteral("Salva"))
            QCOMPARE(after, before);
        QCOMPARE(answers->asked, int(way.startsWith(QStringLiteral("Apri")) && goesOn) +
                                     int(answer == QStringLiteral("Salva")));
        // The file opened or saved last leads the recent recipes (the menu's own file is in it already).
        const QString first = way == QStringLiteral("recent menu") || (opens && goesOn) ? other
                              : state == QStringLiteral("empty")                        ? QString()
                                                                                        : mine;
        QCOMPARE(remembered::recentRecipes().value(0),
                 first.isEmpty() ? first : QFileInfo(first).absoluteFilePath());
    }

    // File → "Ricette recenti": the last eight opened or saved, newest first, each once; a file
    // since gone stays greyed with the reason.
    void recentRecipesKeepTheLastEight()
    {
        QTemporaryDir dir;
        QStringList files;
        for (int k = 1; k <= 10; ++k) {
            files.prepend(dir.filePath(QStringLiteral("r%1.txt").arg(k)));
            QVERIFY(QFile::copy(QStringLiteral(VORNAK_TEST_DATA "/ricetta_uova.txt"), files.first()));
            QVERIFY(form->session().open(files.first()));
        }
        FakeChooser chooser;
        chooser.savePath = files[2]; // r8, saved last: back on top, once
        form->CmdCalcola_Click();
        QVERIFY(form->session().save(chooser));
        files.prepend(files.takeAt(2));
        QVERIFY(QFile::remove(files[3]));
        auto *menu = form->findChild<QMenu *>(QStringLiteral("mnuRecenti"));
        emit menu->aboutToShow();
        const QList<QAction *> items = menu->actions();
        QCOMPARE(items.size(), remembered::kRecentRecipes);
        for (int k = 0; k < items.size(); ++k) {
            QVERIFY2(items[k]->text().contains(QFileInfo(files[k]).fileName()), qPrintable(items[k]->text()));
            QCOMPARE(items[k]->toolTip(), files[k]);
            QCOMPARE(items[k]->isEnabled(), k != 3);
            QCOMPARE(items[k]->text().endsWith(QStringLiteral("(il file non esiste)")), k == 3);
        }
        items[1]->trigger();
        QCOMPARE(form->session().currentFile(), files[1]);
    }

    // Text longer than an input box keeps is cut at its limit and the cut is said; the worksheet
    // holds what the box shows.
    void tooLongATextIsSaid_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("length");
        for (const auto &[name, id] :
             {std::pair("recipe name", FieldId(NomeRicetta)), std::pair("own ingredient", aggiunta(12))}) {
            QTest::addRow("%s, at the limit", name) << int(id) << lengthguard::kLongestText;
            QTest::addRow("%s, 1 MiB", name) << int(id) << (1 << 20);
        }
    }

    void tooLongATextIsSaid()
    {
        QFETCH(int, field);
        QFETCH(int, length);
        auto *edit = control<QLineEdit>(field::name(FieldId(field)));
        QApplication::clipboard()->setText(QString(length, u'x'));
        edit->setFocus();
        edit->selectAll();
        QTest::keySequence(edit, QKeySequence::Paste);
        const bool cut = length > lengthguard::kLongestText;
        QCoreApplication::sendPostedEvents(); // the warning is said once the paste is over
        QCOMPARE(watcher->boxes.size(), cut ? 1 : 0);
        QCOMPARE(edit->text().size(), lengthguard::kLongestText);
        QCOMPARE(form->worksheet().text(FieldId(field)).size(), lengthguard::kLongestText);
        if (cut)
            QVERIFY(watcher->texts().first().contains(QStringLiteral("troppo lungo")));
    }

    // A copy a crashed run left is offered once the window is up: "Ripristina" takes it
    // back as unsaved work, "Scarta" lets it go; either way it leaves the folder.
    void rescueCopyOfferedAtStart_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("fileAtStart"); // then "Salvare le modifiche?" is answered Annulla
        QTest::newRow("Ripristina") << "Ripristina" << false;
        QTest::newRow("Scarta") << "Scarta" << false;
        QTest::newRow("Ripristina, a file named at start") << "Ripristina" << true;
        QTest::newRow("Scarta, a file named at start") << "Scarta" << true;
    }

    void rescueCopyOfferedAtStart()
    {
        QFETCH(QString, answer);
        QFETCH(bool, fileAtStart);
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("999999-1.txt")); // no lock: its run is gone
        QVERIFY(QFile::copy(QStringLiteral(VORNAK_TEST_DATA "/ricetta_uova.txt"), copy));
        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList record = recipefile::decode(file.readAll()).value().last();
        file.close();
        watcher->onBox = [&](QMessageBox *box) {
            watcher->answer =
                box->text().startsWith(QStringLiteral("Vornak non si")) ? answer : QStringLiteral("Annulla");
        };
        const bool restored = answer == QStringLiteral("Ripristina");
        FormPrinc window;
        window.keepRescueCopies(dir.path());
        if (fileAtStart)
            window.openOnShow(QStringLiteral(VORNAK_TEST_DATA "/ricetta_sbilanciata.txt"));
        window.show();
        QTRY_COMPARE(watcher->boxes.size(), restored && fileAtStart ? 2 : 1);
        QVERIFY(watcher->texts().first().startsWith(QStringLiteral("Vornak non si è chiuso normalmente.")));
        if (watcher->boxes.size() == 2)
            QVERIFY(watcher->texts().last().endsWith(QStringLiteral("Salvare le modifiche?")));
        QTRY_VERIFY(!QFile::exists(copy));
        if (fileAtStart && !restored) { // nothing taken back: the file opens as usual
            QTRY_COMPARE(window.session().currentFile(),
                         QStringLiteral(VORNAK_TEST_DATA "/ricetta_sbilanciata.txt"));
            return;
        }
        QCOMPARE(recipefile::recordOf(window.worksheet()) == record, restored);
        QCOMPARE(window.session().hasUnsavedChanges(), restored);
        QCOMPARE(window.session().currentFile(), QString());
    }

    // `vornak FILE`: the file opens as "Apri" opens it, once the window is up.
    void startsWithARecipePath_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("warning"); // the message's first line, then the reason
        QTest::addColumn<QString>("reason");
        QTest::newRow("recipe") << "ricetta_uova.txt" << QString() << QString();
        QTest::newRow("missing file") << "non-esiste.txt" << messages::kCannotRead << "il file non esiste";
        QTest::newRow("not a recipe")
            << "troncata.txt" << messages::kNotARecipe << "il campo 40 apre le virgolette e non le chiude";
        QTest::newRow("folder") << "" << messages::kCannotRead << "è una cartella";
        QTest::newRow("control characters in a name")
            << "nome_con_escape.txt" << messages::unknownIngredient("ALBUMINA\\x1b[31m") << QString();
    }

    void startsWithARecipePath()
    {
        QFETCH(QString, file);
        QFETCH(QString, warning);
        QFETCH(QString, reason);
        const QString path = QStringLiteral(VORNAK_TEST_DATA "/") + file;
        const QStringList warnings =
            warning.isEmpty() ? QStringList() : QStringList{usertext::aboutFile(warning, path, reason)};
        const QStringList startState = recipefile::recordOf(form->worksheet());
        QStringList expected = startState;
        if (warnings.isEmpty()) {
            QFile recipe(path);
            QVERIFY(recipe.open(QIODevice::ReadOnly));
            expected = recipefile::decode(recipe.readAll()).value().last();
        }

        FormPrinc started;
        started.openOnShow(path);
        QCoreApplication::processEvents();
        QCOMPARE(recipefile::recordOf(started.worksheet()), startState);
        started.show();
        QTRY_COMPARE(watcher->texts(), warnings);
        QTRY_COMPARE(recipefile::recordOf(started.worksheet()), expected);
        QCOMPARE(started.findChild<QComboBox *>(QStringLiteral("CmbComponente1"))->currentText(),
                 expected[0]);
        QCOMPARE(started.findChild<QLabel *>(QStringLiteral("TxtRisPeso"))->text(), expected.last());
    }

    void balanceLineAndWindowFollowTheResults()
    {
        auto *line = control<QLabel>("LblBilancio");
        auto lineText = [&] { return QTextDocumentFragment::fromHtml(line->text()).toPlainText(); };
        auto calculateMix = [&](const char *oatGrams) {
            typeInto("TxtPeso3", QLatin1String(oatGrams));
            QTest::mouseClick(control<QPushButton>("CmdCalcola"), Qt::LeftButton);
        };
        // The worksheet sits above the status bar and scales with the client area alone.
        QWidget *client = form->centralWidget();
        QVERIFY(form->statusBar()->geometry().top() >= client->geometry().bottom());
        QVERIFY(qAbs(control("CmdEsci")->y() - 680.0 * client->height() / 711) <= 1);

        // ALBUMINA 200 g, SEMOLINO 300 g, FARINA DI AVENA: fat too low at 100 g.
        Worksheet &sheet = form->worksheet();
        const char *mix[] = {"ALBUMINA", "SEMOLINO", "FARINA DI AVENA"};
        for (int row = 1; row <= 3; ++row)
            sheet.select(componente(row), QLatin1String(mix[row - 1]));
        typeInto("TxtPeso1", "200");
        typeInto("TxtPeso2", "300");
        QVERIFY(lineText().isEmpty());
        calculateMix("100");
        QCOMPARE(lineText(),
                 QStringLiteral("Bilancio: Proteine 32,85% nel range · Carboidrati 50,95% nel range "
                                "· Grassi 1,77% sotto"));
        const QColor mark = balancelook::markColour(form->statusBar()->palette().color(QPalette::Window),
                                                    form->statusBar()->palette().color(QPalette::WindowText));
        QVERIFY(line->text().contains(QStringLiteral("color:") + mark.name()));

        // A click on the line opens the window; it follows every new calculation.
        QTest::mouseClick(line, Qt::LeftButton);
        FrmBilancio *window = form->balanceWindow();
        QVERIFY(window && window->isVisible() && !window->isModal());
        auto windowText = [&](const char *name) {
            return window->findChild<QLabel *>(QLatin1String(name))->text();
        };
        QCOMPARE(windowText("TxtEsitoGrassi"), QStringLiteral("sotto"));
        QCOMPARE(windowText("TxtSuggerimenti"),
                 QStringLiteral("Grassi 1,77%: aggiungere 180 g di FARINA DI AVENA (proteine 28,18%, "
                                "carboidrati 56,02%, grassi 3,00%)"));
        calculateMix("280");
        QCOMPARE(windowText("TxtQuotaGrassi"), QStringLiteral("3,00%"));
        QCOMPARE(windowText("TxtSuggerimenti"), balance::kBalanced);
        QVERIFY(!line->text().contains(QStringLiteral("color:")));
        form->findChild<QAction *>(QStringLiteral("mnuBilancio"))->trigger();
        QCOMPARE(form->findChildren<FrmBilancio *>().size(), 1);

        // Cancella and Apri take the verdict away until the next Calcola.
        QTest::mouseClick(control<QPushButton>("CmdCancella"), Qt::LeftButton);
        QVERIFY(lineText().isEmpty());
        QCOMPARE(windowText("TxtSuggerimenti"), balance::kNoVerdict);
        QCOMPARE(windowText("TxtQuotaGrassi"), QString());
        calculateMix("0");
        auto chooser = std::make_unique<FakeChooser>();
        chooser->openPath = QStringLiteral(VORNAK_TEST_DATA "/ricetta_uova.txt");
        form->setFileChooser(std::move(chooser));
        QTest::mouseClick(control<QPushButton>("CmdApri"), Qt::LeftButton);
        QCOMPARE(control<QLabel>("TxtRisPeso")->text(), QStringLiteral("404,00"));
        QVERIFY(lineText().isEmpty());
        QCOMPARE(watcher->texts(), QStringList{messages::kNoComponent});

        // The cost goes with the balance, also when the file opened shows the same total.
        QTemporaryDir dir;
        const QString prices = dir.filePath(QStringLiteral("ingredienti.csv"));
        writeAll(prices, "nome;proteine;grassi;carboidrati;digeribilita;legante;prezzo\n"
                         "ALBUMINA;;;;;;12\nFARINA DI AVENA;;;;;;2\nUOVO INTERO GALLINA;;;;;;0,3\n");
        form->loadIngredients(prices);
        QTest::mouseClick(control<QPushButton>("CmdCalcola"), Qt::LeftButton);
        QCOMPARE(control<QLabel>("TxtRisPeso")->text(), QStringLiteral("404,00"));
        QVERIFY(!control<QLabel>("LblCosto")->text().isEmpty());
        QTest::mouseClick(control<QPushButton>("CmdApri"), Qt::LeftButton);
        QVERIFY(lineText().isEmpty());
        QCOMPARE(control<QLabel>("LblCosto")->text(), QString());
    }

    void outOfRangeMarkIsReadable_data()
    {
        QTest::addColumn<QColor>("background");
        QTest::addColumn<bool>("red");
        QTest::newRow("light status bar") << QColor(0xEF, 0xEF, 0xEF) << true;
        QTest::newRow("dark theme") << QColor(0x2B, 0x2B, 0x2B) << true;
        QTest::newRow("mid grey: no red reads, plain text") << QColor(0x80, 0x80, 0x80) << false;
    }

    void outOfRangeMarkIsReadable()
    {
        QFETCH(QColor, background);
        QFETCH(bool, red);
        const QColor text(Qt::black);
        const QColor mark = balancelook::markColour(background, text);
        QCOMPARE(mark != text, red);
        if (red) {
            QCOMPARE(mark.hslHue(), 0);
            QVERIFY(contrast::ratio(mark, background) >= contrast::kReadable);
        }
    }

    // Found on a real desktop: a refused key leaves its "0" selected, so the next key replaces it.
    void refusedKeysZeroIsSelected()
    {
        placeOnScreen();
        choose("CmbComponente1", "FARINA DI AVENA");
        control("CmbComponente1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control("TxtPeso1"));
        QTest::keyClicks(QApplication::focusWidget(), ",");
        QApplication::setActiveWindow(form); // as the window manager does once the box is gone
        QTRY_COMPARE(QApplication::focusWidget(), control("TxtPeso1"));
        QTest::keyClicks(QApplication::focusWidget(), "5");
        QCOMPARE(watcher->texts(), QStringList{messages::kNotANumber});
        QCOMPARE(control<QLineEdit>("TxtPeso1")->text(), QStringLiteral("5"));
    }

    // Found on a real desktop: every caption and button text whole at small screens.
    void captionsWhole_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("800x600") << QSize(800, 600);
        QTest::newRow("1024x768") << QSize(1024, 768);
    }

    void captionsWhole()
    {
        QFETCH(QSize, screen);
        placeOnScreen(screen);
        QWidget *client = form->centralWidget();
        for (QLabel *label : client->findChildren<QLabel *>()) {
            if (label->frameShape() == QFrame::NoFrame && !label->text().isEmpty())
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <=
                             label->contentsRect().width(),
                         qPrintable(label->text()));
        }
        for (QPushButton *button : client->findChildren<QPushButton *>())
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= button->width() - 2,
                     qPrintable(button->text()));
    }

    // Found on a real desktop: the check box and the list arrow grow with the type on a large screen.
    void indicatorsScaleOnALargeScreen()
    {
        placeOnScreen(QSize(2560, 1440));
        const double scale = control("Label1")->font().pointSizeF() / design::kDialogPointSize;
        QVERIFY(scale > 1.5);
        auto *check = control<QCheckBox>("ChkUova");
        check->setEnabled(true);
        check->setChecked(true);
        const QImage box = check->grab().toImage();
        const QColor around = box.pixelColor(box.width() - 1, box.height() / 2);
        const int plain = QApplication::style()->pixelMetric(QStyle::PM_IndicatorWidth);
        QVERIFY(extentOf(box, box.rect(), [&](QColor c) { return c != around; }).width() >= 1.3 * plain);

        const QImage list = control("CmbComponente1")->grab().toImage();
        const QRect arrowSide(list.width() * 3 / 4, 0, list.width() / 4, list.height());
        const QRect arrow = extentOf(list, arrowSide, [](QColor c) { return c.lightness() < 140; });
        QVERIFY2(arrow.width() >= 1.3 * 8,
                 qPrintable(QString::number(arrow.width()))); // the style draws 8
    }

    // Found on a real desktop: the status bar's text keeps off the window's edge.
    void statusTextOffTheWindowsEdge()
    {
        placeOnScreen();
        choose("CmbComponente1", "FARINA DI AVENA");
        typeInto("TxtPeso1", "100");
        QTest::mouseClick(control<QPushButton>("CmdCalcola"), Qt::LeftButton);
        QStatusBar *bar = form->statusBar();
        const QImage image = bar->grab().toImage();
        const QRect text = extentOf(image, image.rect(), [](QColor c) { return c.lightness() < 100; });
        QVERIFY(!text.isEmpty());
        QVERIFY2(bar->x() + text.left() >= QApplication::style()->pixelMetric(QStyle::PM_LayoutLeftMargin),
                 qPrintable(QString::number(text.left())));
    }

    // Found on a real desktop: the ingredient editor opens within the work area, resizable, every button in
    // view.
    void editorWithinTheWorkArea()
    {
        placeOnScreen();
        QTemporaryDir dir;
        openEditor(dir);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QTRY_VERIFY2(area.contains(editor->frameGeometry()),
                     qPrintable(QStringLiteral("%1x%2").arg(editor->width()).arg(editor->height())));
        QVERIFY(editor->minimumSize() != editor->maximumSize()); // the user may resize it
        for (QPushButton *button : editor->findChildren<QPushButton *>())
            QVERIFY2(button->isVisible() && editor->rect().contains(button->geometry()),
                     qPrintable(button->objectName()));
    }

    // Found on a real desktop: the editor's read-only values are grey, yet readable and told apart.
    void editorReadOnlyValuesReadable()
    {
        placeOnScreen();
        QTemporaryDir dir;
        openEditor(dir);
        QTableView *view = editor->view();
        QModelIndex readOnly, editable;
        for (int row = 0; row < view->model()->rowCount() && !readOnly.isValid(); ++row)
            for (int column = 0; column < view->model()->columnCount(); ++column) {
                const QModelIndex cell = view->model()->index(row, column);
                if (cell.data().toString().isEmpty())
                    continue;
                (cell.flags() & Qt::ItemIsEditable ? editable : readOnly) = cell;
            }
        QVERIFY(readOnly.isValid() && editable.isValid());
        auto ink = [&](const QModelIndex &cell) {
            view->scrollTo(cell);
            return darkest(view->viewport()->grab(view->visualRect(cell)).toImage());
        };
        const QColor base = view->palette().color(QPalette::Base);
        QVERIFY(contrast::ratio(ink(readOnly), base) >= contrast::kReadable);
        QVERIFY(ink(readOnly).lightness() > ink(editable).lightness()); // still told apart
    }

    // Found on a real desktop: the editor's buttons have access keys, and Tab leaves the table.
    void editorAccessKeysAndTab()
    {
        placeOnScreen();
        QTemporaryDir dir;
        openEditor(dir);
        QSet<QString> keys;
        for (QPushButton *button : editor->findChildren<QPushButton *>())
            keys << QKeySequence::mnemonic(button->text()).toString();
        QCOMPARE(keys.size(), 4);
        QVERIFY(!keys.contains(QString()));
        QTableView *view = editor->view();
        QApplication::setActiveWindow(editor.get());
        // From the last cell, browsing and while editing: Tab leaves the table.
        const QModelIndex last =
            view->model()->index(view->model()->rowCount() - 1, view->model()->columnCount() - 1);
        view->setFocus();
        view->setCurrentIndex(last);
        auto leftTheTable = [&] {
            QWidget *focus = QApplication::focusWidget();
            return focus && focus != view && !view->isAncestorOf(focus);
        };
        QTest::keyClick(view, Qt::Key_Tab);
        QVERIFY(leftTheTable());
        view->setFocus();
        view->edit(last);
        QTest::keyClicks(QApplication::focusWidget(), "3");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(leftTheTable());
        QCOMPARE(last.data().toString(), QStringLiteral("3"));
        watcher->answer = QStringLiteral("No"); // the price typed above stays unsaved
        QTest::keyClick(editor.get(), Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(!editor->isVisible());
    }

    // Found on a real desktop: the balance window and the warnings take the worksheet's type on a large
    // screen.
    void dialogsTakeTheWindowsType()
    {
        placeOnScreen(QSize(2560, 1440));
        const double type = control("Label1")->font().pointSizeF();
        form->findChild<QAction *>(QStringLiteral("mnuBilancio"))->trigger();
        for (QLabel *label : form->balanceWindow()->findChildren<QLabel *>())
            QCOMPARE(label->font().pointSizeF(), type);
        double boxType = 0;
        watcher->onBox = [&](QMessageBox *box) { boxType = box->font().pointSizeF(); };
        QTest::mouseClick(control<QPushButton>("CmdCalcola"), Qt::LeftButton);
        QCOMPARE(boxType, type);
    }

    // Found on a real desktop: a short warning is wide enough for its whole title.
    void shortWarningKeepsItsTitle()
    {
        placeOnScreen();
        int width = 0, needed = 0;
        watcher->onBox = [&](QMessageBox *box) {
            QFont bold = box->font();
            bold.setBold(true);
            const QFontMetrics metrics(bold);
            // The title beside an icon and three title-bar buttons, each a line high.
            needed = metrics.horizontalAdvance(box->windowTitle()) + 4 * metrics.height();
            width = box->width();
        };
        MessageBoxSink(form).warn(QStringLiteral("AVVISO"), QStringLiteral("0"));
        QVERIFY2(width >= needed, qPrintable(QStringLiteral("%1 < %2").arg(width).arg(needed)));
    }

    // On the smallest screen nothing is cut without a word: the longest ingredient's list opens
    // wide enough to read it, the balance keeps its whole line while the cost gives way with
    // its whole text as a tooltip, and the editor's price header is whole.
    void nothingCutOnASmallScreen()
    {
        form->resize(QSize(800, 600) - QSize(2, 25));
        QTRY_COMPARE(form->size(), QSize(800, 600) - QSize(2, 25));
        QString longest;
        for (const QString &entry : catalogue::ingredientEntries())
            if (entry.size() > longest.size())
                longest = entry;
        choose("CmbComponente1", longest);
        auto *list = control<QComboBox>("CmbComponente1");
        list->showPopup();
        QVERIFY(list->view()->viewport()->width() >= list->view()->fontMetrics().horizontalAdvance(longest));
        list->hidePopup();

        QTemporaryDir dir;
        const QString prices = dir.filePath(QStringLiteral("ingredienti.csv"));
        writeAll(prices, "nome;proteine;grassi;carboidrati;digeribilita;legante;prezzo\n"
                         "ALBUMINA;;;;;;10\n");
        form->loadIngredients(prices);
        choose("CmbComponente1", "ALBUMINA");
        typeInto("TxtPeso1", "100");
        const QString name =
            QStringLiteral("Farina di semi di canapa tostata macinata finemente al mulino di casa");
        typeInto("TxtAggiunta1", name);
        QCOMPARE(control<QLineEdit>("TxtAggiunta1")->cursorPosition(), name.size());
        typeInto("TxtPeso12", "50");
        // Left for the next box, the long name shows its start again.
        QCOMPARE(control<QLineEdit>("TxtAggiunta1")->cursorPosition(), 0);
        choose("TxtDig12", "3");
        choose("TxtLegante12", "2");
        QTest::mouseClick(control<QPushButton>("CmdCalcola"), Qt::LeftButton);
        auto *balance = control<QLabel>("LblBilancio");
        const QString verdicts = QTextDocumentFragment::fromHtml(balance->text()).toPlainText();
        QVERIFY(verdicts.endsWith(QStringLiteral("sotto")));
        QTRY_VERIFY(balance->contentsRect().width() >= balance->fontMetrics().horizontalAdvance(verdicts));
        auto *cost = control<QLabel>("LblCosto");
        QCOMPARE(cost->text(), QStringLiteral("Costo: manca il prezzo di ") + name);
        cost->grab();
        QCOMPARE(cost->toolTip(), cost->text());

        FrmIngredienti editor(form->session(), form);
        editor.setWindowModality(Qt::NonModal);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QHeaderView *header = editor.view()->horizontalHeader();
        const int price = editor.view()->model()->columnCount() - 1;
        for (const QString &line :
             editor.view()->model()->headerData(price, Qt::Horizontal).toString().split(u'\n'))
            QVERIFY2(header->sectionSize(price) >= header->fontMetrics().horizontalAdvance(line),
                     qPrintable(line));
        QVERIFY(watcher->boxes.isEmpty());
    }

    // Every field of both windows has its widget, named as the field.
    void everyFieldIsBound()
    {
        form->CmdConvertitore_Click();
        const FieldBinding *converter = form->converterWindow()->binding();
        for (const auto &[binding, store] :
             {std::pair<const FieldBinding *, const FieldStore *>{form->binding(), &form->worksheet()},
              {converter, &form->converterWindow()->converter()}}) {
            QCOMPARE(binding->unbound(), QList<FieldId>());
            for (FieldId id = 0; id < store->fieldCount(); ++id)
                if (!store->fieldName(id).isEmpty())
                    QCOMPARE(binding->widget(id)->objectName(), store->fieldName(id));
        }
    }

    void esciEndsAtOnce()
    {
        QSignalSpy spy(form, &FormPrinc::exitRequested);
        QTest::mouseClick(control<QPushButton>("CmdEsci"), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QVERIFY(watcher->boxes.isEmpty());
    }
};

QTEST_MAIN(TestFormPrinc)
#include "tst_formprinc.moc"
