#include "support/PlainSearchText.h"

#include <algorithm>

#include "editing/TextMatcher.h"
#include "support/WordBoundaries.h"

namespace tw::test {

PlainSearchText::PlainSearchText(QByteArray bytes, TextFormat::Encoding encoding)
    : bytes_(std::move(bytes)), encoding_(encoding) {}

void PlainSearchText::undo() {
    bytes_ = beforeGroup_;
    select(selStart_, selLength_);
}

std::optional<QByteArray> PlainSearchText::searchBytes(const QString& text) const {
    return searchBytesFor(text, encoding_);
}

QByteArray PlainSearchText::replacementBytes(const QString& text) const {
    return replacementBytesFor(text, encoding_);
}

std::optional<TextMatch> PlainSearchText::find(const QByteArray& what, qsizetype start,
                                               qsizetype end, FindOptions options) {
    start = std::max<qsizetype>(start, 0);
    end = std::min(end, bytes_.size());
    const char* data = bytes_.constData();
    while (start < end) {
        const qsizetype hit = findBytes(data + start, end - start, what, options.matchCase);
        if (hit < 0)
            return std::nullopt;
        const qsizetype at = start + hit;
        if (!options.wholeWord || isWholeWordAt(data, bytes_.size(), at, at + what.size(), encoding_))
            return TextMatch{at, what.size()};
        start = at + 1;
    }
    return std::nullopt;
}

void PlainSearchText::select(qsizetype start, qsizetype length) {
    selStart_ = std::clamp<qsizetype>(start, 0, bytes_.size());
    selLength_ = std::clamp<qsizetype>(length, 0, bytes_.size() - selStart_);
}

bool PlainSearchText::replace(qsizetype start, qsizetype length, const QByteArray& bytes) {
    if (readOnly_)
        return false;
    if (depth_ == 0)
        beforeGroup_ = bytes_;
    bytes_.replace(start, length, bytes);
    selStart_ = start + bytes.size();
    selLength_ = 0;
    return true;
}

void PlainSearchText::beginChanges() {
    if (depth_++ == 0) {
        beforeGroup_ = bytes_;
        ++groups_;
    }
}

void PlainSearchText::endChanges() { depth_ = std::max(depth_ - 1, 0); }

} // namespace tw::test
