// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

// Answers modal windows while a test drives the real widgets: every message box is
// recorded (title, text) and closed with OK; any other modal dialog is handed to
// `onDialog`, or rejected and recorded as unexpected so the test fails instead of hanging.
class ModalWatcher : public QObject
{
public:
    ModalWatcher()
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::poll);
        m_timer.start();
    }

    std::function<void(QDialog *)> onDialog;
    std::function<void(QMessageBox *)> onBox; // sees each message box before it is answered
    QString answer;                           // the button to click in a question box ("Sì", "No")
    QList<QPair<QString, QString>> boxes;
    QStringList unexpected;

    QStringList texts() const
    {
        QStringList result;
        for (const auto &box : boxes)
            result << box.second;
        return result;
    }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            // The text as read: without the invisible break points that let a long word wrap.
            boxes.append({box->windowTitle(), box->text().remove(QChar(0x200B))});
            if (onBox)
                onBox(box);
            if (box->icon() != QMessageBox::NoIcon)
                unexpected << QStringLiteral("box with an icon");
            if (box->buttons().size() == 1 && box->button(QMessageBox::Ok)) {
                box->button(QMessageBox::Ok)->click();
                return;
            }
            for (QAbstractButton *button : box->buttons())
                if (!answer.isEmpty() && QString(button->text()).remove(u'&') == answer) {
                    button->click();
                    return;
                }
            unexpected << QStringLiteral("unanswered box: ") + box->text();
            box->reject();
        } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            if (onDialog) {
                onDialog(dialog);
            } else {
                unexpected << dialog->objectName();
                dialog->reject();
            }
        }
    }

    QTimer m_timer;
};
