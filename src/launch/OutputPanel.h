#pragma once
// The output panel `OutputPanel`: one section (a tab of `OutputTabs`) per tool
// that RunCommandLine started, showing the command line, the tool's standard
// output and error as they arrive, and its exit status with the time it took.
// Tools run side by side and never block the window; `StopBtn` stops the
// shown section's tool. A double click on a line that names a file and a
// line ("a.c:12:5: error") asks the window to show that place. The panel only
// reads tools' output: it never touches a document.
#include <QElapsedTimer>
#include <QList>
#include <QStringDecoder>
#include <QWidget>
#include <memory>

#include "launch/LaunchHelpers.h"
#include "launch/OutputLinks.h"

class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTimer;

namespace tw {

class ToolProcess;

class TOutputPanel : public QWidget, public ToolOutputSink {
    Q_OBJECT
public:
    explicit TOutputPanel(QWidget* parent = nullptr);
    ~TOutputPanel() override;

    void toolStarted(const QString& commandLine, std::unique_ptr<ToolProcess> tool) override;

    int sectionCount() const;
    // Everything the section shows so far (pending output is shown first).
    QString sectionText(int section);
    bool sectionRunning(int section) const;
    // Opens the place named by line `line` (0-based) of a section, as a
    // double click does; false when that line names no existing file.
    bool openLink(int section, int line);
    void StopBtnClick();
    // Shows every byte received so far (the panel otherwise shows output in
    // slices, so a flood of output never stalls the window).
    void flush();

signals:
    // The panel was shown because a tool started.
    void shownByRun();
    void openLocation(const QString& file, int line, int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Section;
    void append(Section& section, const QString& text);
    void finish(Section& section, int exitCode, bool crashed);
    void flushSome(qsizetype budget);
    void updateButtons();
    Section* sectionOf(QObject* view);

    QTabWidget* tabs_ = nullptr;
    QPushButton* stop_ = nullptr;
    QTimer* flushTimer_ = nullptr;
    QList<Section*> sections_;
};

} // namespace tw
