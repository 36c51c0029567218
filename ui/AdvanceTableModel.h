#pragma once

#include <QAbstractTableModel>
#include <functional>

#include "core/AdvanceTable.h"

namespace vortalin {

// The advance table as the grid shows it: Qt rows are table rows, Qt columns
// table columns. The model holds the program's only copy of the cells.
// Row 0 (headers) and column 0 (speed labels) are fixed: neither editable nor
// reachable by the cursor.
class AdvanceTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit AdvanceTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    static bool IsFixed(const QModelIndex& index) {
        return index.row() == 0 || index.column() == 0;
    }

    const TAdvanceTable& Table() const { return table_; }

    // Runs an operation on the table, then tells the views that any cell may
    // have changed, also when the operation stops by throwing: the cells it
    // wrote before stay.
    void Change(const std::function<void(TAdvanceTable&)>& operation);

  private:
    void AllCellsChanged();

    TAdvanceTable table_;
};

}  // namespace vortalin
