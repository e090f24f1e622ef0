#pragma once
// Starting other programs: tools whose output the editor shows, shell scripts
// in a terminal window, the user's shell, the desktop's file manager and
// whatever program the desktop opens a document or link with. This is the only
// code that starts processes; tests install a recording starter instead
// (setProgramStarter), so no test opens a terminal or a file manager.
//
// Every start answers with a launch result code, as the editor reports it:
// kStarted (33) for success, otherwise why nothing started.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

namespace tw {

enum LaunchResult : int {
    kOutOfResources = 0,
    kFileNotFound = 2,
    kPathNotFound = 3,
    kAccessDenied = 5,
    kInvalidProgram = 11,
    kStarted = 33,
};

// A tool started with its output captured. It reports its standard output
// and error as they arrive and its end; stop() ends it early.
class ToolProcess : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void stop() = 0;
    virtual bool running() const = 0;

signals:
    void output(const QByteArray& bytes);
    // exitCode is the tool's exit status; crashed when a signal ended it.
    void finished(int exitCode, bool crashed);
};

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;

    // Starts program with arguments in the current directory, its output
    // captured. A program without "/" is looked up in PATH. On kStarted,
    // `process` holds the running tool.
    virtual int startTool(const QString& program, const QStringList& arguments,
                          std::unique_ptr<ToolProcess>& process) = 0;
    // Runs "sh script" in a terminal window; kFileNotFound when no terminal
    // program is installed or the script is missing.
    virtual int startScriptInTerminal(const QString& script) = 0;
    // Shows a folder in the desktop's file manager.
    virtual int openFolder(const QString& folder) = 0;
    // Hands a file or a link ("mailto:", "https:") to the desktop, which opens
    // it with its program; kFileNotFound for a file that does not exist.
    virtual int openTarget(const QString& target) = 0;
};

// The starter in use: the one installed last, or the real one.
ProgramStarter& programStarter();
// Installs a starter (tests); nullptr goes back to the real one.
void setProgramStarter(std::unique_ptr<ProgramStarter> starter);

// How the real starter classifies a program before starting it: kStarted
// when it can be run, else kFileNotFound, kPathNotFound (its folder does not
// exist) or kInvalidProgram (a folder, or no execute permission). `resolved`
// gets the path that would run.
int checkProgram(const QString& program, QString* resolved = nullptr);

// The terminal programs tried, in order, for scripts and the shell.
QStringList terminalCandidates();

} // namespace tw
