// TMainForm's Execute and Run menus, their option dialogs and the output
// panel (LaunchArea does the work).
#include "app/MainForm.h"

#include <QAction>
#include <QMenuBar>

#include "app/DocumentTable.h"
#include "app/LaunchArea.h"
#include "editing/EditControl.h"
#include "launch/ExecuteOptionsUnit.h"
#include "launch/RunUnit.h"
#include "util/MenuShortcuts.h"
#include "util/PathStyle.h"

namespace tw {

void TMainForm::connectLaunchCommands() {
    launch_ = new LaunchArea(*this, prompts_);
    LaunchCommands& c = launch_->commands();
    commands_.bind("ExecuteCurrentFileMnu", "ExecuteSpdBtn", nullptr, this,
                   [&c] { c.ExecuteCurrentFileMnuClick(); });
    commands_.bind("ExecuteExplorerMnu", nullptr, nullptr, this,
                   [&c] { c.ExecuteExplorerMnuClick(); });
    commands_.bind("ExecuteDOSPromptMnu", nullptr, nullptr, this,
                   [&c] { c.ExecuteDOSPromptMnuClick(); });
    commands_.bind("ExecuteDOSComMnu", nullptr, nullptr, this,
                   [&c] { c.ExecuteDOSComMnuClick(); });
    commands_.bind("OptionsExecuteMnu", nullptr, nullptr, this, [this] {
        const QString ext = edit_->isHidden() ? QString() : ExtensionPart(table_->CurrentFileName());
        launch_->exeOptForm().showFor(ext);
        EnableExecuteCurrentFile();
    });
    commands_.bind("OptionsRunMnu", nullptr, nullptr, this,
                   [this] { launch_->runForm().showModally(); });
    commands_.markBuilt(QStringLiteral("RunMnu"));
}

void TMainForm::EnableExecuteCurrentFile() {
    const bool on = launch_ && launch_->commands().canExecuteCurrentFile();
    commands_.enable({"ExecuteCurrentFileMnu", "ExecuteSpdBtn"}, on);
}

void TMainForm::ArbitrateMenuShortcuts() { ArbitrateShortcuts(menuBar()); }

} // namespace tw
