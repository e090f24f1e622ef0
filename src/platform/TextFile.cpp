#include "platform/TextFile.h"

#include "platform/TextFileReader.h"

namespace tw {

namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";
constexpr qsizetype kBomLength = 3;

// Collects the text in one array, sized from the file's length up front.
class ByteArraySink : public TextSink {
public:
    explicit ByteArraySink(QByteArray& bytes) : bytes_(bytes) {}
    void expect(qsizetype size) override { bytes_.reserve(size); }
    void append(const char* data, qsizetype length) override { bytes_.append(data, length); }
    void prepend(const char* data, qsizetype length) override { bytes_.prepend(data, length); }

private:
    QByteArray& bytes_;
};

} // namespace

LoadResult readTextFile(const QString& path)
{
    LoadResult result;
    ByteArraySink sink(result.text.bytes);
    TextReadResult read = readTextFileInto(path, sink);
    result.error = read.error;
    result.text.format = read.format;
    if (!result.ok())
        result.text.bytes.clear();
    return result;
}

QString writeTextFile(const QString& path, const char* data, qsizetype length,
                      const TextFormat& format, FileStamp* written)
{
    return writeTextFile(path, TextPieces{ByteRange{data, length}}, format, written);
}

QString writeTextFile(const QString& path, const TextPieces& text, const TextFormat& format,
                      FileStamp* written)
{
    const QByteArray lineBreak = format.lineBreak.isEmpty() ? QByteArrayLiteral("\n")
                                                            : format.lineBreak;
    const bool withBreak = format.finalBreak && (text.length() > 0 || format.fromFile);
    return writeRangesAtomically(path, {
        ByteRange{kBom, format.bom ? kBomLength : 0},
        text.first,
        text.second,
        ByteRange{lineBreak.constData(), withBreak ? lineBreak.size() : 0},
    }, written);
}

} // namespace tw
