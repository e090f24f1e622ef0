#pragma once
// Reads a text file in chunks into whatever holds its text (a document, a
// byte array), so a file's bytes are copied once into their final place and
// never held whole a second time. The result is exactly what readTextFile
// describes: the text without its byte-order mark and its final line break,
// and the format those tell.
#include <QString>
#include <memory>

#include "platform/TextFile.h"

namespace tw {

// Where the text goes. Calls come in this order: expect (once, first), then
// any number of append, then at most one prepend.
class TextSink {
public:
    virtual ~TextSink() = default;
    // The file's size, a hint for reserving room (0 when unknown).
    virtual void expect(qsizetype size) = 0;
    virtual void append(const char* data, qsizetype length) = 0;
    // Only the three bytes of a byte-order mark in front of a file that turns
    // out not to be UTF-8: they are held back until the whole file is checked.
    virtual void prepend(const char* data, qsizetype length) = 0;
};

struct TextReadResult {
    TextFormat format;
    QString error;   // the system's error text; empty when the file was read
    bool ok() const { return error.isEmpty(); }
};

// The chunk a read asks for; tests give small ones to put chunk boundaries
// inside UTF-8 sequences, CR LF pairs and byte-order marks.
constexpr qsizetype kTextChunkSize = 512 * 1024;

// One reading of a file, a chunk at a time, so a caller can spread a big
// file over several turns of its event loop. The file is opened (and a
// file that cannot be read is reported) at construction; each step reads
// one chunk into the sink. The sink must outlive the reading.
class TextFileReading {
public:
    TextFileReading(const QString& path, TextSink& sink, qsizetype chunkSize = kTextChunkSize);
    ~TextFileReading();
    TextFileReading(const TextFileReading&) = delete;
    TextFileReading& operator=(const TextFileReading&) = delete;

    // Reads and hands over one chunk; false once the reading is over (the
    // end of the file, or an error).
    bool step();
    bool finished() const { return done_; }
    // The file's size when it was opened, and the bytes read so far.
    qsizetype size() const { return size_; }
    qsizetype bytesRead() const { return read_; }
    // Complete once finished; on an error the sink may hold part of the text.
    const TextReadResult& result() const { return result_; }

private:
    struct State;
    void finish(int error);

    TextSink& sink_;
    int fd_ = -1;
    qsizetype size_ = 0;
    qsizetype read_ = 0;
    bool done_ = false;
    std::unique_ptr<State> state_;
    TextReadResult result_;
};

// For tests: every read fails with `error` (an errno value) once `bytes` bytes
// of a file have been read; a negative count turns the fault off.
void failTextReadsAfter(qsizetype bytes, int error);

// Reads the file at path into sink. On an error the sink may hold part of
// the text; the caller drops it. Only regular files are read.
TextReadResult readTextFileInto(const QString& path, TextSink& sink,
                                qsizetype chunkSize = kTextChunkSize);

} // namespace tw
