#include "ui/AdvanceTableModel.h"

namespace vortalin {

AdvanceTableModel::AdvanceTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int AdvanceTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kRowCount;
}

int AdvanceTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant AdvanceTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    return QString::fromStdString(table_.Cell(index.column(), index.row()));
}

bool AdvanceTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid) ||
        IsFixed(index))
        return false;
    table_.SetCell(index.column(), index.row(), value.toString().toStdString());
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags AdvanceTableModel::flags(const QModelIndex& index) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || IsFixed(index))
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void AdvanceTableModel::Change(const std::function<void(TAdvanceTable&)>& operation) {
    try {
        operation(table_);
    } catch (...) {
        AllCellsChanged();
        throw;
    }
    AllCellsChanged();
}

void AdvanceTableModel::AllCellsChanged() {
    Q_EMIT dataChanged(index(0, 0), index(kRowCount - 1, kColumnCount - 1),
                       {Qt::DisplayRole, Qt::EditRole});
}

}  // namespace vortalin
