#include "ui/GridDelegate.h"

#include <QKeyEvent>
#include <QPainter>

#include "ui/AdvanceTableModel.h"
#include "ui/KeyFilters.h"

namespace vortalin {

GridDelegate::GridDelegate(KeyFilterObject* keyFilter, DrawCell drawCell, QObject* parent)
    : QStyledItemDelegate(parent), keyFilter_(keyFilter), drawCell_(std::move(drawCell)) {}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    if (drawCell_) drawCell_(painter, option.rect, index);
}

void GridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->displayAlignment = Qt::AlignLeft | Qt::AlignTop;
    if (AdvanceTableModel::IsFixed(index)) {
        // Fixed cells cannot be reached, but their texts are not disabled.
        option->state |= QStyle::State_Enabled;
        option->palette.setCurrentColorGroup(QPalette::Active);
        option->backgroundBrush = option->palette.button();
    }
}

bool GridDelegate::eventFilter(QObject* editor, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto& key = *static_cast<QKeyEvent*>(event);
        if (keyFilter_->Filter(editor, key)) return true;
        // Tab leaves the grid for the next control, as it does from the grid
        // itself; the focus change commits the edit.
        if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) return false;
    }
    return QStyledItemDelegate::eventFilter(editor, event);
}

}  // namespace vortalin
