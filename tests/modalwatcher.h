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
            boxes.append({box->windowTitle(), box->text()});
            if (box->buttons().size() != 1 || box->icon() != QMessageBox::NoIcon)
                unexpected << QStringLiteral("box without a single OK button or with an icon");
            box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
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
