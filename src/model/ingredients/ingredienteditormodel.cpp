// SPDX-License-Identifier: GPL-3.0-or-later
#include "ingredienteditormodel.h"

#include "catalogue.h"
#include "entrymessages.h"

#include <QCoreApplication>

using personal::Check;

namespace {

const char *const kHeaders[IngredientEditorModel::TableColumnCount] = {
    QT_TRANSLATE_NOOP("Ingredients", "Nome"),
    QT_TRANSLATE_NOOP("Ingredients", "Proteine %"),
    QT_TRANSLATE_NOOP("Ingredients", "Grassi %"),
    QT_TRANSLATE_NOOP("Ingredients", "Carboidrati %"),
    QT_TRANSLATE_NOOP("Ingredients", "Indice Digeribilità"),
    QT_TRANSLATE_NOOP("Ingredients", "Indice Legante"),
    QT_TRANSLATE_NOOP("Ingredients", "Prezzo € al kg\n(uova: € per uovo)")};

// The table shows the name, then the file's columns in the file's order.
static_assert(IngredientEditorModel::TableProteine == personal::CsvProteine + 1 &&
              IngredientEditorModel::TablePrezzo == personal::CsvPrezzo + 1);
personal::CsvColumn csvColumn(int tableColumn)
{
    return personal::CsvColumn(tableColumn - 1);
}

int catalogueRows()
{
    return int(catalogue::ingredients().size());
}

int builtInRows()
{
    return catalogueRows() + int(catalogue::eggKinds().size());
}

QString header(int column)
{
    return QCoreApplication::translate("Ingredients", kHeaders[column]);
}

QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// The worksheet's own message where one of its rules covers the case.
QString valueRefusal(personal::CsvColumn column, const QString &text)
{
    const Check result = personal::check(column, text);
    if (result == Check::Ok)
        return QString();
    if (result == Check::NotANumber)
        return messages::kNotANumber;
    switch (column) {
    case personal::CsvDigeribilita:
        return QCoreApplication::translate("Ingredients",
                                           "L'indice di digeribilità deve essere compreso tra 1 e 5");
    case personal::CsvLegante:
        return QCoreApplication::translate("Ingredients", "L'indice legante deve essere compreso tra -1 e 5");
    case personal::CsvPrezzo:
        if (result == Check::AboveMax)
            return QCoreApplication::translate("Ingredients", "Il prezzo non può superare 1.000.000 €");
        return messages::kNegative;
    default:
        return result == Check::BelowMin ? messages::kNegative : messages::kOver100;
    }
}

QString inUseRefusal(const QString &name, const char *what)
{
    return QCoreApplication::translate(
               "Ingredients", "«%1» è scelto nel foglio di lavoro: non si può %2 finché una riga lo usa")
        .arg(name, QCoreApplication::translate("Ingredients", what));
}

} // namespace

IngredientEditorModel::IngredientEditorModel(personal::Library library, QStringList inUse, QObject *parent)
    : QAbstractTableModel(parent), m_library(std::move(library)), m_inUse(std::move(inUse))
{}

int IngredientEditorModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : firstPersonalRow() + int(m_library.ingredients.size());
}

int IngredientEditorModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : TableColumnCount;
}

int IngredientEditorModel::firstPersonalRow() const
{
    return builtInRows();
}

personal::Ingredient &IngredientEditorModel::personalAt(int row)
{
    return m_library.ingredients[row - firstPersonalRow()];
}

const personal::Ingredient &IngredientEditorModel::personalAt(int row) const
{
    return m_library.ingredients[row - firstPersonalRow()];
}

QString IngredientEditorModel::text(int row, int column) const
{
    if (row >= firstPersonalRow()) {
        const personal::Ingredient &ingredient = personalAt(row);
        if (column == TableNome)
            return ingredient.name;
        return column == TablePrezzo ? ingredient.price : ingredient.values[size_t(csvColumn(column))];
    }
    if (row < catalogueRows()) {
        const catalogue::Ingredient &entry = catalogue::ingredients()[size_t(row)];
        const char *const cells[] = {entry.name,  entry.proteine, entry.grassi,
                                     entry.carbo, entry.dig,      entry.legante};
        return column == TablePrezzo ? m_library.prices.value(QString::fromLatin1(entry.name))
                                     : QString::fromLatin1(cells[column]);
    }
    const catalogue::EggKind &kind = catalogue::eggKinds()[size_t(row - catalogueRows())];
    const char *const cells[] = {kind.name, kind.proteine, kind.grassi, kind.carbo, kind.dig, ""};
    return column == TablePrezzo ? m_library.prices.value(QString::fromLatin1(kind.name))
                                 : QString::fromLatin1(cells[column]);
}

