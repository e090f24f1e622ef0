#include "launch/RunUnit.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "launch/MenuCaptions.h"
#include "lists/ExchangeInPlace.h"
#include "lists/OrderUnit.h"
#include "lists/RecordEditorControls.h"
#include "util/FileNames.h"
#include "util/HotKeyEdit.h"
#include "util/Prompts.h"
#include "util/ShortcutCodes.h"

namespace tw {

namespace {

const QString kBrowseFilter = QStringLiteral(
    "Executable Files (exe; com; bat)|*.exe; *.com; *.bat|Short Cuts (lnk)|*.lnk|All Files|*.*");

QGroupBox* box(QWidget* parent, const char* name, const QString& caption, QWidget* a,
               QWidget* b = nullptr) {
    auto* g = new QGroupBox(caption, parent);
    g->setObjectName(QString::fromLatin1(name));
    auto* row = new QHBoxLayout(g);
    a->setParent(g);
    row->addWidget(a, 1);
    if (b) {
        b->setParent(g);
        row->addWidget(b);
    }
    return g;
}

template <typename W>
W* named(const char* name) {
    auto* w = new W;
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

} // namespace

TRunForm::TRunForm(LaunchTables& tables, Prompts& prompts, Hooks hooks, QWidget* parent)
    : QDialog(parent), tables_(tables), prompts_(prompts), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("TRunForm"));
    setWindowTitle(QStringLiteral("Run Program"));
    buildControls();
    RecordEditorRules rules;
    rules.maximum = kMaxRunRecords;
    rules.deleteQuestion = QStringLiteral("Are you sure you want to Delete this Record?");
    rules.newDisabledOnNewRecord = true;
    rules.newGoesOnWhenRefused = true;
    rules.numberEditAsks = false;
    rules.enterActsAsLeave = true;
    rules.invalidNumberChecksFirst = true;
    editor_ = std::make_unique<RecordEditor>(static_cast<RecordFields&>(*this), prompts_, rules, hooks_.confirmPrompts);
    controls_->attach(editor_.get());
}

TRunForm::~TRunForm() = default;

void TRunForm::buildControls() {
    RecordControlNames names;
    names.numberBox = "GroupBox3";
    names.scrollBar = "ScrollBar1";
    names.clearCaption = QStringLiteral("&Clear");
    controls_ = new RecordEditorControls(this, names);

    program_ = named<QLineEdit>("ProgEdit");
    auto* browse = MakeButton(this, "BrowseBtn", QStringLiteral("Bro&wse"));
    name_ = named<QLineEdit>("ProgNameEdit");
    order_ = MakeButton(this, "MenuItemOrderBtn", QStringLiteral("Menu &Item Order"));
    params_ = named<QLineEdit>("ParamsEdit");
    batch_ = named<QPlainTextEdit>("BatFileMemo");
    batch_->setLineWrapMode(QPlainTextEdit::NoWrap);
    batch_->setFont(QFont(QStringLiteral("Courier New")));
    batch_->setTabChangesFocus(true);
    hotKey_ = named<HotKeyEdit>("HotKey1");

    auto* rg = new QGroupBox(QStringLiteral("Save or Bac&kup"), this);
    rg->setObjectName(QStringLiteral("SaveOrBackupRG"));
    action_ = new QButtonGroup(this);
    auto* rgLayout = new QVBoxLayout(rg);
    const QStringList captions = SaveOrBackupCaptions();
    for (int i = 0; i < captions.size(); ++i) {
        auto* radio = new QRadioButton(captions.at(i), rg);
        action_->addButton(radio, i);
        rgLayout->addWidget(radio);
    }

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {controls_->deleteBtn, controls_->reloadBtn, controls_->saveBtn,
                           controls_->clearBtn, controls_->newBtn, controls_->helpBtn,
                           controls_->closeBtn})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QGridLayout(this);
    layout->addWidget(box(this, "GroupBox1", QStringLiteral("&Program"), program_, browse), 0, 0);
    layout->addWidget(box(this, "GroupBox5", QStringLiteral("&Menu Name"), name_, order_), 1, 0);
    layout->addWidget(box(this, "GroupBox2", QStringLiteral("Parame&ters (%cmd%)"), params_), 2, 0);
    layout->addWidget(box(this, "GroupBox7", QStringLiteral("&Batch File"), batch_), 3, 0);
    layout->addWidget(rg, 4, 0);
    layout->addWidget(box(this, "GroupBox6", QStringLiteral("&Hot Key"), hotKey_), 5, 0);
    layout->addWidget(controls_->numberBox, 6, 0);
    layout->addLayout(buttons, 0, 1, 7, 1);
    resize(480, 560);

    auto edited = [this] { editor_->fieldEdited(); };
    connect(program_, &QLineEdit::textEdited, this, [this](const QString& text) {
        name_->setText(FileNamePart(ChangeFileExtension(text, QString())));
        editor_->fieldEdited();
    });
    connect(name_, &QLineEdit::textEdited, this, edited);
    connect(params_, &QLineEdit::textEdited, this, edited);
    connect(batch_, &QPlainTextEdit::textChanged, this, [this] {
        if (!editor_->filling())
            editor_->fieldEdited();
    });
    connect(action_, &QButtonGroup::idClicked, this, edited);
    connect(hotKey_, &HotKeyEdit::hotKeyEdited, this, [this] {
        if (editor_->onSavedRecord())
            editor_->fieldEdited();
    });
    connect(browse, &QPushButton::clicked, this, &TRunForm::BrowseBtnClick);
    connect(order_, &QPushButton::clicked, this, &TRunForm::MenuItemOrderBtnClick);
    connect(controls_->helpBtn, &QPushButton::clicked, this, [this] {
        if (hooks_.help)
            hooks_.help(2);
    });
}

