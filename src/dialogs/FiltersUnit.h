#pragma once
// The filters editor `TFiltersForm` ("Open and Save Dialog Filters"): the
// file-type choices of the Open and Save dialogs as a table of names and
// patterns, and the default extension the Save dialog adds to a bare name.
#include <QDialog>

class QLineEdit;

namespace tw {

struct FileDialogSettings;
class FiltersGrid;
class Prompts;
class TOrderForm;

class TFiltersForm : public QDialog {
    Q_OBJECT
public:
    TFiltersForm(Prompts& prompts, TOrderForm& order, QWidget* parent = nullptr);

    // Loads the dialogs' filter string and default extension, shows the editor
    // modally and, on OK, writes both back. True on OK.
    bool edit(FileDialogSettings& dialogs);

    // What showing does: the filter string split into the grid, the default
    // extension into DefaultExtEdit.
    void load(const QString& filter, const QString& defaultExt);
    // The filter string the grid makes now.
    QString FilterString() const;
    // After OK: the filter string and default extension confirmed.
    const QString& confirmedFilter() const { return filter_; }
    const QString& confirmedDefaultExt() const { return defaultExt_; }
    FiltersGrid& grid() const { return *grid_; }

    void InsertBtnClick();
    void DeleteBtnClick();
    void OrderBtnClick();
    void OKBtnClick();

private:
    void buildControls();

    Prompts& prompts_;
    TOrderForm& order_;
    FiltersGrid* grid_ = nullptr;
    QLineEdit* defaultExtEdit_ = nullptr;
    QString filter_;
    QString defaultExt_;
};

} // namespace tw
