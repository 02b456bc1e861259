#pragma once
#include <QAbstractListModel>
#include <QStringList>

// The address box's list, in insertion order and without a size limit. Any number of entries
// goes in with one insertion of rows, so a history of a million addresses fills it at once.
class AddressListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

    void Append(const QStringList& entries);
    const QStringList& Entries() const { return entries_; }

private:
    QStringList entries_;
};
