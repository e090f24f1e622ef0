#include "editing/DocumentLoader.h"

#include "editing/DocumentBuffer.h"
#include "platform/TextFileReader.h"

#include <algorithm>
#include <cerrno>

namespace tw {

namespace {

using Sci = QsciScintillaBase;

// Appends a file's chunks to a new document attached to a view. The document
// is made once the file's size is known: a big one is made for large text.
class DocumentSink : public TextSink {
public:
    explicit DocumentSink(Sci& view) : view_(view) {}
    DocHandle document() const { return doc_; }
    void expect(qsizetype size) override {
        doc_ = static_cast<DocHandle>(
            view_.SendScintilla(Sci::SCI_CREATEDOCUMENT, 0ul, documentOptionsFor(size)));
        view_.SendScintilla(Sci::SCI_SETDOCPOINTER, 0ul, doc_);
        view_.SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 0ul);
        view_.SendScintilla(Sci::SCI_ALLOCATE, roomForText(size));
    }
    void append(const char* data, qsizetype length) override {
        noteLineLength(data, length);
        view_.SendScintilla(Sci::SCI_APPENDTEXT, static_cast<unsigned long>(length), data);
    }
    // Whether a line reached kLongestLine bytes.
    bool lineTooLong() const { return longest_ >= kLongestLine; }
    void prepend(const char* data, qsizetype length) override {
        // SCI_INSERTTEXT stops at a NUL byte; a targeted replace does not.
        view_.SendScintilla(Sci::SCI_SETTARGETRANGE, 0ul, 0l);
        view_.SendScintilla(Sci::SCI_REPLACETARGET, static_cast<unsigned long>(length), data);
    }

private:
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

    Sci& view_;
    DocHandle doc_ = 0;
    qsizetype run_ = 0;       // bytes since the last line break
    qsizetype longest_ = 0;   // the longest run of bytes without a break met so far
};

} // namespace

DocumentLoad loadDocument(const QString& path) {
    // A hidden view of its own: this Scintilla resets the line table of the
    // view that creates a document, which must not be the shown one.
    Sci view;
    view.hide();
    // Each insert notification costs time in proportion to its position in
    // the document: appending chunk by chunk would grow quadratically.
    view.SendScintilla(Sci::SCI_SETMODEVENTMASK, 0ul);
    DocumentSink sink(view);
    const TextReadResult read = readTextFileInto(path, sink);
    const DocHandle doc = sink.document();
    DocumentLoad load;
    load.format = read.format;
    load.error = read.error;
    if (!doc) {
        if (load.ok())
            load.error = qt_error_string(ENOMEM);
        return load;
    }
    // Scintilla reports a failed allocation only through its status.
    if (load.ok() && view.SendScintilla(Sci::SCI_GETSTATUS) != Sci::SC_STATUS_OK)
        load.error = qt_error_string(ENOMEM);
    if (load.ok() && sink.lineTooLong())
        load.error = QStringLiteral("A line of this file is 2 GB or longer, more than the editor can show");
    const bool utf8 = load.format.encoding == TextFormat::Encoding::Utf8;
    view.SendScintilla(Sci::SCI_SETCODEPAGE, utf8 ? static_cast<unsigned long>(Sci::SC_CP_UTF8) : 0ul);
    view.SendScintilla(Sci::SCI_SETEOLMODE, eolModeOf(load.format.lineBreak));
    view.SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 1ul);
    view.SendScintilla(Sci::SCI_SETSAVEPOINT);
    // The view lets go of the document; the reference from its creation is
    // the caller's, or is given back after an error.
    view.SendScintilla(Sci::SCI_SETDOCPOINTER, 0ul, 0l);
    if (load.ok())
        load.doc = doc;
    else
        view.SendScintilla(Sci::SCI_RELEASEDOCUMENT, 0ul, doc);
    return load;
}

} // namespace tw
