// SPDX-License-Identifier: GPL-3.0-or-later
// FormPrinc: the "?" menu's choice of language, kept in the settings for the next start.
#include "formprinc.h"
#include "language.h"

#include <QActionGroup>
#include <QMenu>
#include <QMessageBox>

void FormPrinc::buildLanguageMenu(QMenu *menu)
{
    using language::Language;
    QMenu *languages = menu->addMenu(tr("&Lingua"));
    languages->setObjectName(QStringLiteral("mnuLingua"));
    auto *group = new QActionGroup(languages);
    // Each language by its own name, as it is found in any language.
    const std::pair<Language, QString> choices[] = {{Language::Italian, QStringLiteral("Italiano")},
                                                    {Language::English, QStringLiteral("English")}};
    for (const auto &[choice, name] : choices) {
        QAction *action = languages->addAction(name);
        action->setObjectName(QStringLiteral("mnuLingua_") + language::code(choice));
        action->setCheckable(true);
        action->setChecked(choice == language::current());
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, choice] {
            language::save(choice);
            if (choice == language::current())
                return;
            QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vornak"),
                            choice == Language::English
                                ? QStringLiteral("Vornak will speak English from its next start.")
                                : QStringLiteral("Vornak parlerà italiano dal prossimo avvio."),
                            QMessageBox::Ok, this);
            box.setObjectName(QStringLiteral("LinguaBox"));
            box.exec();
        });
    }
}
