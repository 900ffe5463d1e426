#include "pageprinter.h"

#include "messages.h"
#include "pagerenderer.h"
#include "printerjob.h"
#include "usertext.h"
#include "warnings.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

void PagePrinter::print(const Page &page, const QString &what, WarningSink &sink)
{
    if (hasPrinter()) {
        if (const QString reason = printOnPrinter(page); !reason.isEmpty())
            sink.warn(messages::kTitle, printerjob::failure(reason));
        return;
    }
    if (!askForPdf(printerjob::kNoPrinter + QStringLiteral(". Salvare %1 in un file PDF?").arg(what)))
        return;
    const QString path = choosePdfPath();
    if (path.isEmpty())
        return;
    if (!writePdf(page, path))
        sink.warn(messages::kTitle,
                  usertext::aboutFile(printerjob::kCannotSavePdf, path, usertext::whyUnwritable(path)));
}

bool PagePrinter::hasPrinter()
{
    return !printerjob::defaultPrinter().isEmpty();
}

QString PagePrinter::printOnPrinter(const Page &page)
{
    const QString printer = printerjob::defaultPrinter();
    if (printer.isEmpty()) // gone since hasPrinter()
        return printerjob::kNoPrinter;
    return printerjob::print(page, printer, QStringLiteral("Vornak"));
}

bool PagePrinter::askForPdf(const QString &question)
{
    QMessageBox box(QMessageBox::NoIcon, messages::kTitle, question, QMessageBox::NoButton, m_parent);
    QPushButton *yes = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

QString PagePrinter::choosePdfPath()
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

bool PagePrinter::writePdf(const Page &page, const QString &path)
{
    return pagerenderer::writePdf(page, path);
}
