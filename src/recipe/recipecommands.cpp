#include "recipecommands.h"

#include "filechooser.h"
#include "recipefile.h"
#include "recipemessages.h"
#include "worksheet.h"

namespace recipecommands {

bool save(Worksheet &sheet, FileChooser &chooser)
{
    if (sheet.text(field::RisPeso).isEmpty()) {
        sheet.warn(messages::kSaveBeforeCalculation);
        return false;
    }
    QString problem;
    const auto bytes = recipefile::encode(recipefile::recordOf(sheet), &problem);
    if (!bytes) {
        sheet.warn(problem);
        return false;
    }
    const QString path = chooser.chooseSavePath();
    if (path.isEmpty())
        return false;
    if (recipefile::save(*bytes, path) != recipefile::Outcome::Done) {
        sheet.warn(messages::kCannotSave);
        return false;
    }
    return true;
}

bool open(Worksheet &sheet, FileChooser &chooser)
{
    const QString path = chooser.chooseOpenPath();
    if (path.isEmpty())
        return false;
    return openFile(sheet, path);
}

bool openFile(Worksheet &sheet, const QString &path)
{
    QString unknown;
    switch (recipefile::open(sheet, path, &unknown)) {
    case recipefile::Outcome::Done:
        return true;
    case recipefile::Outcome::NotARecipe:
        sheet.warn(messages::kNotARecipe);
        return false;
    case recipefile::Outcome::UnknownIngredient:
        sheet.warn(messages::unknownIngredient(unknown));
        return false;
    default:
        sheet.warn(messages::kCannotRead);
        return false;
    }
}

} // namespace recipecommands
