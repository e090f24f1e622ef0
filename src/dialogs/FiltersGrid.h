#pragma once
// The filters editor's grid `FiltersSG`: two columns, a fixed header row and
// 19 data rows of names and patterns, edited in place. Rows are counted as in
// the editor: row 0 is the header (shown by the horizontal header, so it
// never scrolls away), rows 1 .. 19 hold the filters.
#include <QList>
#include <QTableWidget>

#include "dialogs/FilterRows.h"

class QMenu;

namespace tw {

class FiltersGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit FiltersGrid(QWidget* parent = nullptr);

    // Cell text by editor rows: row 0 gives the header cells.
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);
    FilterRow filterRow(int row) const;
    void setFilterRow(int row, const FilterRow& filter);
    QList<FilterRow> filterRows() const;
    void setFilterRows(const QList<FilterRow>& rows);

    // The current data row (1 .. 19) and column.
    int currentDataRow() const;
    void setCurrentDataCell(int row, int column);

    // Writes an open cell editor's text into its cell and closes the editor.
    void commitOpenEditor();
    // The menu a right click opens, over the cells and the header alike.
    void setPopup(QMenu* popup) { popup_ = popup; }
    // Closes the open cell (its text kept) and gives the focus to the next or
    // previous control of the window: Tab leaves the grid, as the arrow keys
    // move between its cells.
    void leaveGrid(bool forward);

signals:
    // Enter and Esc belong to the dialog, also while a cell is being edited:
    // Enter accepts it and Esc cancels it.
    void acceptRequested();
    void cancelRequested();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void openCurrentCell();
    void showPopup(QWidget* area, const QPoint& pos);

    QMenu* popup_ = nullptr;
};

} // namespace tw
