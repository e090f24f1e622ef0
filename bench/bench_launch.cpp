// How fast a Run entry gets going and how the output panel copes with a flood:
// the editor's time to expand 20 macros and split the command line (no
// prompts), and 10 MB of compiler-style output streamed into the panel in
// 64 KB pieces, with the longest pause of the event loop meanwhile.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

#include "launch/CommandLine.h"
#include "launch/OutputPanel.h"
#include "launch/RunMacros.h"
#include "launch/ShellQuoting.h"
#include "platform/ProgramStarter.h"
#include "util/ScriptedPrompts.h"

using namespace tw;

namespace {

class FloodTool : public ToolProcess {
public:
    void stop() override {}
    bool running() const override { return true; }
    void write(const QByteArray& bytes) { emit output(bytes); }
    void end() { emit finished(0, false); }
};

void report(const char* what, double ms, const char* aim) {
    std::printf("%-52s %9.2f ms   (aim: %s)\n", what, ms, aim);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // 20 macros, no prompts.
    QString params;
    for (int i = 0; i < 20; ++i)
        params += QStringLiteral("-I$p/include%1 -o$x.o $f ").arg(i % 3 ? i : 0);
    ScriptedPrompts prompts;
    const MacroSource source{QStringLiteral("/home/ann/src/project/module/prog.c")};
    constexpr int kRuns = 1000;
    QElapsedTimer timer;
    timer.start();
    qsizetype sink = 0;
    for (int i = 0; i < kRuns; ++i) {
        CommandLine line(QStringLiteral("/usr/bin/cc "));
        line.append(*ExpandRunMacros(params, MacroPlace::Parameters, source, prompts));
        sink += line.arguments().size();
        sink += ShellScriptText(line).size();
    }
    report("Run with 20 macros: expand, split and quote (each)",
           double(timer.nsecsElapsed()) / 1e6 / kRuns, "well under 10 ms");

    // 10 MB of output.
    TOutputPanel panel;
    panel.resize(900, 300);
    panel.show();
    QByteArray piece;
    for (int i = 0; piece.size() < 64 * 1024; ++i)
        piece += "src/module/file" + QByteArray::number(i % 97) + ".c:" + QByteArray::number(i)
                 + ":12: warning: unused variable 'value" + QByteArray::number(i) + "' [-Wunused]\n";
    auto* tool = new FloodTool;
    panel.toolStarted(QStringLiteral("make -j2"), std::unique_ptr<ToolProcess>(tool));
    constexpr qsizetype kTotal = 10 * 1024 * 1024;
    qsizetype sent = 0;
    qint64 longestPause = 0;
    QElapsedTimer sinceTick;
    QTimer ticker;   // a key press would wait as long as a gap between ticks
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestPause = std::max(longestPause, sinceTick.nsecsElapsed());
        sinceTick.restart();
    });
    QTimer feeder;   // the tool writes a piece every millisecond
    feeder.setInterval(1);
    QObject::connect(&feeder, &QTimer::timeout, [&] {
        if (sent < kTotal) {
            tool->write(piece);
            sent += piece.size();
        } else {
            feeder.stop();
            tool->end();
        }
    });
    timer.restart();
    sinceTick.start();
    ticker.start();
    feeder.start();
    while (feeder.isActive())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    // Let the slices run out as they would.
    QElapsedTimer drain;
    drain.start();
    while (drain.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (panel.findChild<QTimer*>() && !panel.findChild<QTimer*>()->isActive())
            break;
    }
    const double total = double(timer.nsecsElapsed()) / 1e6;
    ticker.stop();
    report("10 MB of tool output shown in the panel (total)", total, "a few seconds");
    report("Longest pause of the event loop meanwhile", double(longestPause) / 1e6, "under 50 ms");
    std::printf("(%lld characters shown)\n",
                static_cast<long long>(panel.sectionText(0).size()));
    return sink > 0 ? 0 : 1;
}
