#include "dialogs/FiltersGrid.h"

#include <algorithm>

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTimer>

namespace tw {

namespace {

// "|" separates the pieces of the filter string, so a cell cannot hold one:
// a name such as "C|C++" would shift every later name into a pattern. The
// keys that leave a cell editor are the dialog's: Qt's delegate would keep
// Enter, Esc and Tab inside the grid, and the dialog could not be left by
// keyboard.
class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(FiltersGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[^|]*")), line));
        return editor;
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool plain = !(key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier));
            switch (plain ? key->key() : 0) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                emit commitData(editor);
                emit grid_->acceptRequested();
                return true;
            case Qt::Key_Escape:
                emit grid_->cancelRequested();
                return true;
            case Qt::Key_Tab:
            case Qt::Key_Backtab: {
                const bool forward =
                    key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
                grid_->leaveGrid(forward);
                return true;
            }
            default:
                break;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    FiltersGrid* grid_;
};

} // namespace

FiltersGrid::FiltersGrid(QWidget* parent) : QTableWidget(kFilterRowCount, 2, parent) {
    setObjectName(QStringLiteral("FiltersSG"));
    setHorizontalHeaderLabels({QStringLiteral("Filter Name"), QStringLiteral("Filter")});
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setStretchLastSection(true);
    setColumnWidth(0, 180);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setTabKeyNavigation(false);
    setItemDelegate(new CellDelegate(this));
    for (int r = 0; r < kFilterRowCount; ++r)
        for (int c = 0; c < 2; ++c)
            setItem(r, c, new QTableWidgetItem);
    QTableWidget::setCurrentCell(0, 0);

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { showPopup(viewport(), pos); });
    horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(horizontalHeader(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { showPopup(horizontalHeader()->viewport(), pos); });
}

QString FiltersGrid::cell(int row, int column) const {
    if (row == 0)
        return horizontalHeaderItem(column)->text();
    const QTableWidgetItem* it = item(row - 1, column);
    return it ? it->text() : QString();
}

void FiltersGrid::setCell(int row, int column, const QString& text) {
    item(row - 1, column)->setText(text);
}

FilterRow FiltersGrid::filterRow(int row) const { return FilterRow{cell(row, 0), cell(row, 1)}; }

void FiltersGrid::setFilterRow(int row, const FilterRow& filter) {
    setCell(row, 0, filter.name);
    setCell(row, 1, filter.pattern);
}

QList<FilterRow> FiltersGrid::filterRows() const {
    QList<FilterRow> result;
    for (int r = 1; r <= kFilterRowCount; ++r)
        result << filterRow(r);
    return result;
}

void FiltersGrid::setFilterRows(const QList<FilterRow>& rows) {
    for (int r = 1; r <= kFilterRowCount && r <= rows.size(); ++r)
        setFilterRow(r, rows.at(r - 1));
}

int FiltersGrid::currentDataRow() const { return std::max(currentRow(), 0) + 1; }

void FiltersGrid::setCurrentDataCell(int row, int column) {
    QTableWidget::setCurrentCell(row - 1, column);
}

void FiltersGrid::commitOpenEditor() {
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void FiltersGrid::openCurrentCell() {
    if (hasFocus() && state() != QAbstractItemView::EditingState && currentIndex().isValid())
        edit(currentIndex());
}

void FiltersGrid::leaveGrid(bool forward) {
    commitOpenEditor();
    // The next control in the window's focus chain that Tab can reach, past
    // the grid's own parts (viewport, header, scroll bars, cell editor).
    QWidget* next = this;
    do {
        next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
    } while (next != this && (isAncestorOf(next) || !(next->focusPolicy() & Qt::TabFocus) ||
                              !next->isVisible() || !next->isEnabled()));
    next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void FiltersGrid::keyPressEvent(QKeyEvent* event) {
    // Without an open cell, Enter still accepts the dialog; Esc goes to the
    // dialog by itself.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(event->modifiers() & ~Qt::KeypadModifier)) {
        emit acceptRequested();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void FiltersGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    // While the grid has the focus its current cell stays open for editing.
    openCurrentCell();
}

void FiltersGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableWidget::closeEditor(editor, hint);
    QTimer::singleShot(0, this, [this] { openCurrentCell(); });
}

void FiltersGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) {
        QTableWidget::mousePressEvent(event);
        return;
    }
    // A right click on a cell makes it current before the menu opens; one on
    // the empty area beside or below the cells changes nothing.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        setCurrentIndex(index);
    event->accept();
}

void FiltersGrid::showPopup(QWidget* area, const QPoint& pos) {
    if (popup_)
        popup_->popup(area->mapToGlobal(pos));
}

} // namespace tw