void TRunForm::FormShow() {
    shown_ = true;
    editor_->start(0);
    program_->setFocus();
}

void TRunForm::showModally() {
    FormShow();
    exec();
}

void TRunForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (shown_) {
        shown_ = false;
        editor_->hide();
    }
}

void TRunForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        controls_->helpBtn->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TRunForm::BrowseBtnClick() {
    FileDialogRequest request;
    request.title = QStringLiteral("Browse");
    request.filter = kBrowseFilter;
    request.filterIndex = 3;   // programs on this system rarely have extensions
    const QString folder = DirectoryPart(program_->text());
    request.initialDir = !folder.isEmpty() ? folder
                                           : (hooks_.browseFolder ? hooks_.browseFolder() : QString());
    request.hideReadOnly = true;
    const std::optional<FileDialogResult> chosen = prompts_.openFile(request);
    if (!chosen)
        return;
    program_->setText(chosen->fileName);
    name_->setText(FileNamePart(ChangeFileExtension(chosen->fileName, QString())));
    editor_->fieldEdited();
}

void TRunForm::MenuItemOrderBtnClick() {
    if (!hooks_.orderForm || tables_.run.size() < 2)
        return;
    QStringList names;
    for (const StoredRunRecord& r : tables_.run)
        names << RunRecordName(r);
    if (const std::optional<RearrangedItems> order = hooks_.orderForm().rearrange(names, -1))
        applyOrder(order->names);
}

void TRunForm::applyOrder(const QStringList& names) {
    int shown = editor_->onSavedRecord() ? editor_->current() - 1 : -1;
    ExchangeInPlace(
        int(tables_.run.size()), names, [this](int i) { return RunRecordName(tables_.run.at(i)); },
        [this, &shown](int a, int b) {
            tables_.run.swapItemsAt(a, b);
            if (shown == a)
                shown = b;
            else if (shown == b)
                shown = a;
        });
    for (int i = 0; i < tables_.run.size(); ++i)
        NumberRunCaption(tables_.run[i], i + 1);
    changed();
    if (shown >= 0)
        editor_->follow(shown + 1);
}

void TRunForm::changed() {
    if (hooks_.runMenuChanged)
        hooks_.runMenuChanged();
}

int TRunForm::savedCount() const { return int(tables_.run.size()); }

void TRunForm::loadRecord(int number) {
    const StoredRunRecord& r = tables_.run.at(number - 1);
    program_->setText(StoredText(r.program));
    params_->setText(StoredText(r.parameters));
    name_->setText(RunRecordName(r));
    QStringList lines;
    for (const QByteArray& line : r.batchLines)
        lines << StoredText(line);
    batch_->setPlainText(lines.join(u'\n'));
    if (QAbstractButton* b = action_->button(r.action >= 0 && r.action <= 4 ? r.action : 4))
        b->setChecked(true);
    loadedShortcut_ = r.shortcut;
    hotKey_->setHotKey(shortcutFromCode(r.shortcut));
}

void TRunForm::clearFields() {
    action_->button(kNoSaveOrBackup)->setChecked(true);
    batch_->clear();
    program_->clear();
    params_->clear();
    name_->clear();
    loadedShortcut_ = 0;
    hotKey_->setHotKey({});
}

bool TRunForm::enoughData() const { return !program_->text().isEmpty() && !name_->text().isEmpty(); }

bool TRunForm::saveRecord(int number) {
    StoredRunRecord record;
    record.program = StoredBytes(program_->text());
    record.parameters = StoredBytes(params_->text());
    record.action = std::max(action_->checkedId(), 0);
    record.caption = StoredBytes(NumberedCaption(name_->text(), number));
    // A stored code the key table cannot show is kept while the key is untouched.
    const bool sameKey = hotKey_->hotKey() == shortcutFromCode(loadedShortcut_);
    record.shortcut = sameKey ? loadedShortcut_ : codeFromShortcut(hotKey_->hotKey());
    const QString text = batch_->toPlainText();
    if (!text.isEmpty()) {
        QStringList lines = text.split(u'\n');
        if (lines.size() > 1 && lines.last().isEmpty())
            lines.removeLast();   // a final line end starts no line
        for (const QString& line : lines)
            record.batchLines << StoredBytes(line);
    }
    if (number > tables_.run.size())
        tables_.run.append(record);
    else
        tables_.run[number - 1] = record;
    loadedShortcut_ = record.shortcut;
    changed();
    return true;
}

void TRunForm::deleteRecord(int number) {
    tables_.run.removeAt(number - 1);
    for (int i = number - 1; i < tables_.run.size(); ++i)
        NumberRunCaption(tables_.run[i], i + 1);
    changed();
}

void TRunForm::stateChanged() {
    controls_->show();
    order_->setEnabled(tables_.run.size() > 1);
}

} // namespace tw
