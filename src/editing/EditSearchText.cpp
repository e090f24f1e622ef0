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
            const qsizetype at = scan(what, from, to, options.matchCase);
            if (at < 0)
                return std::nullopt;
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

qsizetype EditSearchText::scan(const QByteArray& what, qsizetype from, qsizetype to,
                               bool matchCase) const {
    const qsizetype gap = edit_.SendScintilla(Sci::SCI_GETGAPPOSITION);
    const auto scanRange = [&](qsizetype start, qsizetype end) -> qsizetype {
        const qsizetype hit = findBytes(rangePointer(edit_, start, end - start), end - start, what, matchCase);
        return hit < 0 ? -1 : start + hit;
    };
    // A range that ends at the gap or starts there does not move it.
    if (gap <= from || gap >= to)
        return scanRange(from, to);
    if (const qsizetype hit = scanRange(from, gap); hit >= 0)
        return hit;
    // A match that straddles the gap: the few bytes on each side of it.
    const qsizetype seamStart = std::max(from, gap - what.size() + 1);
    const qsizetype seamEnd = std::min(to, gap + what.size() - 1);
    QByteArray seam(rangePointer(edit_, seamStart, gap - seamStart), gap - seamStart);
    seam.append(rangePointer(edit_, gap, seamEnd - gap), seamEnd - gap);
    if (const qsizetype hit = findBytes(seam.constData(), seam.size(), what, matchCase); hit >= 0)
        return seamStart + hit;
    return scanRange(gap, to);
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
    // Replacements close together become one change, built from the text
    // between them; those further apart are made one by one. So no change
    // copies more than a little text that stays as it was (undo keeps a copy
    // of every replaced range), and a Replace All over a gigabyte never holds
    // the text twice. Groups are made from the last to the first, so the
    // positions of those still to come stay as they are.
    auto groupEnd = pending_.end();
    while (groupEnd != pending_.begin()) {
        auto groupStart = groupEnd - 1;
        while (groupStart != pending_.begin()) {
            const Pending& before = *(groupStart - 1);
            const qsizetype between = groupStart->start - (before.start + before.length);
            const qsizetype span = (groupEnd - 1)->start + (groupEnd - 1)->length - before.start;
            if (between > kJoinDistance || span > kMaxGroupSpan)
                break;
            --groupStart;
        }
        replaceGroup(&*groupStart, groupEnd - groupStart);
        groupEnd = groupStart;
    }
    pending_.clear();
    delta_ = 0;
}

void EditSearchText::replaceGroup(const Pending* group, std::size_t count) const {
    if (count == 1) {
        replaceInDocument(group->start, group->length, group->bytes);
        return;
    }
    const qsizetype first = group[0].start;
    const qsizetype last = group[count - 1].start + group[count - 1].length;
    const char* old = rangePointer(edit_, first, last - first);
    QByteArray result;
    qsizetype at = first;
    for (std::size_t i = 0; i < count; ++i) {
        result.append(old + (at - first), group[i].start - at);
        result.append(group[i].bytes);
        at = group[i].start + group[i].length;
    }
    replaceInDocument(first, last - first, result);
}

void EditSearchText::replaceInDocument(qsizetype start, qsizetype length,
                                       const QByteArray& bytes) const {
    edit_.SendScintilla(Sci::SCI_SETTARGETSTART, static_cast<unsigned long>(start));
    edit_.SendScintilla(Sci::SCI_SETTARGETEND, static_cast<unsigned long>(start + length));
    edit_.SendScintilla(Sci::SCI_REPLACETARGET, static_cast<unsigned long>(bytes.size()),
                        bytes.constData());
}

} // namespace tw
