#include "AddressListModel.h"

int AddressListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant AddressListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= entries_.size() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return entries_.at(index.row());
}

bool AddressListModel::removeRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || count <= 0 || row + count > entries_.size())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    entries_.remove(row, count);
    endRemoveRows();
    return true;
}

void AddressListModel::Append(const QStringList& entries)
{
    if (entries.isEmpty())
        return;
    const int first = static_cast<int>(entries_.size());
    beginInsertRows({}, first, first + static_cast<int>(entries.size()) - 1);
    entries_ += entries;
    endInsertRows();
}
