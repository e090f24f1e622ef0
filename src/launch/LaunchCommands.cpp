#include "launch/LaunchCommands.h"

#include <QDir>
#include <QFileInfo>

#include "launch/RunMacros.h"
#include "launch/ShellQuoting.h"
#include "util/FileNames.h"
#include "util/Prompts.h"
#include "util/UserError.h"

namespace tw {

namespace {

bool yes(Prompts& prompts, const QString& question) {
    return prompts.ask(question, MessageType::Confirmation, Buttons::YesNo) == Answer::Yes;
}

} // namespace

bool LaunchCommands::canExecuteCurrentFile() const {
    return host_.documentOpen()
           && FindExecRecord(tables_.exec, ExtensionPart(host_.currentFileName())) >= 0;
}

bool LaunchCommands::saveOrBackup(int action, const QString& stillQuestion) {
    switch (action) {
    case kSaveCurrentFile:
        // Only a modified document is written: a tool run never rewrites a file.
        if (host_.currentModified())
            host_.saveCurrentFile();
        return !host_.currentModified() || yes(prompts_, stillQuestion);
    case kSaveAllFiles:
        host_.saveAllFiles();
        return !host_.anyModified() || yes(prompts_, stillQuestion);
    case kBackupCurrentFile:
        host_.backupCurrentFile();
        return true;
    case kBackupAllFiles:
        host_.backupAllFiles();
        return true;
    default:
        return true;
    }
}

void LaunchCommands::ExecuteCurrentFileMnuClick() {
    const QString ext = host_.documentOpen() ? ExtensionPart(host_.currentFileName()) : QString();
    const int index = FindExecRecord(tables_.exec, ext);
    if (index < 0) {
        prompts_.message(QStringLiteral("Use Options|Execute Menu to set an executable extension "
                                        "for extension \"%1\"").arg(ext),
                         MessageType::Warning);
        return;
    }
    const StoredExecRecord record = tables_.exec.at(index);
    if (!saveOrBackup(record.action, QStringLiteral("Still wish to execute Current File?")))
        return;
    const QString target = ChangeFileExtension(host_.fileToActOn(),
                                               StoredText(record.executableExtension));
    CommandLine command;
    command.appendFileValue(target);
    if (flagOn(record.promptForParameters)) {
        const std::optional<QString> answer = prompts_.input(
            QStringLiteral("Parameters"), QStringLiteral("Input Parameters for ") + target, {});
        if (answer) {
            command.appendText(QStringLiteral(" "));
            command.appendAnswer(*answer);
        } else if (!yes(prompts_, QStringLiteral("Still with to execute current file?"))) {
            return;
        }
    }
    if (flagOn(record.changeDirectory)) {
        const QString folder = DirectoryPart(target);
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            QDir::setCurrent(folder);
    }
    launcher_.RunCommandLine(command);
}

void LaunchCommands::ExecuteExplorerMnuClick() {
    launcher_.OpenFolder(host_.documentOpen() ? DirectoryPart(host_.currentFileName()) : QString());
}

void LaunchCommands::ExecuteDOSPromptMnuClick() {
    const QString name = QStringLiteral("tempprmt.sh");
    const QString file = host_.documentOpen() ? host_.currentFileName() : QString();
    if (launcher_.WriteBatchFile(name, file, QStringLiteral("exec \"${SHELL:-/bin/sh}\""), false))
        launcher_.RunScript(name);
}

void LaunchCommands::ExecuteDOSComMnuClick() {
    const std::optional<QString> command = prompts_.input(
        QStringLiteral("DOS Command"), QStringLiteral("Input a DOS Command to be executed"), {});
    if (!command)
        return;
    const QString name = QStringLiteral("temp.sh");
    const QString file = host_.documentOpen() ? host_.currentFileName() : QString();
    if (launcher_.WriteBatchFile(name, file, *command, true))
        launcher_.RunScript(name);
}

void LaunchCommands::runRecord(int number) {
    if (number < 1 || number > tables_.run.size())
        return;
    const StoredRunRecord record = tables_.run.at(number - 1);
    if (host_.documentOpen()
        && !saveOrBackup(record.action, QStringLiteral("Still wish to Run Program?")))
        return;
    const MacroSource source{host_.documentOpen() ? host_.fileToActOn() : QString()};
    try {
        const std::optional<CommandLine> parameters = ExpandRunMacros(
            StoredText(record.parameters), MacroPlace::Parameters, source, prompts_);
        if (!parameters)
            return;
        // A program text that names a file (Browse puts one there) is that
        // file, blanks and all; any other text is a typed command line.
        const QString program = StoredText(record.program);
        CommandLine command;
        if (QFileInfo(program).isFile())
            command.appendFileValue(program);
        else
            command.appendText(program);
        command.appendText(QStringLiteral(" "));
        command.append(*parameters);
        if (record.batchLines.isEmpty()) {
            launcher_.RunCommandLine(command);
            return;
        }
        QString batch;
        for (const QByteArray& line : record.batchLines)
            batch += StoredText(line) + u'\n';
        const std::optional<CommandLine> script =
            ExpandRunMacros(batch, MacroPlace::BatchText, source, prompts_, command);
        if (script)
            launcher_.RunBatchText(ShellScriptText(*script));
    } catch (const UserError& error) {
        prompts_.message(error.message(), MessageType::Error);
    }
}

} // namespace tw
