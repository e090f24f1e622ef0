#include "launch/LaunchHelpers.h"

#include <QFileInfo>

#include "launch/ShellQuoting.h"
#include "platform/AtomicWrite.h"
#include "platform/ProgramDirectory.h"
#include "platform/ProgramStarter.h"
#include "util/PathStyle.h"
#include "util/Prompts.h"

namespace tw {

QString BatchFileText(const QString& currentFile, const QString& command, bool pause,
                      const std::function<bool(const QString&)>& folderExists) {
    QString text = QStringLiteral("#!/bin/sh\n");
    const QString folder = DirectoryPart(currentFile);
    const bool exists = folderExists ? folderExists(folder) : QFileInfo(folder).isDir();
    if (!folder.isEmpty() && exists)
        text += QStringLiteral("cd -- ") + SingleQuoted(folder) + QStringLiteral(" || exit 1\n");
    text += command + u'\n';
    // "read" needs a name under dash.
    if (pause)
        text += QStringLiteral("printf 'Press Enter to continue . . .'; read tarnwick_pause\n");
    return text;
}

QString RunFailureText(int result, const QString& command, const QString& program) {
    switch (result) {
    case kOutOfResources:
        return QStringLiteral("The system is out of memory or resources.");
    case kFileNotFound:
        return QStringLiteral("File \"%1\" not found.").arg(command);
    case kPathNotFound:
        return QStringLiteral("Path \"%1\" not found.").arg(DirectoryPart(program));
    case kInvalidProgram:
        return QStringLiteral("The .EXE file is invalid (non-Win32 .EXE or error in .EXE image).");
    default:
        return {};
    }
}

QString OpenFailureText(int result, const QString& target) {
    switch (result) {
    case kFileNotFound:
        return QStringLiteral("File \"%1\" not found").arg(target);
    case kPathNotFound:
        return QStringLiteral("Path \"%1\" not found").arg(DirectoryPart(target));
    case kAccessDenied:
        return QStringLiteral("Access to \"%1\" denied").arg(target);
    case 8:
        return QStringLiteral("Out of memory");
    case 32:
        return QStringLiteral("DLL not found");
    default:
        return {};
    }
}

int Launcher::RunCommandLine(const CommandLine& command) {
    const QStringList args = command.arguments();
    const QString program = args.value(0);
    std::unique_ptr<ToolProcess> tool;
    const int result = args.isEmpty() ? kFileNotFound
                                      : programStarter().startTool(program, args.mid(1), tool);
    if (result == kStarted && tool)
        sink_.toolStarted(command.text(), std::move(tool));
    const QString failure = RunFailureText(result, command.text(), program);
    if (!failure.isEmpty())
        prompts_.message(failure, MessageType::Error);
    return result;
}

int Launcher::RunScript(const QString& name) {
    const QString script = programDirectory() + name;
    const int result = programStarter().startScriptInTerminal(script);
    const QString failure = RunFailureText(result, script, script);
    if (!failure.isEmpty())
        prompts_.message(failure, MessageType::Error);
    return result;
}

int Launcher::ShellOpenFile(const QString& target) {
    const int result = programStarter().openTarget(target);
    const QString failure = OpenFailureText(result, target);
    if (!failure.isEmpty())
        prompts_.message(failure, MessageType::Error);
    return result;
}

int Launcher::OpenFolder(const QString& folder) {
    const int result = programStarter().openFolder(folder);
    const QString command = QStringLiteral("Explorer ") + folder;
    const QString failure = RunFailureText(result, command, folder);
    if (!failure.isEmpty())
        prompts_.message(failure, MessageType::Error);
    return result;
}

bool Launcher::writeScript(const QString& name, const QString& text) {
    // Atomic: a shell still reading the previous script keeps its text.
    const QString path = programDirectory() + name;
    const QByteArray bytes = text.toUtf8();
    const QString error = writeBytesAtomically(path, bytes.constData(), bytes.size());
    if (error.isEmpty())
        return true;
    prompts_.message(QStringLiteral("%1: %2").arg(path, error), MessageType::Error);
    return false;
}

bool Launcher::WriteBatchFile(const QString& name, const QString& currentFile,
                              const QString& command, bool pause) {
    return writeScript(name, BatchFileText(currentFile, command, pause));
}

int Launcher::RunBatchText(const QString& text) {
    const QString name = QStringLiteral("temp.sh");
    if (!writeScript(name, text + u'\n'))
        return kFileNotFound;
    return RunScript(name);
}

} // namespace tw
