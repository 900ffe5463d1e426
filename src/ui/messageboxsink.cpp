#include "messageboxsink.h"

#include "usertext.h"

#include <QMessageBox>

void MessageBoxSink::warn(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, usertext::printable(text), QMessageBox::Ok, m_parent);
    box.setObjectName(QStringLiteral("AvvisoBox"));
    box.exec();
}
