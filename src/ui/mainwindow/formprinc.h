// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fieldbinding.h"
#include "messageboxsink.h"
#include "session.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <optional>

class ClsResize;
class FieldBinding;
class QComboBox;
class QLineEdit;
class QPushButton;
class FileChooser;
class FrmArchivio;
class FrmBilancio;
class FrmConvertitore;
class FrmFormula;
class QLabel;
class QMenu;
class PagePrinter;
class RescueCopy;

// The main window: the worksheet, the results, the recipe name and notes, the
// command buttons and the menu bar. It only shows and binds; the worksheet and the
// commands do the work.
class FormPrinc : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int kDesignWidth = 14850; // twips of the client area
    static constexpr int kDesignHeight = 10665;

    explicit FormPrinc(QWidget *parent = nullptr);
    ~FormPrinc() override;

    Session &session() { return m_session; }
    Worksheet &worksheet() { return m_session.worksheet(); }
    ClsResize *resizer() const { return Resizer.get(); }
    const FieldBinding *binding() const { return m_binding; }
    FrmConvertitore *converterWindow() const;
    FrmBilancio *balanceWindow() const;
    FrmArchivio *archiveWindow() const;
    // Where "Archivio ricette" starts: the folder it showed last, else the folder of the
    // last recipe opened or saved, else the user's documents folder.
    QString archiveFolder() const;

    // Reads the personal ingredients and prices into the worksheet's lists, warning
    // about every line left out, and about a missing file when the user `named` it;
    // the editor saves to this file.
    void loadIngredients(const QString &path, bool named = false);

    // The file dialog and the printer; tests hand in their own.
    void setFileChooser(std::unique_ptr<FileChooser> chooser);
    void setPagePrinter(std::unique_ptr<PagePrinter> printer);

    // Opens a recipe as "Apri" does, once the window is up, so a refusal shows over it
    // (the file named on the program's command line).
    void openOnShow(const QString &path);
    // Reads the ingredient file as loadIngredients() does, once the window is up and
    // before the recipe of openOnShow().
    void loadIngredientsOnShow(const QString &path, bool named);

    // Keeps a copy of unsaved work in `folder` against a crash (see RescueCopy), and once
    // the window is up offers back the newest copy a run left there.
    void keepRescueCopies(const QString &folder);

public slots:
    void CmdCalcola_Click();
    void CmdCancella_Click();
    void CmdSalva_Click();
    void CmdApri_Click();
    void CmdStampa_Click();
    void CmdRiferimenti_Click();
    void CmdConvertitore_Click();
    void CmdEsci_Click();
    void mnuInformazioni_Click();
    void mnuIngredienti_Click();
    void mnuBilancio_Click();
    void mnuFormula_Click();
    void mnuArchivio_Click();

    // Whether work may be dropped: true when the worksheet has no unsaved changes, or the
    // user saved them or chose not to; false when the user cancelled or the save did not
    // happen. Asks "Salvare le modifiche?" when it matters.
    bool mayDropWork();

signals:
    // "Esci": the program is to end (the application ends it), once unsaved work is saved
    // or let go.
    void exitRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildWorksheetGrid(QWidget *client);
    void buildEggFrame(QWidget *client);
    void buildRecipeFields(QWidget *client);
    void buildResultsFrame(QWidget *client);
    void buildButtons(QWidget *client);
    void buildMenus();
    void buildLanguageMenu(QMenu *menu); // formprinc_language.cpp
    void watchDocument();                // formprinc_document.cpp
    void addRecentMenu(QMenu *fileMenu); // before the menu's last item, "Esci"
    void fillRecentMenu();
    // Opens a recipe as "Apri" does once its file is chosen, asking first about unsaved work.
    bool openRecipe(const QString &path); // false when refused or not opened
    void showDocumentTitle();
    void offerRescueCopy();
    void setFocusOrder();
    // The worksheet's controls, each made from its field and kept in m_fieldWidgets.
    QLineEdit *inputBox(QWidget *parent, FieldId id, int left, int top, int width, int height,
                        bool centred = true);
    QLabel *displayField(QWidget *parent, FieldId id, int left, int top, int width, int height);
    QComboBox *dropDownList(QWidget *parent, FieldId id, int left, int top, int width, int height);
    // The warnings and the balance window take the worksheet's type at its present size,
    // never smaller than the design type.
    void lendTypeToDialogs();
    void buildStatusBar();
    void addBalanceMenuItem();
    void addArchiveMenuItem();
    void showCalculation();
    ClsResize &resizerInUse();
    void Form_Load();
    void Form_Resize();

    MessageBoxSink m_sink{this};
    Session m_session{m_sink};
    std::unique_ptr<ClsResize> Resizer;
    FieldWidgets m_fieldWidgets;
    QHash<QString, QPushButton *> m_buttons;
    QMenu *m_viewMenu = nullptr;
    QMenu *m_recentMenu = nullptr;
    FieldBinding *m_binding = nullptr;
    std::unique_ptr<FileChooser> dlgCommon;
    std::unique_ptr<PagePrinter> m_printer;
    QPointer<FrmConvertitore> m_converter;
    QLabel *m_balanceLine = nullptr;
    QLabel *m_costLine = nullptr;
    QPointer<FrmBilancio> m_balanceWindow;
    QPointer<FrmFormula> m_formulaWindow;
    QPointer<FrmArchivio> m_archiveWindow;
    bool m_shownOnce = false;
    QString m_fileOnShow;
    std::optional<std::pair<QString, bool>> m_ingredientsOnShow;
    std::unique_ptr<RescueCopy> m_rescue;
    QString m_rescueFolder;
};
