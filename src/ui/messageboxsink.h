#pragma once

#include "warnings.h"

#include <QPointer>
#include <QWidget>

// Shows each warning as a modal box with its title, its text, one OK button and no icon.
class MessageBoxSink : public WarningSink
{
public:
    explicit MessageBoxSink(QWidget *parent) : m_parent(parent) {}
    void warn(const QString &title, const QString &text) override;

private:
    QPointer<QWidget> m_parent;
};
