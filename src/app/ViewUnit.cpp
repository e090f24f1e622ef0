#include "app/ViewUnit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/ViewFileList.h"
#include "util/FileNames.h"
#include "util/Prompts.h"

namespace tw {

namespace {

const QString kAllFilesFilter = QStringLiteral("All Files (*.*)|*.*");

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

Qt::KeyboardModifiers modifiersOf(const QKeyEvent& key) {
    return key.modifiers() & ~Qt::KeypadModifier;
}

} // namespace

TViewForm::TViewForm(Prompts& prompts, bool showPaths, QWidget* parent, PathStyle style)
    : QDialog(parent), prompts_(prompts), style_(style) {
    setObjectName(QStringLiteral("TViewForm"));
    setWindowTitle(QStringLiteral("View Files"));
    buildControls();
    const QSignalBlocker quiet(showPaths_);
    showPaths_->setChecked(showPaths);
}

void TViewForm::buildControls() {
    auto* label1 = named(new QLabel(QStringLiteral("&Select File to View"), this), "Label1");
    fileEdit_ = named(new QLineEdit(this), "FileEdit");
    label1->setBuddy(fileEdit_);
    list_ = named(new QListWidget(this), "ListBox1");
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    showPaths_ = named(new QCheckBox(QStringLiteral("Show &Paths"), this), "ShowPathsCB");
    auto* label2 = named(new QLabel(QStringLiteral("&Filter"), this), "Label2");
    filter_ = named(new QComboBox(this), "FilterCB");
    label2->setBuddy(filter_);
    auto* ok = named(new QPushButton(QStringLiteral("OK"), this), "OKBtn");
    ok->setDefault(true);
    auto* cancel = named(new QPushButton(QStringLiteral("Cancel"), this), "CancelBtn");

    auto* grid = new QGridLayout(this);
    grid->addWidget(label1, 0, 0, 1, 2);
    grid->addWidget(fileEdit_, 1, 0, 1, 2);
    grid->addWidget(list_, 2, 0, 1, 2);
    grid->addWidget(showPaths_, 3, 0, 1, 2);
    grid->addWidget(label2, 4, 0);
    grid->addWidget(filter_, 4, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 5, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    resize(360, 320);

    connect(fileEdit_, &QLineEdit::textChanged, this, [this] { FileEditChange(); });
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] { listSelectionChanged(); });
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { setFileEditText(item->text()); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { OKBtnClick(); });
    connect(showPaths_, &QCheckBox::toggled, this, [this](bool on) {
        // The listed names change; the chosen extension still applies.
        FilterCBChange();
        emit showPathsToggled(on);
    });
    connect(filter_, &QComboBox::currentIndexChanged, this, [this] { FilterCBChange(); });
    connect(ok, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    fileEdit_->installEventFilter(this);
    list_->installEventFilter(this);
}

int TViewForm::selectFile(const QStringList& parkedNames) {
    load(parkedNames);
    return exec() == QDialog::Accepted ? chosenSlot_ : 0;
}

void TViewForm::load(const QStringList& parkedNames) {
    parkedNames_ = parkedNames;
    chosenSlot_ = 0;
    FillFileList();
    QString filter = kAllFilesFilter;
    for (const QString& entry : entries())
        filter = AddExtensionFilter(filter, entry, style_);
    setFilter(filter);
    fileEdit_->clear();
    fileEdit_->setFocus();
}

bool TViewForm::showPaths() const { return showPaths_->isChecked(); }

QStringList TViewForm::entries() const {
    QStringList result;
    for (int i = 0; i < list_->count(); ++i)
        result << list_->item(i)->text();
    return result;
}

int TViewForm::selectedRow() const {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.constFirst());
}

void TViewForm::FillFileList() {
    const QSignalBlocker quiet(list_);
    list_->clear();
    QStringList sorted;
    for (const QString& entry : FileListEntries(parkedNames_, showPaths(), style_))
        sorted.insert(SortedPosition(sorted, entry), entry);
    list_->addItems(sorted);
}

void TViewForm::setFilter(const QString& filter) {
    filterText_ = filter;
    const QSignalBlocker quiet(filter_);
    filter_->clear();
    const QStringList fields = filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < fields.size(); i += 2)
        filter_->addItem(fields.at(i), fields.at(i + 1));
    filter_->setCurrentIndex(0);
}

