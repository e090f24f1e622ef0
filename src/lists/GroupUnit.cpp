#include "lists/GroupUnit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "lists/FileListBox.h"
#include "lists/FileLists.h"
#include "lists/ListEditing.h"
#include "lists/OrderUnit.h"
#include "util/NumericKeyFilter.h"
#include "util/Prompts.h"

namespace tw {

namespace {

constexpr int kGroupsHelpTopic = 3;

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

RecordEditorRules groupRules() {
    RecordEditorRules rules;
    rules.maximum = kMaxGroups;
    rules.deleteQuestion = QStringLiteral("Sure you with to DELETE this group?");
    rules.maximumCountsNewRecord = true;
    rules.newGoesOnWhenRefused = true;
    rules.scrollBarAsks = false;
    rules.numberEditAsks = false;
    rules.enterActsAsLeave = true;
    rules.leaveCheckConfirmsDelete = true;
    return rules;
}

} // namespace

TGroupForm::TGroupForm(FileLists& lists, Prompts& prompts, TOrderForm& order,
                       std::function<bool(const QString&)> isSettingsFile,
                       std::function<bool()> confirmPrompts, QWidget* parent)
    : QDialog(parent), lists_(lists), prompts_(prompts), orderForm_(order),
      isSettingsFile_(std::move(isSettingsFile)) {
    setObjectName(QStringLiteral("TGroupForm"));
    setWindowTitle(QStringLiteral("Group"));
    editor_ = std::make_unique<RecordEditor>(static_cast<RecordFields&>(*this), prompts, groupRules(), std::move(confirmPrompts));
    buildControls();
}

TGroupForm::~TGroupForm() = default;

void TGroupForm::buildControls() {
    auto* nameBox = new QGroupBox(QStringLiteral("&Group Name"), this);
    nameBox->setObjectName(QStringLiteral("GroupBox1"));
    nameEdit_ = new QLineEdit(nameBox);
    nameEdit_->setObjectName(QStringLiteral("NameEdit"));
    menuItemOrderBtn_ = button(nameBox, "MenuItemOrderBtn", QStringLiteral("Menu &Item Order"));
    auto* nameRow = new QHBoxLayout(nameBox);
    nameRow->addWidget(nameEdit_, 1);
    nameRow->addWidget(menuItemOrderBtn_);

    auto* numberBox = new QGroupBox(QStringLiteral("&Record Number"), this);
    numberBox->setObjectName(QStringLiteral("GroupBox2"));
    numberEdit_ = new QLineEdit(numberBox);
    numberEdit_->setObjectName(QStringLiteral("GroupNumEdit"));
    numberEdit_->setMaximumWidth(60);
    InstallNumericKeyFilter(numberEdit_);
    scrollBar_ = new QScrollBar(Qt::Horizontal, numberBox);
    scrollBar_->setObjectName(QStringLiteral("ScrollBar1"));
    scrollBar_->setMinimum(1);
    nextBtn_ = button(numberBox, "NextBtn", QStringLiteral("Ne&xt"));
    preBtn_ = button(numberBox, "PreBtn", QStringLiteral("Pre&vious"));
    auto* numberRow = new QHBoxLayout(numberBox);
    numberRow->addWidget(numberEdit_);
    numberRow->addWidget(scrollBar_, 1);
    numberRow->addWidget(preBtn_);
    numberRow->addWidget(nextBtn_);

    filesBox_ = new QGroupBox(this);
    filesBox_->setObjectName(QStringLiteral("NumInGroupGB"));
    box_ = new FileListBox(filesBox_);
    auto* add = button(filesBox_, "AddBtn", QStringLiteral("&Add..."));
    removeBtn_ = button(filesBox_, "RemoveBtn", QStringLiteral("Re&move"));
    orderBtn_ = button(filesBox_, "OrderBtn", QStringLiteral("&Order..."));
    mainFileCB_ = new QCheckBox(QStringLiteral("M&ain File"), filesBox_);
    mainFileCB_->setObjectName(QStringLiteral("MainFileCB"));
    auto* fileButtons = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{add, removeBtn_, orderBtn_, mainFileCB_})
        fileButtons->addWidget(w);
    fileButtons->addStretch();
    auto* filesRow = new QHBoxLayout(filesBox_);
    filesRow->addWidget(box_, 1);
    filesRow->addLayout(fileButtons);

