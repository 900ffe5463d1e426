// SPDX-License-Identifier: GPL-3.0-or-later
#include "lengthguard.h"

#include "entrymessages.h"
#include "messageboxsink.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QValidator>

namespace lengthguard {
namespace {

// The box hands every change to its validator before it takes it, and takes the
// validator's text instead: the cut text is what the box shows, what it says was edited,
// and what the worksheet keeps.
class LengthValidator : public QValidator
{
public:
    explicit LengthValidator(QLineEdit *edit) : QValidator(edit), m_edit(edit) {}

    State validate(QString &input, int &position) const override
    {
        if (input.size() > kLongestText) {
            input.truncate(kLongestText);
            position = qMin(position, kLongestText);
            warnLater();
        }
        return Acceptable;
    }

private:
    void warnLater() const
    {
        // Said once the paste is over, never from inside the box's own change.
        QMetaObject::invokeMethod(
            m_edit,
            [edit = m_edit] {
                if (!edit)
                    return;
                MessageBoxSink(edit->window())
                    .warn(messages::kTitle,
                          QCoreApplication::translate(
                              "LengthGuard", "Il testo è troppo lungo: questo campo tiene al massimo "
                                             "%1 caratteri, e quelli in più non sono stati inseriti.")
                              .arg(kLongestText));
            },
            Qt::QueuedConnection);
    }

    QPointer<QLineEdit> m_edit;
};

} // namespace

void guard(QLineEdit *edit)
{
    // A box with a validator of its own (a spin box's) keeps it, and its own limits.
    if (edit->validator())
        return;
    edit->setMaxLength(kLongestText + 1);
    edit->setValidator(new LengthValidator(edit));
}

} // namespace lengthguard
