#pragma once
// The shown document as a searchable text: the edit control's find-text
// operation (Scintilla's search in target) decides every match.
//
// Speed: candidates are found by a byte scan over the buffer, and Scintilla
// confirms each one over exactly its own bytes, so the control's rules hold
// while a 10 MB text is scanned at memory speed. The scan reads the bytes on
// each side of Scintilla's gap where they lie, so a search never moves the
// text around. Between beginChanges and endChanges, replacements are held back
// and made when anything could observe them, those close together as one text
// change: 100,000 replacements in 10 MB cost a few thousand changes instead
// of 100,000, and undo as one step.
#include <vector>

#include "editing/SearchableText.h"

namespace tw {

class EditControl;

class EditSearchText : public SearchableText {
public:
    // With `deferReplacements` off every replacement is made at once (the
    // benchmark measures both).
    explicit EditSearchText(EditControl& edit, bool deferReplacements = true);

    qsizetype length() const override;
    std::optional<QByteArray> searchBytes(const QString& text) const override;
    QByteArray replacementBytes(const QString& text) const override;
    std::optional<TextMatch> find(const QByteArray& what, qsizetype start, qsizetype end,
                                  FindOptions options) override;
    qsizetype selStart() const override;
    qsizetype selLength() const override;
    void select(qsizetype start, qsizetype length) override;
    bool replace(qsizetype start, qsizetype length, const QByteArray& bytes) override;
    bool isReadOnly() const override;
    void beginChanges() override;
    void endChanges() override;

private:
    struct Pending {
        qsizetype start;    // in the document as it still is
        qsizetype length;
        QByteArray bytes;
    };

    // Replacements this close (bytes between them) are made as one change,
    // as long as it spans at most kMaxGroupSpan bytes.
    static constexpr qsizetype kJoinDistance = 256;
    static constexpr qsizetype kMaxGroupSpan = 64 * 1024;

    // Makes the held-back replacements, in one undo step.
    void flush() const;
    void replaceGroup(const Pending* group, std::size_t count) const;
    // The first place of `what` in the document's [from, to), or -1.
    qsizetype scan(const QByteArray& what, qsizetype from, qsizetype to, bool matchCase) const;
    // The end of the last held-back replacement, in the text as the caller
    // sees it.
    qsizetype pendingEnd() const;
    std::optional<TextMatch> findInDocument(const QByteArray& what, qsizetype start,
                                            qsizetype end, FindOptions options) const;
    bool confirm(const QByteArray& what, qsizetype at, FindOptions options) const;
    void replaceInDocument(qsizetype start, qsizetype length, const QByteArray& bytes) const;

    EditControl& edit_;
    bool defer_;
    int depth_ = 0;
    mutable std::vector<Pending> pending_;
    mutable qsizetype delta_ = 0;   // caller's positions minus the document's
};

} // namespace tw