    deleteBtn_ = button(this, "DeleteBtn", QStringLiteral("&Delete"));
    reloadBtn_ = button(this, "ReloadBtn", QStringLiteral("R&eload"));
    saveBtn_ = button(this, "SaveBtn", QStringLiteral("&Save"));
    auto* clear = button(this, "ClearBtn", QStringLiteral("C&lear"));
    newBtn_ = button(this, "NewBtn", QStringLiteral("&New"));
    auto* help = button(this, "HelpBtn", QStringLiteral("Help"));
    auto* close = button(this, "CloseBtn", QStringLiteral("Close"));
    auto* commands = new QHBoxLayout;
    for (QPushButton* b : {deleteBtn_, reloadBtn_, saveBtn_, clear, newBtn_, help, close})
        commands->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nameBox);
    layout->addWidget(numberBox);
    layout->addWidget(filesBox_, 1);
    layout->addLayout(commands);
    resize(620, 440);

    RecordEditor& e = *editor_;
    connect(nameEdit_, &QLineEdit::textEdited, this, [&e] { e.fieldEdited(); });
    connect(nextBtn_, &QPushButton::clicked, this, [&e] { e.next(); });
    connect(preBtn_, &QPushButton::clicked, this, [&e] { e.previous(); });
    connect(scrollBar_, &QScrollBar::actionTriggered, this, [this](int) {
        // The position the action leads to, taken once the bar has moved.
        QMetaObject::invokeMethod(this, [this] { editor_->scrollTo(scrollBar_->value()); },
                                  Qt::QueuedConnection);
    });
    connect(numberEdit_, &QLineEdit::returnPressed, this,
            [this] { editor_->numberEntered(numberEdit_->text()); });
    connect(numberEdit_, &QLineEdit::editingFinished, this, [this] {
        if (!numberEdit_->hasFocus())
            editor_->numberLeft(numberEdit_->text());
    });
    connect(newBtn_, &QPushButton::clicked, this, [this, &e] {
        e.newRecord();
        nameEdit_->setFocus();
    });
    connect(saveBtn_, &QPushButton::clicked, this, [&e] { e.save(); });
    connect(deleteBtn_, &QPushButton::clicked, this, [&e] { e.deleteRecord(); });
    connect(reloadBtn_, &QPushButton::clicked, this, [&e] { e.reload(); });
    connect(clear, &QPushButton::clicked, this, [&e] { e.clear(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(kGroupsHelpTopic); });
    connect(add, &QPushButton::clicked, this, &TGroupForm::AddBtnClick);
    connect(removeBtn_, &QPushButton::clicked, this, &TGroupForm::RemoveBtnClick);
    connect(orderBtn_, &QPushButton::clicked, this, &TGroupForm::OrderBtnClick);
    connect(menuItemOrderBtn_, &QPushButton::clicked, this, &TGroupForm::MenuItemOrderBtnClick);
    connect(mainFileCB_, &QCheckBox::clicked, this, &TGroupForm::MainFileCBClick);
    connect(box_, &QListWidget::itemSelectionChanged, this, [this] {
        // The box shows whether the focused file is the main file.
        const int focused = box_->currentRow();
        mainFileCB_->setChecked(focused >= 0 && focused == files_.mainFile());
        refreshListButtons();
    });
    connect(box_, &FileListBox::deletePressed, this, [this] {
        if (removeBtn_->isEnabled())
            RemoveBtnClick();
    });
}

void TGroupForm::edit(const QString& filter, const QString& shownFile) {
    load(filter, shownFile);
    exec();
}

void TGroupForm::load(const QString& filter, const QString& shownFile) {
    filter_ = filter;
    shownFile_ = shownFile;
    shown_ = true;
    editor_->start(lists_.groups().openGroup());
    nameEdit_->setFocus();
}

void TGroupForm::unload() {
    if (!shown_)
        return;
    shown_ = false;
    editor_->hide();
}

void TGroupForm::done(int result) {
    unload();
    QDialog::done(result);
}

void TGroupForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        emit helpRequested(kGroupsHelpTopic);
        return;
    }
    QDialog::keyPressEvent(event);   // Esc: reject, which is Close
}

int TGroupForm::savedCount() const { return lists_.groups().count(); }

void TGroupForm::loadRecord(int number) {
    nameEdit_->setText(lists_.groups().name(number));
    files_ = lists_.groups().files(number);
    mainFileCB_->setChecked(false);
    showFiles();
}

void TGroupForm::clearFields() {
    nameEdit_->clear();
    files_ = GroupFiles();
    mainFileCB_->setChecked(false);
    showFiles();
}

bool TGroupForm::enoughData() const { return !nameEdit_->text().isEmpty() && files_.count() >= 1; }

bool TGroupForm::saveRecord(int number) {
    return lists_.SaveGroup(number, nameEdit_->text(), files_) != 0;
}

void TGroupForm::deleteRecord(int number) { lists_.DeleteGroup(number); }

void TGroupForm::stateChanged() {
    const RecordEditor& e = *editor_;
    numberEdit_->setText(QString::number(e.current()));
    {
        const QSignalBlocker block(scrollBar_);
        scrollBar_->setRange(1, e.scrollMaximum());
        scrollBar_->setValue(e.current());
    }
    const RecordButtons b = e.buttons();
    nextBtn_->setEnabled(b.next);
    preBtn_->setEnabled(b.previous);
    deleteBtn_->setEnabled(b.del);
    reloadBtn_->setEnabled(b.reload);
    saveBtn_->setEnabled(b.save);
    newBtn_->setEnabled(b.newRecord);
    menuItemOrderBtn_->setEnabled(lists_.groups().count() >= 2);
    refreshListButtons();
}

void TGroupForm::showFiles() {
    box_->setNames(files_.names());
    filesBox_->setTitle(QStringLiteral("(%1) &Files in Current Group").arg(files_.count()));
    refreshListButtons();
}

void TGroupForm::filesEdited() {
    showFiles();
    editor_->fieldEdited();
}

void TGroupForm::refreshListButtons() {
    const int selected = int(box_->selectedRows().size());
    removeBtn_->setEnabled(selected >= 1);
    mainFileCB_->setEnabled(selected == 1);
    orderBtn_->setEnabled(files_.count() >= 2);
}

void TGroupForm::AddBtnClick() {
    const QStringList chosen = chooseFilesToAdd(prompts_, QStringLiteral("Add"), filter_,
                                                files_.names(), dialogFolder_, shownFile_);
    if (chosen.isEmpty())
        return;
    AddRules rules;
    rules.isSettingsFile = isSettingsFile_;
    rules.duplicateQuestion =
        QStringLiteral("File \"%1\" is already in group.  Do you wish to add it again?");
    rules.fullMessage = QStringLiteral("A group holds at most 255 files: \"%1\" and the files "
                                       "chosen after it were not added.");
    if (addChosenFiles(files_, chosen, prompts_, rules))
        filesEdited();
}

void TGroupForm::RemoveBtnClick() {
    files_.removeAll(box_->selectedRows());
    filesEdited();
}

void TGroupForm::OrderBtnClick() {
    const std::optional<RearrangedItems> result =
        orderForm_.rearrange(files_.names(), files_.mainFile());
    if (!result)
        return;
    files_.reorder(result->names, result->trackedIndex);
    filesEdited();
}

void TGroupForm::MenuItemOrderBtnClick() {
    const std::optional<RearrangedItems> result = orderForm_.rearrange(lists_.groups().names());
    if (!result)
        return;
    lists_.ReorderGroups(result->names, [this](int a, int b) {
        if (!editor_->onSavedRecord())
            return;
        if (editor_->current() == a)
            editor_->follow(b);
        else if (editor_->current() == b)
            editor_->follow(a);
    });
    stateChanged();
}

void TGroupForm::MainFileCBClick(bool checked) {
    const int focused = box_->currentRow();
    if (focused < 0)
        return;
    if (checked)
        files_.setMainFile(focused);
    else if (focused == files_.mainFile())
        files_.setMainFile(-1);
    editor_->fieldEdited();
}

} // namespace tw
