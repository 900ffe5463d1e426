#pragma once

#include "sheet.h"

#include <QPointer>
#include <QWidget>

class WarningSink;

// Sends a sheet to the default printer and reports a job the print system refuses.
// Without a printer it offers to save the sheet as a PDF file instead. Tests
// override the steps that reach the outside.
class SheetPrinter
{
public:
    explicit SheetPrinter(QWidget *parent) : m_parent(parent) {}
    virtual ~SheetPrinter() = default;

    // `what` names the sheet in the question: "la ricetta", "la conversione".
    void print(const Sheet &sheet, const QString &what, WarningSink &sink);

protected:
    virtual bool hasPrinter();
    // Empty when the print system accepted the job; otherwise its reason.
    virtual QString printOnPrinter(const Sheet &sheet);
    virtual bool askForPdf(const QString &question);
    virtual QString choosePdfPath();
    virtual bool writePdf(const Sheet &sheet, const QString &path);

    QPointer<QWidget> m_parent;
};