QVariant IngredientEditorModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    // Built-in entries show their name in the program's language; the file keeps the Italian one.
    if (role == Qt::DisplayRole && index.column() == TableNome && index.row() < firstPersonalRow())
        return catalogue::displayName(text(index.row(), index.column()));
    return text(index.row(), index.column());
}

QVariant IngredientEditorModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < TableColumnCount)
        return header(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags IngredientEditorModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const bool editable = index.row() >= firstPersonalRow() || index.column() == TablePrezzo;
    return editable ? shown | Qt::ItemIsEditable : shown;
}

QString IngredientEditorModel::refusal(int row, int column, const QString &entered) const
{
    if (column == TablePrezzo)
        return entered.isEmpty() ? QString() : valueRefusal(personal::CsvPrezzo, entered);
    const personal::Ingredient &ingredient = personalAt(row);
    if (column == TableNome) {
        if (m_inUse.contains(ingredient.name))
            return inUseRefusal(ingredient.name, QT_TRANSLATE_NOOP("Ingredients", "rinominare"));
        if (const QString problem = personal::nameProblem(entered); !problem.isEmpty())
            return capitalised(problem);
        if (m_library.find(entered))
            return QCoreApplication::translate("Ingredients", "«%1» è già tra gli ingredienti personali")
                .arg(entered);
        return QString();
    }
    const auto valueColumn = csvColumn(column);
    if (const QString message = valueRefusal(valueColumn, entered); !message.isEmpty())
        return message;
    auto values = ingredient.values;
    values[size_t(valueColumn)] = entered;
    if (personal::sumOver100(values[personal::CsvProteine], values[personal::CsvGrassi],
                             values[personal::CsvCarboidrati]))
        return messages::sumOver100(
            QCoreApplication::translate("Ingredients", "per «%1»").arg(ingredient.name));
    return QString();
}

bool IngredientEditorModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int row = index.row();
    const int column = index.column();
    const QString entered =
        column == TablePrezzo ? personal::cleanPrice(value.toString()) : value.toString().trimmed();
    if (entered == text(row, column))
        return true;
    if (const QString message = refusal(row, column, entered); !message.isEmpty()) {
        emit refused(message);
        return false;
    }
    if (row >= firstPersonalRow()) {
        personal::Ingredient &ingredient = personalAt(row);
        if (column == TableNome)
            ingredient.name = entered;
        else if (column == TablePrezzo)
            ingredient.price = entered;
        else
            ingredient.values[size_t(csvColumn(column))] = entered;
    } else if (entered.isEmpty()) {
        m_library.prices.remove(text(row, TableNome));
    } else {
        m_library.prices.insert(text(row, TableNome), entered);
    }
    m_modified = true;
    emit dataChanged(index, index);
    return true;
}

int IngredientEditorModel::addIngredient()
{
    const QString base = QCoreApplication::translate("Ingredients", "Nuovo ingrediente");
    QString name = base;
    for (int k = 2; m_library.find(name); ++k)
        name = QStringLiteral("%1 %2").arg(base).arg(k);
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    m_library.ingredients << personal::Ingredient{name, {}, {}};
    endInsertRows();
    m_modified = true;
    return row;
}

bool IngredientEditorModel::removeIngredient(int row)
{
    if (row < firstPersonalRow() || row >= rowCount()) {
        emit refused(QCoreApplication::translate("Ingredients",
                                                 "Si possono eliminare solo gli ingredienti personali"));
        return false;
    }
    if (const QString &name = personalAt(row).name; m_inUse.contains(name)) {
        emit refused(inUseRefusal(name, QT_TRANSLATE_NOOP("Ingredients", "eliminare")));
        return false;
    }
    beginRemoveRows(QModelIndex(), row, row);
    m_library.ingredients.removeAt(row - firstPersonalRow());
    endRemoveRows();
    m_modified = true;
    return true;
}

QString IngredientEditorModel::incomplete() const
{
    for (const personal::Ingredient &ingredient : m_library.ingredients)
        for (int k = 0; k < personal::kValueCount; ++k)
            if (ingredient.values[size_t(k)].isEmpty())
                return QCoreApplication::translate("Ingredients",
                                                   "Impossibile salvare: a «%1» manca il valore di %2")
                    .arg(ingredient.name, header(TableProteine + k));
    return QString();
}
