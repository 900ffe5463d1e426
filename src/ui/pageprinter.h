#pragma once

#include "page.h"

#include <QPointer>
#include <QWidget>

class WarningSink;

// Sends a page to the default printer and reports a job the print system refuses.
// Without a printer it offers to save the page as a PDF file instead. Tests
// override the steps that reach the outside.
class PagePrinter
{
public:
    explicit PagePrinter(QWidget *parent) : m_parent(parent) {}
    virtual ~PagePrinter() = default;

    // `what` names the page in the question: "la ricetta", "la conversione".
    void print(const Page &page, const QString &what, WarningSink &sink);

protected:
    virtual bool hasPrinter();
    // Empty when the print system accepted the job; otherwise its reason.
    virtual QString printOnPrinter(const Page &page);
    virtual bool askForPdf(const QString &question);
    virtual QString choosePdfPath();
    virtual bool writePdf(const Page &page, const QString &path);

    QPointer<QWidget> m_parent;
};
