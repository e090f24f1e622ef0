#include "dialogs/EnvironmentUnit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "dialogs/ColorGrid.h"
#include "util/NumericKeyFilter.h"
#include "util/TextHelpers.h"

namespace tw {

namespace {

QButtonGroup* radioGroup(QWidget* parent, QLayout* into, const char* name, const QString& caption,
                         const QStringList& items) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    group->setObjectName(QString::fromLatin1(name));
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items.at(i), box);
        radio->setObjectName(QStringLiteral("%1Item%2").arg(QString::fromLatin1(name)).arg(i));
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    into->addWidget(box);
    return group;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

void choose(QButtonGroup* group, int index) {
    if (QAbstractButton* button = group->button(index))
        button->setChecked(true);
}

int chosen(const QButtonGroup* group) { return qMax(0, group->checkedId()); }

QColor fromGrid(int index, const QColor& loaded) {
    return index == ColorGrid::kNone ? loaded : ColorGrid::paletteColour(index);
}

} // namespace

TEnvironmentForm::TEnvironmentForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TEnvironmentForm"));
    setWindowTitle(QStringLiteral("Environment"));
    buildControls();
}

void TEnvironmentForm::buildControls() {
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* middle = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right);

    colorRG_ = radioGroup(this, left, "ColorRG", QStringLiteral("&Color Scheme"),
                          {QStringLiteral("Windows Default"), QStringLiteral("Pascal"), QStringLiteral("Custom")});
    auto* colours = new QGroupBox(QStringLiteral("C&ustom Colors"), this);
    colours->setObjectName(QStringLiteral("GroupBox3"));
    grid_ = new ColorGrid(colours);
    (new QVBoxLayout(colours))->addWidget(grid_);
    left->addWidget(colours);
    keystrokeRG_ = radioGroup(this, left, "KeystrokeRG", QStringLiteral("&Keystroke Mapping"),
                              {QStringLiteral("Typical Windows"), QStringLiteral("Pascal")});

    startWithRG_ = radioGroup(this, middle, "StartWithRG", QStringLiteral("&Start Up With"),
                              {QStringLiteral("Last File(s) Open"), QStringLiteral("New File"),
                               QStringLiteral("No File Open")});
    backupExtRG_ = radioGroup(this, middle, "BackupExtRG", QStringLiteral("&Bakup File Name"),
                              {QStringLiteral("bak Extension"), QStringLiteral("Start with ~")});
    auto* autosave = new QGroupBox(QStringLiteral("&Autosave Files"), this);
    autosave->setObjectName(QStringLiteral("GroupBox4"));
    auto* autosaveLayout = new QGridLayout(autosave);
    autosaveCB_ = checkBox(autosave, "AutosaveCB", QStringLiteral("Autosave On"));
    intervalLab_ = new QLabel(QStringLiteral("Interval"), autosave);
    intervalLab_->setObjectName(QStringLiteral("IntervalLab"));
    intervalSE_ = new QSpinBox(autosave);
    intervalSE_->setObjectName(QStringLiteral("IntervalSE"));
    intervalSE_->setRange(1, 65);
    InstallNumericKeyFilter(intervalSE_);
    autosaveLayout->addWidget(autosaveCB_, 0, 0, 1, 2);
    autosaveLayout->addWidget(intervalLab_, 1, 0);
    autosaveLayout->addWidget(intervalSE_, 1, 1);
    middle->addWidget(autosave);

    auto* hints = new QGroupBox(QStringLiteral("Hints"), this);
    hints->setObjectName(QStringLiteral("GroupBox5"));
    auto* hintsLayout = new QGridLayout(hints);
    showHintsCB_ = checkBox(hints, "ShowHintsCB", QStringLiteral("&Show Hints"));
    hintElapseEdit_ = new QLineEdit(hints);
    hintElapseEdit_->setObjectName(QStringLiteral("HintElapseEdit"));
    hintDurationEdit_ = new QLineEdit(hints);
    hintDurationEdit_->setObjectName(QStringLiteral("HintDurationEdit"));
    auto* elapseLab = new QLabel(QStringLiteral("&Elapse time:"), hints);
    elapseLab->setObjectName(QStringLiteral("Label1"));
    elapseLab->setBuddy(hintElapseEdit_);
    auto* durationLab = new QLabel(QStringLiteral("&Duration:"), hints);
    durationLab->setObjectName(QStringLiteral("Label2"));
    durationLab->setBuddy(hintDurationEdit_);
    hintsLayout->addWidget(showHintsCB_, 0, 0, 1, 2);
    hintsLayout->addWidget(elapseLab, 1, 0);
    hintsLayout->addWidget(hintElapseEdit_, 1, 1);
    hintsLayout->addWidget(durationLab, 2, 0);
    hintsLayout->addWidget(hintDurationEdit_, 2, 1);
    right->addWidget(hints);

    auto* tabs = new QGroupBox(QStringLiteral("&Tabs"), this);
    tabs->setObjectName(QStringLiteral("TabsGB"));
    auto* tabsLayout = new QVBoxLayout(tabs);
    tabUseRG_ = radioGroup(tabs, tabsLayout, "TabUseRG", QStringLiteral("Use"),
                           {QStringLiteral("Tab Char"), QStringLiteral("Space Chars"), QStringLiteral("X Spaces")});
    auto* xRow = new QHBoxLayout;
    xSpacesLab_ = new QLabel(QStringLiteral("X = "), tabs);
    xSpacesLab_->setObjectName(QStringLiteral("XSpacesLab"));
    xSpacesSE_ = new QSpinBox(tabs);
    xSpacesSE_->setObjectName(QStringLiteral("XSpacesSE"));
    xSpacesSE_->setRange(1, 8);
    InstallNumericKeyFilter(xSpacesSE_);
    xRow->addWidget(xSpacesLab_);
    xRow->addWidget(xSpacesSE_);
    tabsLayout->addLayout(xRow);
    right->addWidget(tabs);

    auto* misc = new QGroupBox(QStringLiteral("Misc Options"), this);
    misc->setObjectName(QStringLiteral("GroupBox1"));
    auto* miscLayout = new QVBoxLayout(misc);
    persistentGroupsCB_ = checkBox(misc, "PersistentGroupsCB", QStringLiteral("Persistent &Groups"));
    confirmPromptCB_ = checkBox(misc, "ConfirmPromptCB", QStringLiteral("Confirm &Prompts"));
    autoIndentCB_ = checkBox(misc, "AutoIndentCB", QStringLiteral("Auto &Indent"));
    miscLayout->addWidget(persistentGroupsCB_);
    miscLayout->addWidget(confirmPromptCB_);
    miscLayout->addWidget(autoIndentCB_);
    right->addWidget(misc);

    auto* buttons = new QHBoxLayout;
    auto makeButton = [this, buttons](const char* name, const QString& caption) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(button);
        return button;
    };
    buttons->addStretch(1);
    QPushButton* ok = makeButton("OKBtn", QStringLiteral("OK"));
    ok->setDefault(true);
    QPushButton* cancel = makeButton("CancelBtn", QStringLiteral("Cancel"));
    QPushButton* help = makeButton("HelpBtn", QStringLiteral("Help"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(kHelpTopic); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    connect(grid_, &ColorGrid::changed, this, [this] { choose(colorRG_, 2); });
    connect(autosaveCB_, &QCheckBox::toggled, this, &TEnvironmentForm::enableDependents);
    connect(tabUseRG_, &QButtonGroup::idToggled, this, &TEnvironmentForm::enableDependents);
}

void TEnvironmentForm::enableDependents() {
    intervalSE_->setEnabled(autosaveCB_->isChecked());
    intervalLab_->setEnabled(autosaveCB_->isChecked());
    const bool xSpaces = tabUseRG_->checkedId() == 2;
    xSpacesSE_->setEnabled(xSpaces);
    xSpacesLab_->setEnabled(xSpaces);
}

void TEnvironmentForm::load(const EnvironmentValues& v) {
    loaded_ = v;
    grid_->setForegroundIndex(ColorGrid::indexOf(v.customText));
    grid_->setBackgroundIndex(ColorGrid::indexOf(v.customBackground));
    choose(colorRG_, v.colourScheme);
    choose(keystrokeRG_, v.keystrokeMapping);
    choose(startWithRG_, v.startupMode);
    choose(backupExtRG_, v.backupStyle == 0 ? 0 : 1);
    autosaveCB_->setChecked(v.autosaveOn);
    intervalSE_->setValue(v.autosaveMinutes);
    persistentGroupsCB_->setChecked(v.persistentGroups);
    confirmPromptCB_->setChecked(v.confirmPrompts);
    autoIndentCB_->setChecked(v.autoIndent);
    choose(tabUseRG_, v.tabUse);
    xSpacesSE_->setValue(v.tabSpaces);
    showHintsCB_->setChecked(v.showHints);
    hintElapseEdit_->setText(QString::number(v.hintPause));
    hintDurationEdit_->setText(QString::number(v.hintHidePause));
    enableDependents();
}

EnvironmentValues TEnvironmentForm::values() const {
    EnvironmentValues v;
    v.keystrokeMapping = chosen(keystrokeRG_) == 0 ? 0 : 1;
    v.customBackground = fromGrid(grid_->backgroundIndex(), loaded_.customBackground);
    v.customText = fromGrid(grid_->foregroundIndex(), loaded_.customText);
    v.colourScheme = chosen(colorRG_);
    v.autosaveMinutes = intervalSE_->value();
    v.autosaveOn = autosaveCB_->isChecked();
    v.startupMode = chosen(startWithRG_);
    v.backupStyle = chosen(backupExtRG_) == 0 ? 0 : 1;
    v.persistentGroups = persistentGroupsCB_->isChecked();
    v.confirmPrompts = confirmPromptCB_->isChecked();
    v.autoIndent = autoIndentCB_->isChecked();
    v.tabUse = chosen(tabUseRG_);
    v.tabSpaces = xSpacesSE_->value();
    v.showHints = showHintsCB_->isChecked();
    // Not plain digits: 0. Too many digits saturate, never wrap.
    v.hintPause = DigitsToNumber(hintElapseEdit_->text());
    v.hintHidePause = DigitsToNumber(hintDurationEdit_->text());
    return v;
}

bool TEnvironmentForm::edit(EnvironmentValues& values) {
    load(values);
    if (exec() != QDialog::Accepted)
        return false;
    values = this->values();
    return true;
}

void TEnvironmentForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        emit helpRequested(kHelpTopic);
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace tw
