#include "dialogs/FiltersUnit.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/EditorOptions.h"
#include "dialogs/FilterRows.h"
#include "dialogs/FiltersGrid.h"
#include "lists/OrderUnit.h"
#include "util/Prompts.h"

namespace tw {

namespace {

const QString kInsertQuestion = QStringLiteral(
    "Inserting a new row will delete the last row. Do you want to insert a new row anyway?");

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

TFiltersForm::TFiltersForm(Prompts& prompts, TOrderForm& order, QWidget* parent)
    : QDialog(parent), prompts_(prompts), order_(order) {
    setObjectName(QStringLiteral("TFiltersForm"));
    setWindowTitle(QStringLiteral("Open and Save Dialog Filters"));
    buildControls();
}

void TFiltersForm::buildControls() {
    grid_ = new FiltersGrid(this);
    auto* insert = button(this, "InsertBtn", QStringLiteral("&Insert"));
    auto* remove = button(this, "DeleteBtn", QStringLiteral("&Delete"));
    auto* order = button(this, "OrderBtn", QStringLiteral("&Order..."));
    auto* ok = button(this, "OKBtn", QStringLiteral("OK"));
    ok->setDefault(true);
    auto* cancel = button(this, "CancelBtn", QStringLiteral("Cancel"));
    auto* extBox = new QGroupBox(QStringLiteral("Default &Ext"), this);
    extBox->setObjectName(QStringLiteral("GroupBox2"));
    defaultExtEdit_ = new QLineEdit(extBox);
    defaultExtEdit_->setObjectName(QStringLiteral("DefaultExtEdit"));
    (new QVBoxLayout(extBox))->addWidget(defaultExtEdit_);

    auto* popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("OpenSavePopup"));
    QAction* insertItem = popup->addAction(QStringLiteral("&Insert Row"));
    insertItem->setObjectName(QStringLiteral("InsertMI"));
    QAction* deleteItem = popup->addAction(QStringLiteral("&Delete Row"));
    deleteItem->setObjectName(QStringLiteral("DeleteMI"));
    grid_->setPopup(popup);

    auto* side = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{insert, remove, order, extBox})
        side->addWidget(w);
    side->addStretch();
    side->addWidget(ok);
    side->addWidget(cancel);
    auto* layout = new QGridLayout(this);
    layout->addWidget(grid_, 0, 0);
    layout->addLayout(side, 0, 1);
    layout->setColumnStretch(0, 1);
    resize(560, 420);

    connect(insert, &QPushButton::clicked, this, &TFiltersForm::InsertBtnClick);
    connect(remove, &QPushButton::clicked, this, &TFiltersForm::DeleteBtnClick);
    connect(order, &QPushButton::clicked, this, &TFiltersForm::OrderBtnClick);
    connect(insertItem, &QAction::triggered, insert, &QPushButton::click);
    connect(deleteItem, &QAction::triggered, remove, &QPushButton::click);
    connect(ok, &QPushButton::clicked, this, &TFiltersForm::OKBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(grid_, &FiltersGrid::acceptRequested, ok, &QPushButton::click);
    connect(grid_, &FiltersGrid::cancelRequested, this, &QDialog::reject);
    // Tab follows the screen: the grid, the buttons beside it from the top,
    // the default extension, then OK and Cancel.
    QWidget* const chain[] = {grid_, insert, remove, order, defaultExtEdit_, ok, cancel};
    for (size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

bool TFiltersForm::edit(FileDialogSettings& dialogs) {
    load(dialogs.filter, dialogs.defaultExt);
    if (exec() != QDialog::Accepted)
        return false;
    dialogs.filter = filter_;
    dialogs.defaultExt = defaultExt_;
    return true;
}

void TFiltersForm::load(const QString& filter, const QString& defaultExt) {
    // Every showing starts from the dialogs' own values, so edits of a
    // cancelled showing are gone, also when the filter string is empty.
    grid_->commitOpenEditor();
    grid_->setFilterRows(FilterRowsFromString(filter));
    defaultExtEdit_->setText(defaultExt);
    grid_->setCurrentDataCell(1, 0);
    grid_->setFocus();
}

QString TFiltersForm::FilterString() const {
    return FilterStringFromRows(grid_->filterRows());
}

void TFiltersForm::InsertBtnClick() {
    grid_->commitOpenEditor();
    // Asked when the last row holds anything, a pattern without a name too.
    if (!grid_->filterRow(kFilterRowCount).isEmpty() &&
        prompts_.ask(kInsertQuestion, MessageType::Confirmation, Buttons::YesNo) != Answer::Yes)
        return;
    const int current = grid_->currentDataRow();
    for (int r = kFilterRowCount; r > current; --r)
        grid_->setFilterRow(r, grid_->filterRow(r - 1));
    grid_->setFilterRow(current, FilterRow{});
}

void TFiltersForm::DeleteBtnClick() {
    grid_->commitOpenEditor();
    for (int r = grid_->currentDataRow(); r < kFilterRowCount; ++r)
        grid_->setFilterRow(r, grid_->filterRow(r + 1));
    grid_->setFilterRow(kFilterRowCount, FilterRow{});
}

void TFiltersForm::OrderBtnClick() {
    grid_->commitOpenEditor();
    const std::optional<RearrangedItems> result =
        order_.rearrange(OrderLinesFromRows(grid_->filterRows()));
    if (!result)
        return;
    for (int i = 0; i < result->names.size() && i < kFilterRowCount; ++i)
        grid_->setFilterRow(i + 1, RowFromOrderLine(result->names.at(i)));
}

void TFiltersForm::OKBtnClick() {
    grid_->commitOpenEditor();
    filter_ = FilterString();
    defaultExtEdit_->setText(WithoutLeadingDot(defaultExtEdit_->text()));
    defaultExt_ = defaultExtEdit_->text();
    accept();
}

} // namespace tw
