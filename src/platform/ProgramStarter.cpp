#include "platform/ProgramStarter.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace tw {

namespace {

// A tool run by QProcess, standard error merged into standard output so the
// lines come in the order the tool wrote them.
class QtToolProcess : public ToolProcess {
public:
    QtToolProcess() {
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.setInputChannelMode(QProcess::ManagedInputChannel);
        connect(&process_, &QProcess::readyReadStandardOutput, this,
                [this] { emit output(process_.readAllStandardOutput()); });
        connect(&process_, &QProcess::finished, this,
                [this](int code, QProcess::ExitStatus status) {
                    const QByteArray rest = process_.readAllStandardOutput();
                    if (!rest.isEmpty())
                        emit output(rest);
                    emit finished(code, status == QProcess::CrashExit);
                });
    }
    ~QtToolProcess() override {
        // The editor is going: a tool still running goes with it.
        if (running()) {
            process_.kill();
            process_.waitForFinished(2000);
        }
    }

    bool start(const QString& program, const QStringList& arguments) {
        process_.start(program, arguments, QIODevice::ReadWrite);
        if (!process_.waitForStarted(5000))
            return false;
        process_.closeWriteChannel();   // a tool that reads its input sees its end
        return true;
    }

    void stop() override {
        if (!running())
            return;
        process_.terminate();
        // A tool that ignores the request is ended for good a little later.
        QTimer::singleShot(2000, this, [this] {
            if (running())
                process_.kill();
        });
    }
    bool running() const override { return process_.state() != QProcess::NotRunning; }

private:
    QProcess process_;
};

class HostProgramStarter : public ProgramStarter {
public:
    int startTool(const QString& program, const QStringList& arguments,
                  std::unique_ptr<ToolProcess>& process) override {
        QString resolved;
        const int checked = checkProgram(program, &resolved);
        if (checked != kStarted)
            return checked;
        auto tool = std::make_unique<QtToolProcess>();
        if (!tool->start(resolved, arguments))
            return kInvalidProgram;
        process = std::move(tool);
        return kStarted;
    }

    int startScriptInTerminal(const QString& script) override {
        if (!QFileInfo(script).isFile())
            return kFileNotFound;
        for (const QString& terminal : terminalCandidates()) {
            const QString path = QStandardPaths::findExecutable(terminal);
            if (path.isEmpty())
                continue;
            // gnome-terminal takes the command after "--"; the others after
            // their "-e" (xfce4-terminal's "-x" takes it whole).
            QStringList args;
            if (terminal == u"gnome-terminal")
                args = {QStringLiteral("--"), QStringLiteral("sh"), script};
            else if (terminal == u"xfce4-terminal")
                args = {QStringLiteral("-x"), QStringLiteral("sh"), script};
            else
                args = {QStringLiteral("-e"), QStringLiteral("sh"), script};
            return QProcess::startDetached(path, args) ? kStarted : kOutOfResources;
        }
        return kFileNotFound;
    }

    int openFolder(const QString& folder) override {
        const QString dir = folder.isEmpty() ? QDir::currentPath() : folder;
        if (!QFileInfo(dir).isDir())
            return kPathNotFound;
        return QDesktopServices::openUrl(QUrl::fromLocalFile(dir)) ? kStarted : kFileNotFound;
    }

    int openTarget(const QString& target) override {
        const QUrl given(target);
        const bool link = !target.startsWith(u'/') && given.isValid() && given.scheme().size() > 1;
        if (link)
            return QDesktopServices::openUrl(given) ? kStarted : kFileNotFound;
        const QFileInfo info(target);
        if (!info.exists())
            return info.dir().exists() ? kFileNotFound : kPathNotFound;
        if (!info.isReadable())
            return kAccessDenied;
        return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()))
                   ? kStarted
                   : kFileNotFound;
    }
};

std::unique_ptr<ProgramStarter>& installed() {
    static std::unique_ptr<ProgramStarter> starter;
    return starter;
}

} // namespace

int checkProgram(const QString& program, QString* resolved) {
    if (program.isEmpty())
        return kFileNotFound;
    QString path = program;
    if (!program.contains(u'/')) {
        path = QStandardPaths::findExecutable(program);
        if (path.isEmpty())
            return kFileNotFound;
    }
    const QFileInfo info(path);
    if (!info.exists())
        return info.dir().exists() ? kFileNotFound : kPathNotFound;
    if (info.isDir() || !info.isExecutable())
        return kInvalidProgram;
    if (resolved)
        *resolved = info.absoluteFilePath();
    return kStarted;
}

QStringList terminalCandidates() {
    return {QStringLiteral("x-terminal-emulator"), QStringLiteral("gnome-terminal"),
            QStringLiteral("konsole"), QStringLiteral("xfce4-terminal"), QStringLiteral("xterm")};
}

ProgramStarter& programStarter() {
    static HostProgramStarter host;
    return installed() ? *installed() : host;
}

void setProgramStarter(std::unique_ptr<ProgramStarter> starter) {
    installed() = std::move(starter);
}

} // namespace tw
