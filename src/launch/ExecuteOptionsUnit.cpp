#include "launch/ExecuteOptionsUnit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "lists/RecordEditorControls.h"
#include "util/HotKeyEdit.h"
#include "util/Prompts.h"
#include "util/ShortcutCodes.h"
#include "util/TextHelpers.h"

namespace tw {

TExeOptForm::TExeOptForm(LaunchTables& tables, Prompts& prompts, Hooks hooks, QWidget* parent)
    : QDialog(parent), tables_(tables), prompts_(prompts), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("TExeOptForm"));
    setWindowTitle(QStringLiteral("Execute Options"));
    buildControls();
    RecordEditorRules rules;
    rules.maximum = kMaxExecRecords;
    rules.deleteQuestion = QStringLiteral("Sure you with to DELETE this record?");
    editor_ = std::make_unique<RecordEditor>(static_cast<RecordFields&>(*this), prompts_, rules, hooks_.confirmPrompts);
    controls_->attach(editor_.get());
}

TExeOptForm::~TExeOptForm() = default;

void TExeOptForm::buildControls() {
    controls_ = new RecordEditorControls(this, {});
    auto* ext = new QGroupBox(QStringLiteral("Extensions"), this);
    ext->setObjectName(QStringLiteral("ExtGB"));
    source_ = new QLineEdit(ext);
    source_->setObjectName(QStringLiteral("SourceEdit"));
    exe_ = new QLineEdit(ext);
    exe_->setObjectName(QStringLiteral("ExeEdit"));
    auto* extLayout = new QGridLayout(ext);
    auto* sourceLab = new QLabel(QStringLiteral("So&urce"), ext);
    sourceLab->setBuddy(source_);
    auto* exeLab = new QLabel(QStringLiteral("Execu&table"), ext);
    exeLab->setBuddy(exe_);
    extLayout->addWidget(sourceLab, 0, 0);
    extLayout->addWidget(source_, 0, 1);
    extLayout->addWidget(exeLab, 1, 0);
    extLayout->addWidget(exe_, 1, 1);

    auto* onExec = new QGroupBox(QStringLiteral("On Execute"), this);
    onExec->setObjectName(QStringLiteral("OnExecGB"));
    params_ = new QCheckBox(QStringLiteral("Prompt for &Parameters"), onExec);
    params_->setObjectName(QStringLiteral("ParamsPromptCB"));
    cd_ = new QCheckBox(QStringLiteral("Change D&irectory"), onExec);
    cd_->setObjectName(QStringLiteral("cdCB"));
    auto* rg = new QGroupBox(QStringLiteral("Save or Backup"), onExec);
    rg->setObjectName(QStringLiteral("SaveOrBackupRG"));
    action_ = new QButtonGroup(this);
    auto* rgLayout = new QVBoxLayout(rg);
    const QStringList captions = SaveOrBackupCaptions();
    for (int i = 0; i < captions.size(); ++i) {
        auto* radio = new QRadioButton(captions.at(i), rg);
        action_->addButton(radio, i);
        rgLayout->addWidget(radio);
    }
    auto* onLayout = new QVBoxLayout(onExec);
    onLayout->addWidget(params_);
    onLayout->addWidget(cd_);
    onLayout->addWidget(rg);

    auto* keyBox = new QGroupBox(QStringLiteral("Hot &Key"), this);
    keyBox->setObjectName(QStringLiteral("GroupBox1"));
    hotKey_ = new HotKeyEdit(keyBox);
    hotKey_->setObjectName(QStringLiteral("HotKey"));
    (new QVBoxLayout(keyBox))->addWidget(hotKey_);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {controls_->deleteBtn, controls_->clearBtn, controls_->newBtn,
                           controls_->reloadBtn, controls_->saveBtn, controls_->helpBtn,
                           controls_->closeBtn})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QGridLayout(this);
    layout->addWidget(controls_->numberBox, 0, 0);
    layout->addWidget(ext, 1, 0);
    layout->addWidget(onExec, 2, 0);
    layout->addWidget(keyBox, 3, 0);
    layout->addLayout(buttons, 0, 1, 4, 1);

    auto edited = [this] { editor_->fieldEdited(); };
    connect(source_, &QLineEdit::textEdited, this, edited);
    connect(exe_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.contains(u';')) {
            // One executable extension only: the ";" never gets in.
            QString kept = text;
            exe_->setText(kept.remove(u';'));
            prompts_.message(QStringLiteral("Only one extensions (which should be either exe, "
                                            "com, or bat) may be specified here"),
                             MessageType::Warning);
        }
        editor_->fieldEdited();
    });
    connect(params_, &QCheckBox::clicked, this, edited);
    connect(cd_, &QCheckBox::clicked, this, edited);
    connect(action_, &QButtonGroup::idClicked, this, edited);
    connect(controls_->helpBtn, &QPushButton::clicked, this, [this] {
        if (hooks_.help)
            hooks_.help(4);
    });
    connect(controls_->reloadBtn, &QPushButton::clicked, this,
            [this] { hotKey_->setHotKey(shortcutFromCode(tables_.executeShortcut)); });
}

