#include "editing/EditSearchText.h"

#include <algorithm>

#include "editing/EditControl.h"
#include "editing/TextMatcher.h"

namespace tw {

namespace {

using Sci = QsciScintillaBase;

const char* rangePointer(const EditControl& edit, qsizetype start, qsizetype length) {
    return reinterpret_cast<const char*>(edit.SendScintilla(
        Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), static_cast<long>(length)));
}

} // namespace

EditSearchText::EditSearchText(EditControl& edit, bool deferReplacements)
    : edit_(edit), defer_(deferReplacements) {}

qsizetype EditSearchText::length() const {
    flush();
    return edit_.length();
}

std::optional<QByteArray> EditSearchText::searchBytes(const QString& text) const {
    return searchBytesFor(text, edit_.encoding());
}

QByteArray EditSearchText::replacementBytes(const QString& text) const {
    return replacementBytesFor(text, edit_.encoding());
}

std::optional<TextMatch> EditSearchText::find(const QByteArray& what, qsizetype start,
                                              qsizetype end, FindOptions options) {
    if (what.isEmpty())
        return std::nullopt;
    if (!pending_.empty() && start < pendingEnd())
        flush();
    for (;;) {
        // Only the start of a match that touches the last held-back
        // replacement looks at replaced text: the whole-word test there
        // must see the text as it will be.
        const qsizetype touching =
            pending_.empty() || !options.wholeWord ? -1 : pending_.back().start + pending_.back().length;
        qsizetype from = std::max<qsizetype>(start - delta_, 0);
        const qsizetype to = std::min(end - delta_, edit_.length());
        bool flushed = false;
        while (to - from >= what.size()) {
            const qsizetype hit = findBytes(rangePointer(edit_, from, to - from), to - from, what,
                                            options.matchCase);
            if (hit < 0)
                return std::nullopt;
            const qsizetype at = from + hit;
            if (at == touching) {
                flush();
                flushed = true;
                break;
            }
            if (confirm(what, at, options))
                return TextMatch{at + delta_, what.size()};
            from = at + 1;
        }
        if (!flushed)
            return std::nullopt;
    }
}

bool EditSearchText::confirm(const QByteArray& what, qsizetype at, FindOptions options) const {
    unsigned long flags = 0;
    if (options.matchCase)
        flags |= Sci::SCFIND_MATCHCASE;
    if (options.wholeWord)
        flags |= Sci::SCFIND_WHOLEWORD;
    edit_.SendScintilla(Sci::SCI_SETSEARCHFLAGS, flags);
    edit_.SendScintilla(Sci::SCI_SETTARGETSTART, static_cast<unsigned long>(at));
    edit_.SendScintilla(Sci::SCI_SETTARGETEND, static_cast<unsigned long>(at + what.size()));
    const long found = edit_.SendScintilla(Sci::SCI_SEARCHINTARGET,
                                           static_cast<unsigned long>(what.size()), what.constData());
    return found == at && edit_.SendScintilla(Sci::SCI_GETTARGETEND) == at + what.size();
}

qsizetype EditSearchText::selStart() const {
    flush();
    return edit_.selStart();
}

qsizetype EditSearchText::selLength() const {
    flush();
    return edit_.selLength();
}

void EditSearchText::select(qsizetype start, qsizetype length) {
    flush();
    edit_.setSelection(start, length);
}

bool EditSearchText::isReadOnly() const { return edit_.isReadOnly(); }

bool EditSearchText::replace(qsizetype start, qsizetype length, const QByteArray& bytes) {
    if (edit_.isReadOnly())
        return false;
    if (!pending_.empty() && start < pendingEnd())
        flush();
    if (!defer_ || depth_ == 0) {
        flush();
        replaceInDocument(start, length, bytes);
        return true;
    }
    pending_.push_back({start - delta_, length, bytes});
    delta_ += bytes.size() - length;
    return true;
}

void EditSearchText::beginChanges() {
    ++depth_;
    edit_.SendScintilla(Sci::SCI_BEGINUNDOACTION);
}

void EditSearchText::endChanges() {
    if (depth_ == 0)
        return;
    if (--depth_ == 0)
        flush();
    edit_.SendScintilla(Sci::SCI_ENDUNDOACTION);
}

qsizetype EditSearchText::pendingEnd() const {
    const Pending& last = pending_.back();
    return last.start + last.length + delta_;
}

void EditSearchText::flush() const {
    if (pending_.empty())
        return;
    if (pending_.size() == 1) {
        replaceInDocument(pending_[0].start, pending_[0].length, pending_[0].bytes);
    } else {
        const qsizetype first = pending_.front().start;
        const qsizetype last = pending_.back().start + pending_.back().length;
        const char* old = rangePointer(edit_, first, last - first);
        QByteArray result;
        result.reserve(last - first + delta_);
        qsizetype at = first;
        for (const Pending& p : pending_) {
            result.append(old + (at - first), p.start - at);
            result.append(p.bytes);
            at = p.start + p.length;
        }
        replaceInDocument(first, last - first, result);
    }
    pending_.clear();
    delta_ = 0;
}

void EditSearchText::replaceInDocument(qsizetype start, qsizetype length,
                                       const QByteArray& bytes) const {
    edit_.SendScintilla(Sci::SCI_SETTARGETSTART, static_cast<unsigned long>(start));
    edit_.SendScintilla(Sci::SCI_SETTARGETEND, static_cast<unsigned long>(start + length));
    edit_.SendScintilla(Sci::SCI_REPLACETARGET, static_cast<unsigned long>(bytes.size()),
                        bytes.constData());
}

} // namespace tw
