// TMainForm's Options > Environment, Help > About and the program's hints.
#include "app/MainForm.h"

#include <QTimer>

#include "app/AboutUnit.h"
#include "app/HelpViewer.h"
#include "app/LaunchArea.h"
#include "dialogs/EnvironmentUnit.h"
#include "launch/LaunchHelpers.h"
#include "platform/ProgramDirectory.h"
#include "util/ToolTipPolicy.h"

namespace tw {

void TMainForm::connectOptionCommands() {
    auto bind = [this](const char* item, auto handler) {
        commands_.bind(item, nullptr, nullptr, this, handler);
    };
    bind("OptionsEnvironmentMnu", [this] { OptionsEnvironmentMnuClick(); });
    bind("HelpAboutMnu", [this] { AboutForm().run(); });
}

void TMainForm::applyHints() {
    hints_->apply(options_.showHints, options_.hintPause, options_.hintHidePause);
}

EnvironmentValues TMainForm::environmentValues() const {
    EnvironmentValues v;
    v.colourScheme = options_.ColourScheme;
    // Before any custom colour is stored both are black (0 in the file).
    v.customText = options_.customText.isValid() ? options_.customText : QColor(Qt::black);
    v.customBackground =
        options_.customBackground.isValid() ? options_.customBackground : QColor(Qt::black);
    v.keystrokeMapping = options_.KeystrokeMapping;
    v.startupMode = options_.StartupMode;
    v.backupStyle = options_.BackupStyle;
    v.autosaveOn = timer_->isActive();
    // While the timer polls for the window to become active it keeps the
    // configured interval aside.
    const int interval = timerTag_ > 0 && timer_->interval() == 1000 ? timerTag_ : timer_->interval();
    v.autosaveMinutes = interval / 60000;
    v.showHints = options_.showHints;
    v.hintPause = options_.hintPause;
    v.hintHidePause = options_.hintHidePause;
    v.tabUse = options_.TabUse;
    v.tabSpaces = options_.TabSpaces;
    v.persistentGroups = options_.PersistentGroups;
    v.confirmPrompts = options_.ConfirmPrompts;
    v.autoIndent = options_.AutoIndent;
    return v;
}

void TMainForm::applyEnvironment(const EnvironmentValues& v) {
    ApplyKeystrokeMapping(v.keystrokeMapping);
    options_.customBackground = v.customBackground;
    options_.customText = v.customText;
    ApplyColourScheme(v.colourScheme);
    timerTag_ = 0;
    timer_->setInterval(v.autosaveMinutes * 60000);
    if (v.autosaveOn)
        timer_->start();
    else
        timer_->stop();
    options_.StartupMode = v.startupMode;
    options_.BackupStyle = v.backupStyle;
    options_.PersistentGroups = v.persistentGroups;
    options_.ConfirmPrompts = v.confirmPrompts;
    options_.AutoIndent = v.autoIndent;
    options_.TabUse = v.tabUse;
    options_.TabSpaces = v.tabSpaces;
    options_.showHints = v.showHints;
    options_.hintPause = v.hintPause;
    options_.hintHidePause = v.hintHidePause;
    applyHints();
}

void TMainForm::OptionsEnvironmentMnuClick() {
    EnvironmentValues values = environmentValues();
    if (EnvironmentForm().edit(values))
        applyEnvironment(values);
}

TEnvironmentForm& TMainForm::EnvironmentForm() {
    if (!environmentForm_) {
        environmentForm_ = new TEnvironmentForm(this);
        connect(environmentForm_, &TEnvironmentForm::helpRequested, this, [this](int topic) {
            help_->showTopic(programFile(QStringLiteral("Tarnwick.hlp")), topic);
        });
    }
    return *environmentForm_;
}

TAboutForm& TMainForm::AboutForm() {
    if (!aboutForm_) {
        TAboutForm::Hooks hooks;
        hooks.openLink = [this](const QString& target) { launch_->launcher().ShellOpenFile(target); };
        hooks.unlockSettingsFile = [this] {
            options_.SettingsFileEditable = true;
            options_.dialogs.openDir = programDirectory();
        };
        aboutForm_ = new TAboutForm(*clipboard_, std::move(hooks), this);
    }
    return *aboutForm_;
}

} // namespace tw
