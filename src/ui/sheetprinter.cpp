#include "sheetprinter.h"

#include "messages.h"
#include "printerjob.h"
#include "sheetrenderer.h"
#include "warnings.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

void SheetPrinter::print(const Sheet &sheet, const QString &what, WarningSink &sink)
{
    if (hasPrinter()) {
        if (const QString reason = printOnPrinter(sheet); !reason.isEmpty())
            sink.warn(messages::kTitle, printerjob::failure(reason));
        return;
    }
    if (!askForPdf(printerjob::kNoPrinter + QStringLiteral(". Salvare %1 in un file PDF?").arg(what)))
        return;
    const QString path = choosePdfPath();
    if (path.isEmpty())
        return;
    if (!writePdf(sheet, path))
        sink.warn(messages::kTitle, QStringLiteral("Impossibile salvare il file PDF"));
}

bool SheetPrinter::hasPrinter()
{
    return !printerjob::defaultPrinter().isEmpty();
}

QString SheetPrinter::printOnPrinter(const Sheet &sheet)
{
    const QString printer = printerjob::defaultPrinter();
    if (printer.isEmpty()) // gone since hasPrinter()
        return printerjob::kNoPrinter;
    return printerjob::print(sheet, printer, QStringLiteral("Vornak"));
}

bool SheetPrinter::askForPdf(const QString &question)
{
    QMessageBox box(QMessageBox::NoIcon, messages::kTitle, question, QMessageBox::NoButton, m_parent);
    QPushButton *yes = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

QString SheetPrinter::choosePdfPath()
{
    QFileDialog dialog(m_parent);
    dialog.setObjectName(QStringLiteral("dlgPdf"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("Documenti PDF(*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool SheetPrinter::writePdf(const Sheet &sheet, const QString &path)
{
    return sheetrenderer::writePdf(sheet, path);
}