void TViewForm::applyFilterMask() {
    const QString mask = filter_->currentData().toString();
    if (mask.isEmpty())
        return;
    const QSignalBlocker quiet(list_);
    for (int i = list_->count() - 1; i >= 0; --i)
        if (!PassesExtensionMask(list_->item(i)->text(), mask, style_))
            delete list_->takeItem(i);
}

void TViewForm::FilterCBChange() {
    FillFileList();
    applyFilterMask();
}

void TViewForm::FileEditChange() {
    const QString text = fileEdit_->text();
    if (list_->count() == 0 || text.isEmpty())
        return;
    selectRow(PrefixMatch(entries(), text));
}

void TViewForm::selectRow(int row) {
    followingEdit_ = true;
    if (row < 0) {
        list_->setCurrentRow(-1);
        list_->clearSelection();
    } else {
        list_->setCurrentRow(row);
        list_->scrollToItem(list_->item(row));
    }
    followingEdit_ = false;
}

void TViewForm::setFileEditText(const QString& text) {
    {
        const QSignalBlocker quiet(fileEdit_);
        fileEdit_->setText(text);
        fileEdit_->setCursorPosition(0);
    }
    FileEditChange();
}

void TViewForm::listSelectionChanged() {
    const int row = selectedRow();
    if (!followingEdit_ && row >= 0)
        setFileEditText(list_->item(row)->text());
}

bool TViewForm::FileEditKeyDown(const QKeyEvent& key) {
    const int count = list_->count();
    const int selected = selectedRow();
    int row = -1;
    if (modifiersOf(key) == Qt::ControlModifier && key.key() == Qt::Key_Home)
        row = 0;
    else if (modifiersOf(key) == Qt::ControlModifier && key.key() == Qt::Key_End)
        row = count - 1;
    else if (modifiersOf(key) == Qt::NoModifier && key.key() == Qt::Key_Down)
        row = selected < 0 || selected >= count - 1 ? 0 : selected + 1;
    else if (modifiersOf(key) == Qt::NoModifier && key.key() == Qt::Key_Up)
        row = selected <= 0 ? count - 1 : selected - 1;
    else
        return false;
    if (count > 0)
        setFileEditText(list_->item(row)->text());
    return true;
}

void TViewForm::FileEditKeyPress() {
    // A name put into the box by the list or the keys is replaced by typing.
    const int row = selectedRow();
    if (row >= 0 && fileEdit_->cursorPosition() == 0 &&
        SameFileName(fileEdit_->text(), list_->item(row)->text()))
        fileEdit_->selectAll();
}

bool TViewForm::ListBoxKeyDown(const QKeyEvent& key) {
    const int count = list_->count();
    const int selected = selectedRow();
    if (count == 0 || modifiersOf(key) != Qt::NoModifier)
        return false;
    if (key.key() == Qt::Key_Up && selected == 0)
        list_->setCurrentRow(count - 1);
    else if (key.key() == Qt::Key_Down && selected == count - 1)
        list_->setCurrentRow(0);
    else
        return false;
    return true;
}

void TViewForm::OKBtnClick() {
    const int row = selectedRow();
    if (row >= 0)
        setFileEditText(list_->item(row)->text());
    else if (list_->count() == 1 && fileEdit_->text().isEmpty())
        setFileEditText(list_->item(0)->text());

    const QString text = fileEdit_->text();
    chosenSlot_ = ParkedSlotNamed(parkedNames_, text, style_);
    if (chosenSlot_ > 0) {
        accept();
        return;
    }
    prompts_.message(text.isEmpty()
                         ? QStringLiteral("No file was selected")
                         : QStringLiteral("File \"%1\" is not currently open or is the current file")
                               .arg(text),
                     MessageType::Information);
    fileEdit_->setFocus();
}

bool TViewForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (watched == fileEdit_) {
            if (FileEditKeyDown(key))
                return true;
            if (!key.text().isEmpty())
                FileEditKeyPress();
        } else if (watched == list_ && ListBoxKeyDown(key)) {
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tw
