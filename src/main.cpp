// Tarnwick: a text editor for programmers.
#include <QEvent>
#include <QIcon>

#include <cstdio>
#include <ctime>

#include "app/MainForm.h"
#include "app/TarnwickApplication.h"
#include "util/QtPrompts.h"

namespace {

// For bench/bench_process: with TARNWICK_REPORT_PAINT set, the moment of the
// first paint of any widget (the window becoming visible to the user) is
// written to standard error on the system's monotonic clock, in nanoseconds.
class FirstPaintReport : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::fprintf(stderr, "tarnwick: first paint %lld\n",
                         static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            std::fflush(stderr);
            qApp->removeEventFilter(this);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    tw::TarnwickApplication app(argc, argv);
    tw::TarnwickApplication::setWindowIcon(QIcon(QStringLiteral(":/desktop/tarnwick-48.png")));
    FirstPaintReport paintReport;
    if (qEnvironmentVariableIsSet("TARNWICK_REPORT_PAINT"))
        app.installEventFilter(&paintReport);
    tw::QtPrompts prompts;
    app.setPrompts(&prompts);
    const QStringList arguments = tw::TarnwickApplication::fileArguments(argc, argv);
    tw::TMainForm window(prompts, arguments);
    prompts.setParentWindow(&window);
    window.showBeforeReading();
    return tw::TarnwickApplication::exec();
}
