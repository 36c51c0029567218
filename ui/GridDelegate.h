#pragma once

#include <QStyledItemDelegate>
#include <functional>

namespace vortalin {

class KeyFilterObject;

// Paints and edits the cells of StringGrid1. Fixed cells look like headers;
// after a cell is painted, the window's own cell painting runs on top of it.
// Characters typed into a cell editor go through the grid's key filter before
// the delegate acts on them (so Enter is discarded, not taken as "commit").
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using DrawCell = std::function<void(QPainter*, const QRect&, const QModelIndex&)>;

    GridDelegate(KeyFilterObject* keyFilter, DrawCell drawCell, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    bool eventFilter(QObject* editor, QEvent* event) override;

  private:
    KeyFilterObject* keyFilter_;
    DrawCell drawCell_;
};

}  // namespace vortalin
