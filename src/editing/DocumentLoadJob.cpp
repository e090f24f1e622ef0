#include "editing/DocumentLoadJob.h"

#include "editing/DocumentBuffer.h"
#include "platform/MemoryInfo.h"

#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <optional>
#include <utility>

namespace tw {

using Sci = QsciScintillaBase;

// Appends a file's chunks to the document attached to the job's view. The
// document may be locked read-only meanwhile (a document still being read
// takes no edits); only the reader's own appends get through.
class DocumentLoadJob::Sink : public TextSink {
public:
    explicit Sink(Sci& view) : view_(view) {}
    // The room for the whole text is made with the second chunk, not when
    // the file is opened: Scintilla fills a new buffer with zeros, which for
    // a huge file takes a second or so, and by then the window shows the
    // file's beginning (the job's first slice reads one chunk).
    void expect(qsizetype size) override {
        expected_ = size;
        refusal_ = roomRefusal(size);
    }
    // Why the file is not read at all (empty: it is).
    const QString& refusal() const { return refusal_; }
    void append(const char* data, qsizetype length) override {
        if (expected_ > 0 && appended_)
            view_.SendScintilla(Sci::SCI_ALLOCATE, roomForText(std::exchange(expected_, 0)));
        appended_ = true;
        noteLineLength(data, length);
        const Unlocked unlocked(view_);
        view_.SendScintilla(Sci::SCI_APPENDTEXT, static_cast<unsigned long>(length), data);
    }
    // Whether a line reached kLongestLine bytes.
    bool lineTooLong() const { return longest_ >= kLongestLine; }
    void prepend(const char* data, qsizetype length) override {
        const Unlocked unlocked(view_);
        // SCI_INSERTTEXT stops at a NUL byte; a targeted replace does not.
        view_.SendScintilla(Sci::SCI_SETTARGETRANGE, 0ul, 0l);
        view_.SendScintilla(Sci::SCI_REPLACETARGET, static_cast<unsigned long>(length), data);
    }

private:
    // The text, the room left for typing and the line table (a quarter of
    // the text is more than source code needs) must fit in the memory the
    // system can give; small files are not worth asking about.
    static QString roomRefusal(qsizetype size) {
        if (size < kCheckedFrom)
            return QString();
        const qint64 needed = qint64(roomForText(size)) + size / 4;
        const std::optional<qint64> available = availableMemory();
        if (!available || needed <= *available)
            return QString();
        return QStringLiteral("it needs about %1 MB of memory, and only %2 MB are free")
            .arg(needed >> 20).arg(*available >> 20);
    }
    static constexpr qsizetype kCheckedFrom = 64 * 1024 * 1024;

    // This Scintilla lays out a line in 32-bit offsets to show any of it: a
    // line of 2 GB or more would stop the program the first time it is drawn.
    static constexpr qsizetype kLongestLine = 0x7fffffff;

    static bool isBreak(char c) { return c == '\n' || c == '\r'; }

    void noteLineLength(const char* data, qsizetype length) {
        const char* end = data + length;
        const char* first = data;
        while (first < end && !isBreak(*first))
            ++first;
        longest_ = std::max(longest_, run_ + (first - data));
        if (first == end) {
            run_ += length;
            return;
        }
        // The lines between the first break and the last are shorter than a chunk.
        const char* last = end;
        while (!isBreak(last[-1]))
            --last;
        run_ = end - last;
    }

