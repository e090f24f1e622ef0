#include "support/RecordingStarter.h"

#include <QDir>
#include <QFile>

namespace tw::test {

int RecordingStarter::record(RecordedStart start) {
    start.directory = QDir::currentPath();
    starts.append(start);
    return results.isEmpty() ? kStarted : results.dequeue();
}

int RecordingStarter::startTool(const QString& program, const QStringList& arguments,
                                std::unique_ptr<ToolProcess>& process) {
    const int result = record({RecordedStart::Kind::Tool, program, arguments, {}, {}});
    if (result == kStarted) {
        auto tool = std::make_unique<FakeTool>();
        tools.append(tool.get());
        process = std::move(tool);
    }
    return result;
}

int RecordingStarter::startScriptInTerminal(const QString& script) {
    QFile file(script);
    QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    return record({RecordedStart::Kind::Terminal, script, {}, text, {}});
}

int RecordingStarter::openFolder(const QString& folder) {
    return record({RecordedStart::Kind::Folder, folder, {}, {}, {}});
}

int RecordingStarter::openTarget(const QString& target) {
    return record({RecordedStart::Kind::Target, target, {}, {}, {}});
}

RecordingStarterScope::RecordingStarterScope() : starter_(new RecordingStarter) {
    setProgramStarter(std::unique_ptr<ProgramStarter>(starter_));
}

RecordingStarterScope::~RecordingStarterScope() { setProgramStarter(nullptr); }

} // namespace tw::test
