#include "recipecommands.h"

#include "filechooser.h"
#include "recipefile.h"
#include "recipemessages.h"
#include "worksheet.h"

namespace recipecommands {

bool save(Worksheet &worksheet, FileChooser &chooser)
{
    if (worksheet.text(field::RisPeso).isEmpty()) {
        worksheet.warn(messages::kSaveBeforeCalculation);
        return false;
    }
    QString problem;
    const auto bytes = recipefile::encode(recipefile::recordOf(worksheet), &problem);
    if (!bytes) {
        worksheet.warn(problem);
        return false;
    }
    const QString path = chooser.chooseSavePath();
    if (path.isEmpty())
        return false;
    if (recipefile::save(*bytes, path) != recipefile::Outcome::Done) {
        worksheet.warn(messages::kCannotSave);
        return false;
    }
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
    QString unknown;
    switch (recipefile::open(worksheet, path, &unknown)) {
    case recipefile::Outcome::Done:
        return true;
    case recipefile::Outcome::NotARecipe:
        worksheet.warn(messages::kNotARecipe);
        return false;
    case recipefile::Outcome::UnknownIngredient:
        worksheet.warn(messages::unknownIngredient(unknown));
        return false;
    default:
        worksheet.warn(messages::kCannotRead);
        return false;
    }
}

} // namespace recipecommands
