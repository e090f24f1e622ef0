#include "launch/OutputPanel.h"

#include <QDir>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/ProgramStarter.h"

namespace tw {

namespace {

// Output shown per slice of the event loop: small enough that typing never
// waits long, large enough that 10 MB arrive in a few seconds.
constexpr qsizetype kSliceBytes = 256 * 1024;

} // namespace

struct TOutputPanel::Section {
    std::unique_ptr<ToolProcess> tool;
    QPlainTextEdit* view = nullptr;
    QByteArray pending;
    QStringDecoder decoder{QStringDecoder::Utf8};
    QElapsedTimer clock;
    QString folder;           // where the tool started: relative names in its output
    QString footer;           // the end line, shown once the output before it is
    bool running = true;
};

TOutputPanel::TOutputPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("OutputPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("OutputTabs"));
    tabs_->setTabsClosable(true);
    tabs_->setDocumentMode(true);
    // No mnemonic: every letter of a short word is taken by a menu title or
    // may be a Run hot key, and Alt+S took the focus from the text for Stop.
    stop_ = new QPushButton(QStringLiteral("Stop"), this);
    stop_->setObjectName(QStringLiteral("StopBtn"));
    stop_->setEnabled(false);
    tabs_->setCornerWidget(stop_, Qt::TopRightCorner);
    layout->addWidget(tabs_);
    connect(stop_, &QPushButton::clicked, this, &TOutputPanel::StopBtnClick);
    connect(tabs_, &QTabWidget::currentChanged, this, &TOutputPanel::updateButtons);
    connect(tabs_, &QTabWidget::tabCloseRequested, this, [this](int index) {
        Section* section = sections_.takeAt(index);
        tabs_->removeTab(index);
        section->view->deleteLater();
        delete section;   // a tool still running is ended with it
        updateButtons();
    });
    flushTimer_ = new QTimer(this);
    flushTimer_->setInterval(15);
    connect(flushTimer_, &QTimer::timeout, this, [this] { flushSome(kSliceBytes); });
}

TOutputPanel::~TOutputPanel() { qDeleteAll(sections_); }

void TOutputPanel::toolStarted(const QString& commandLine, std::unique_ptr<ToolProcess> tool) {
    auto* section = new Section;
    section->tool = std::move(tool);
    section->folder = QDir::currentPath();
    section->clock.start();
    section->view = new QPlainTextEdit(tabs_);
    section->view->setObjectName(QStringLiteral("OutputText"));
    section->view->setReadOnly(true);
    section->view->setUndoRedoEnabled(false);
    section->view->setLineWrapMode(QPlainTextEdit::NoWrap);
    section->view->setFont(QFont(QStringLiteral("Monospace")));
    section->view->viewport()->installEventFilter(this);
    section->view->setPlainText(QStringLiteral("$ ") + commandLine + u'\n');
    sections_.append(section);
    const QString title = commandLine.section(u' ', 0, 0, QString::SectionSkipEmpty);
    tabs_->setCurrentIndex(tabs_->addTab(section->view, title));

    ToolProcess* process = section->tool.get();
    connect(process, &ToolProcess::output, this, [this, section](const QByteArray& bytes) {
        section->pending += bytes;
        if (!flushTimer_->isActive())
            flushTimer_->start();
    });
    connect(process, &ToolProcess::finished, this, [this, section](int code, bool crashed) {
        finish(*section, code, crashed);
    });
    updateButtons();
    if (!isVisible())
        emit shownByRun();
}

void TOutputPanel::finish(Section& section, int exitCode, bool crashed) {
    section.running = false;
    const double seconds = section.clock.elapsed() / 1000.0;
    section.footer = crashed ? QStringLiteral("[stopped after %1 s]").arg(seconds, 0, 'f', 2)
                             : QStringLiteral("[exit status %1 after %2 s]")
                                   .arg(exitCode)
                                   .arg(seconds, 0, 'f', 2);
    if (!flushTimer_->isActive())
        flushTimer_->start();
    updateButtons();
}

void TOutputPanel::append(Section& section, const QString& text) {
    QScrollBar* bar = section.view->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    QTextCursor cursor(section.view->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    if (atEnd)
        bar->setValue(bar->maximum());
}

void TOutputPanel::flushSome(qsizetype budget) {
    bool more = false;
    for (Section* section : sections_) {
        if (!section->pending.isEmpty()) {
            qsizetype take = qMin(budget, section->pending.size());
            // Whole lines where possible, so a line is never shown in halves.
            const qsizetype lineEnd = section->pending.lastIndexOf('\n', take - 1);
            if (take < section->pending.size() && lineEnd > 0)
                take = lineEnd + 1;
            append(*section, section->decoder.decode(QByteArrayView(section->pending).first(take)));
            section->pending.remove(0, take);
        }
        if (!section->pending.isEmpty()) {
            more = true;
        } else if (!section->footer.isEmpty()) {
            const QString text = section->view->document()->lastBlock().text().isEmpty()
                                     ? section->footer
                                     : u'\n' + section->footer;
            append(*section, text);
            section->footer.clear();
        }
    }
    if (!more)
        flushTimer_->stop();
}

void TOutputPanel::flush() { flushSome(std::numeric_limits<qsizetype>::max()); }

int TOutputPanel::sectionCount() const { return int(sections_.size()); }

QString TOutputPanel::sectionText(int section) {
    flush();
    return section >= 0 && section < sections_.size() ? sections_.at(section)->view->toPlainText()
                                                      : QString();
}

bool TOutputPanel::sectionRunning(int section) const {
    return section >= 0 && section < sections_.size() && sections_.at(section)->running;
}

bool TOutputPanel::openLink(int section, int line) {
    if (section < 0 || section >= sections_.size())
        return false;
    flush();
    const Section* s = sections_.at(section);
    const std::optional<OutputLink> link =
        FindOutputLink(s->view->document()->findBlockByNumber(line).text());
    if (!link)
        return false;
    const QString file = ResolveLinkFile(link->file, s->folder);
    if (file.isEmpty())
        return false;
    emit openLocation(file, link->line, link->column);
    return true;
}

void TOutputPanel::StopBtnClick() {
    const int index = tabs_->currentIndex();
    if (index >= 0 && sections_.at(index)->running && sections_.at(index)->tool)
        sections_.at(index)->tool->stop();
}

void TOutputPanel::updateButtons() { stop_->setEnabled(sectionRunning(tabs_->currentIndex())); }

TOutputPanel::Section* TOutputPanel::sectionOf(QObject* viewport) {
    for (Section* section : sections_)
        if (section->view->viewport() == viewport)
            return section;
    return nullptr;
}

bool TOutputPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (Section* section = sectionOf(watched)) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const int line = section->view->cursorForPosition(mouse->position().toPoint())
                                 .blockNumber();
            if (openLink(int(sections_.indexOf(section)), line))
                return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tw
