// SPDX-License-Identifier: GPL-3.0-or-later
#include "recipecommands.h"

#include "filechooser.h"
#include "recipefile.h"
#include "recipemessages.h"
#include "usertext.h"
#include "worksheet.h"

namespace recipecommands {

bool save(Worksheet &worksheet, FileChooser &chooser, QString *written)
{
    if (worksheet.text(field::RisPeso).isEmpty()) {
        worksheet.warn(messages::kSaveBeforeCalculation);
        return false;
    }
    const QString path = chooser.chooseSavePath();
    if (path.isEmpty())
        return false;
    // A text the file cannot hold is said with the file it was meant for.
    QString problem;
    const auto bytes = recipefile::encode(recipefile::recordOf(worksheet), &problem);
    if (!bytes) {
        worksheet.warn(usertext::aboutFile(messages::kCannotSave, path, problem));
        return false;
    }
    if (QString why; recipefile::save(*bytes, path, &why) != recipefile::Outcome::Done) {
        worksheet.warn(usertext::aboutFile(messages::kCannotSave, path, why));
        return false;
    }
    if (written)
        *written = path;
    return true;
}

bool open(Worksheet &worksheet, FileChooser &chooser)
{
    const QString path = chooser.chooseOpenPath();
    if (path.isEmpty())
        return false;
    return openFile(worksheet, path);
}

bool openFile(Worksheet &worksheet, const QString &path)
{
    QString detail;
    switch (recipefile::open(worksheet, path, &detail)) {
    case recipefile::Outcome::Done:
        // Hand-edited texts are kept as written; the user learns now what saving will do.
        for (const QString &notice : recipefile::openingNotices(recipefile::recordOf(worksheet)))
            worksheet.warn(usertext::aboutFile(notice, path, QString()));
        return true;
    case recipefile::Outcome::NotARecipe:
        worksheet.warn(usertext::aboutFile(messages::kNotARecipe, path, detail));
        return false;
    case recipefile::Outcome::UnknownIngredient:
        worksheet.warn(usertext::aboutFile(messages::unknownIngredient(detail), path, QString()));
        return false;
    default:
        worksheet.warn(usertext::aboutFile(messages::kCannotRead, path, detail));
        return false;
    }
}

} // namespace recipecommands