void TExeOptForm::FormShow(const QString& extension) {
    shown_ = true;
    hotKey_->setHotKey(shortcutFromCode(tables_.executeShortcut));
    editor_->start(FindExecRecord(tables_.exec, extension) + 1);
    source_->setFocus();
}

void TExeOptForm::showFor(const QString& extension) {
    FormShow(extension);
    exec();
}

void TExeOptForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!shown_)
        return;
    shown_ = false;
    editor_->hide();
    // A code the key table cannot show is kept while the key is untouched.
    if (hotKey_->hotKey() != shortcutFromCode(tables_.executeShortcut))
        tables_.executeShortcut = codeFromShortcut(hotKey_->hotKey());
    if (hooks_.applyShortcut)
        hooks_.applyShortcut(tables_.executeShortcut);
}

void TExeOptForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        controls_->helpBtn->click();
        return;
    }
    QDialog::keyPressEvent(event);   // Esc rejects: Close
}

int TExeOptForm::savedCount() const { return int(tables_.exec.size()); }

void TExeOptForm::loadRecord(int number) {
    const StoredExecRecord& r = tables_.exec.at(number - 1);
    source_->setText(StoredText(r.sourceExtensions));
    exe_->setText(StoredText(r.executableExtension));
    params_->setChecked(flagOn(r.promptForParameters));
    cd_->setChecked(flagOn(r.changeDirectory));
    if (QAbstractButton* b = action_->button(r.action >= 0 && r.action <= 4 ? r.action : 4))
        b->setChecked(true);
}

void TExeOptForm::clearFields() {
    source_->clear();
    exe_->clear();
    params_->setChecked(false);
    cd_->setChecked(false);
    action_->button(kNoSaveOrBackup)->setChecked(true);
}

// Programs here rarely have extensions: an empty executable extension runs the
// file without its own, so the source extensions alone make a record.
bool TExeOptForm::enoughData() const { return !source_->text().isEmpty(); }

int TExeOptForm::action() const { return std::max(action_->checkedId(), 0); }

bool TExeOptForm::saveRecord(int number) {
    const QString sources = source_->text();
    for (int n = 0; n < kMaxExecRecords; ++n) {
        const QString field = NthField(sources, u';', n);
        if (field.isEmpty())
            break;
        const int found = FindExecRecord(tables_.exec, field);
        if (found >= 0 && found + 1 != number) {
            const QString question = QStringLiteral("Extension \"%1\" is already in record #%2. "
                                                    "Do you still wish to save this record?")
                                         .arg(field)
                                         .arg(found + 1);
            if (prompts_.ask(question, MessageType::Warning, Buttons::YesNo) != Answer::Yes)
                return false;
            break;
        }
    }
    StoredExecRecord record;
    record.sourceExtensions = StoredBytes(sources);
    record.executableExtension = StoredBytes(exe_->text());
    record.promptForParameters = flagValue(params_->isChecked());
    record.changeDirectory = flagValue(cd_->isChecked());
    record.action = action();
    if (number > tables_.exec.size())
        tables_.exec.append(record);
    else
        tables_.exec[number - 1] = record;
    return true;
}

void TExeOptForm::deleteRecord(int number) { tables_.exec.removeAt(number - 1); }

void TExeOptForm::stateChanged() { controls_->show(); }

} // namespace tw