    struct Unlocked {
        explicit Unlocked(Sci& view) : view(view), readOnly(view.SendScintilla(Sci::SCI_GETREADONLY)) {
            if (readOnly)
                view.SendScintilla(Sci::SCI_SETREADONLY, 0ul);
        }
        ~Unlocked() {
            if (readOnly)
                view.SendScintilla(Sci::SCI_SETREADONLY, 1ul);
        }
        Sci& view;
        long readOnly;
    };
    Sci& view_;
    qsizetype expected_ = 0;
    QString refusal_;
    bool appended_ = false;
    qsizetype run_ = 0;       // bytes since the last line break
    qsizetype longest_ = 0;   // the longest run of bytes without a break met so far
};

DocumentLoadJob::DocumentLoadJob(const QString& path, qsizetype chunkSize)
    : view_(std::make_unique<Sci>()) {
    // A hidden view of its own: this Scintilla resets the line table of the
    // view that creates a document, which must not be the shown one.
    view_->hide();
    // Each insert notification costs time in proportion to its position in
    // the document: appending chunk by chunk would grow quadratically.
    view_->SendScintilla(Sci::SCI_SETMODEVENTMASK, 0ul);
    // A big file's document is made for large text (64-bit line table).
    doc_ = static_cast<DocHandle>(view_->SendScintilla(
        Sci::SCI_CREATEDOCUMENT, 0ul, documentOptionsFor(QFileInfo(path).size())));
    view_->SendScintilla(Sci::SCI_SETDOCPOINTER, 0ul, doc_);
    view_->SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 0ul);
    // Most files are UTF-8; the last slice sets what the file turned out to be.
    view_->SendScintilla(Sci::SCI_SETCODEPAGE, static_cast<unsigned long>(Sci::SC_CP_UTF8));
    sink_ = std::make_unique<Sink>(*view_);
    reading_ = std::make_unique<TextFileReading>(path, *sink_, chunkSize);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &DocumentLoadJob::slice);
    if (reading_->finished() || !sink_->refusal().isEmpty())
        finish();
}

DocumentLoadJob::~DocumentLoadJob() {
    letGo();
    if (!docTaken_ && doc_)
        view_->SendScintilla(Sci::SCI_RELEASEDOCUMENT, 0ul, doc_);
}

DocHandle DocumentLoadJob::takeDocument() {
    if (docTaken_)
        return 0;
    docTaken_ = true;
    return doc_;
}

void DocumentLoadJob::runToEnd() {
    while (!finished_)
        step();
}

void DocumentLoadJob::start(int sliceMs) {
    sliceMs_ = sliceMs;
    if (finished_)
        QTimer::singleShot(0, this, [this] { emit finished(); });
    else
        timer_.start(0);
}

void DocumentLoadJob::pause() { timer_.stop(); }

void DocumentLoadJob::cancel() {
    timer_.stop();
    letGo();
}

void DocumentLoadJob::slice() {
    QElapsedTimer clock;
    clock.start();
    // The first slice is one chunk: the window shows the beginning of the
    // file before the room for all of it is made.
    const bool first = !std::exchange(sliced_, true);
    do
        step();
    while (!first && !finished_ && clock.elapsed() < sliceMs_);
    if (!finished_) {
        emit progress(bytesRead(), size());
        timer_.start(0);
        return;
    }
    emit finished();
}

void DocumentLoadJob::step() {
    if (!reading_->step())
        finish();
    // Scintilla reports a failed allocation only through its status.
    else if (view_->SendScintilla(Sci::SCI_GETSTATUS) != Sci::SC_STATUS_OK)
        finish();
}

void DocumentLoadJob::finish() {
    if (finished_)
        return;
    finished_ = true;
    result_.format = reading_->result().format;
    result_.error = reading_->result().error;
    if (result_.ok() && !sink_->refusal().isEmpty())
        result_.error = sink_->refusal();
    if (result_.ok() && view_->SendScintilla(Sci::SCI_GETSTATUS) != Sci::SC_STATUS_OK)
        result_.error = qt_error_string(ENOMEM);
    if (result_.ok() && sink_->lineTooLong())
        result_.error = QStringLiteral("A line of this file is 2 GB or longer, more than the editor can show");
    if (result_.ok()) {
        const bool utf8 = result_.format.encoding == TextFormat::Encoding::Utf8;
        view_->SendScintilla(Sci::SCI_SETCODEPAGE,
                             utf8 ? static_cast<unsigned long>(Sci::SC_CP_UTF8) : 0ul);
        view_->SendScintilla(Sci::SCI_SETEOLMODE, eolModeOf(result_.format.lineBreak));
        view_->SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 1ul);
        view_->SendScintilla(Sci::SCI_SETSAVEPOINT);
    }
    letGo();
}

void DocumentLoadJob::letGo() {
    // The view lets go of the document; the reference from its creation stays.
    if (view_->SendScintilla(Sci::SCI_GETDOCPOINTER) == doc_)
        view_->SendScintilla(Sci::SCI_SETDOCPOINTER, 0ul, 0l);
}

} // namespace tw
