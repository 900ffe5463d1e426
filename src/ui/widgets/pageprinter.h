// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "page.h"
#include "printerjob.h"

#include <QPointer>
#include <QWidget>

class WarningSink;

// Sends a page to the default printer and reports a job the print system refuses or a
// printer that holds it paused. Where no queue is the default it asks which one; without
// any printer, or without a print server, it offers to save the page as a PDF file
// instead. Warnings, the question and the choice go to the sink; tests override the steps
// that reach the outside.
class PagePrinter
{
public:
    explicit PagePrinter(QWidget *parent) : m_parent(parent) {}
    virtual ~PagePrinter() = default;

    // `what` names the page in the question: "la ricetta", "la conversione".
    void print(const Page &page, const QString &what, WarningSink &sink);

protected:
    virtual printerjob::Destinations destinations();
    virtual printerjob::JobResult printOn(const Page &page, const QString &printer);
    virtual QString choosePdfPath();
    // Empty when written, otherwise the reason.
    virtual QString writePdf(const Page &page, const QString &path);

    QPointer<QWidget> m_parent;
};
