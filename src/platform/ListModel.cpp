#include "platform/ListModel.h"

namespace zwervel {

void LijstModel::vervang(QList<QAnyStringView> items, QStringList teksten, QList<QByteArray> bytes)
{
    beginResetModel();
    m_items = std::move(items);
    m_teksten = std::move(teksten);
    m_bytes = std::move(bytes);
    if (m_items.isEmpty())
        vergeetBronnen();
    endResetModel();
}

void LijstModel::verwijder(const std::function<bool(QAnyStringView)>& weg)
{
    beginResetModel();
    m_items.removeIf(weg);
    if (m_items.isEmpty())
        vergeetBronnen();
    endResetModel();
}

void LijstModel::vergeetBronnen()
{
    m_teksten.clear();
    m_bytes.clear();
}

bool LijstModel::geldig(const QModelIndex& index) const
{
    return index.isValid() && !index.parent().isValid() && index.column() == 0
           && index.row() < m_items.size();
}

int LijstModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

QVariant LijstModel::data(const QModelIndex& index, int role) const
{
    if (!geldig(index) || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return alsTekst(m_items.at(index.row()));
}

bool LijstModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!geldig(index) || (role != Qt::DisplayRole && role != Qt::EditRole))
        return false;
    // The entry's own text joins the kept texts; what it pointed into may still serve others.
    m_teksten.append(value.toString());
    m_items[index.row()] = QStringView(m_teksten.constLast());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

bool LijstModel::insertRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || row > m_items.size() || count < 1)
        return false;
    beginInsertRows(parent, row, row + count - 1);
    m_items.insert(row, count, QStringView());
    endInsertRows();
    return true;
}

bool LijstModel::removeRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row + qsizetype(count) > m_items.size())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    m_items.remove(row, count);
    if (m_items.isEmpty())
        vergeetBronnen();
    endRemoveRows();
    return true;
}

Qt::ItemFlags LijstModel::flags(const QModelIndex& index) const
{
    if (!geldig(index))
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

} // namespace zwervel
