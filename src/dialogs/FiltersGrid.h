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

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void openCurrentCell();
    void showPopup(QWidget* area, const QPoint& pos);

    QMenu* popup_ = nullptr;
};

} // namespace tw
