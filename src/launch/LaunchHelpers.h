#pragma once
// Every way the editor starts another program: a command line started
// directly (its output shown in the output panel), a shell script in a
// terminal window, a folder in the file manager, a document or link handed
// to the desktop. Failures are reported with the designed messages through
// Prompts; nothing here waits for a started program.
#include <QString>
#include <functional>
#include <memory>

#include "launch/CommandLine.h"

namespace tw {

class Prompts;
class ToolProcess;

// Where a tool started with its output captured goes (the output panel).
class ToolOutputSink {
public:
    virtual ~ToolOutputSink() = default;
    virtual void toolStarted(const QString& commandLine, std::unique_ptr<ToolProcess> tool) = 0;
};

// The text of a script that runs command in the current file's folder:
// "#!/bin/sh", then "cd -- '<folder>' || exit 1" when the file's folder part
// names an existing folder (quoted, so any name is safe, and a failed cd
// never runs the command elsewhere), the command unchanged, and, with pause,
// a line that waits for Enter. Lines end with LF.
QString BatchFileText(const QString& currentFile, const QString& command, bool pause,
                      const std::function<bool(const QString&)>& folderExists = {});

class Launcher {
public:
    Launcher(Prompts& prompts, ToolOutputSink& sink) : prompts_(prompts), sink_(sink) {}

    // Starts the command line directly, without a shell; the tool's output
    // goes to the sink. Returns the launch result; failures are reported.
    int RunCommandLine(const CommandLine& command);
    // Runs a script of the program directory in a terminal window.
    int RunScript(const QString& name);
    // Hands a file or link to the desktop.
    int ShellOpenFile(const QString& target);
    // Shows a folder in the file manager (the current folder for "").
    int OpenFolder(const QString& folder);

    // Writes the script `name` of the program directory (BatchFileText) and
    // returns whether it was written; a failure is reported.
    bool WriteBatchFile(const QString& name, const QString& currentFile, const QString& command,
                        bool pause);
    // Writes "temp.sh" holding exactly text and one line end, then runs it.
    // Nothing starts when the script cannot be written.
    int RunBatchText(const QString& text);

private:
    bool writeScript(const QString& name, const QString& text);

    Prompts& prompts_;
    ToolOutputSink& sink_;
};

// The designed messages of a failed start; empty for success or an unknown code.
QString RunFailureText(int result, const QString& command, const QString& program);
QString OpenFailureText(int result, const QString& target);

} // namespace tw
