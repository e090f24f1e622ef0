#pragma once
// A program starter for tests: it records every start and starts nothing, so
// no test opens a terminal, a file manager or a browser. Tools it "starts"
// are FakeTools that the test feeds with output and ends.
#include <QList>
#include <QPointer>
#include <QQueue>

#include "platform/ProgramStarter.h"

namespace tw::test {

class FakeTool : public ToolProcess {
    Q_OBJECT
public:
    void write(const QByteArray& bytes) { emit output(bytes); }
    void finish(int exitCode, bool crashed = false) {
        running_ = false;
        emit finished(exitCode, crashed);
    }
    void stop() override { if (running_) finish(15, true); }
    bool running() const override { return running_; }

private:
    bool running_ = true;
};

struct RecordedStart {
    enum class Kind { Tool, Terminal, Folder, Target } kind;
    QString program;        // tool program, script, folder or target
    QStringList arguments;  // tool arguments
    QByteArray scriptText;  // a terminal script's content when it was started
    QString directory;      // the current directory at the start
};

class RecordingStarter : public ProgramStarter {
public:
    QList<RecordedStart> starts;
    // Results to answer with, in order; kStarted once they are used up.
    QQueue<int> results;
    QList<QPointer<FakeTool>> tools;

    int startTool(const QString& program, const QStringList& arguments,
                  std::unique_ptr<ToolProcess>& process) override;
    int startScriptInTerminal(const QString& script) override;
    int openFolder(const QString& folder) override;
    int openTarget(const QString& target) override;

private:
    int record(RecordedStart start);
};

// Installs a RecordingStarter for its lifetime.
class RecordingStarterScope {
public:
    RecordingStarterScope();
    ~RecordingStarterScope();
    RecordingStarter& starter() { return *starter_; }

private:
    RecordingStarter* starter_;
};

} // namespace tw::test
