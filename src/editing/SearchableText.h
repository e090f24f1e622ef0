#pragma once
// What the search engine needs of a text: the edit control's find-text
// operation over a range, the selection, and replacing. Positions are buffer
// positions of the text (bytes of its encoding; a CR LF break counts two).
#include <QByteArray>
#include <QString>
#include <optional>

#include "editing/FindOptions.h"

namespace tw {

class SearchableText {
public:
    virtual ~SearchableText() = default;

    virtual qsizetype length() const = 0;
    // A read-only text refuses every change.
    virtual bool isReadOnly() const = 0;
    // The bytes that stand for `text` in this text's encoding; nothing when
    // the encoding cannot hold it (such a text is found nowhere).
    virtual std::optional<QByteArray> searchBytes(const QString& text) const = 0;
    // The bytes a replacement inserts, converted as Insert converts text.
    virtual QByteArray replacementBytes(const QString& text) const = 0;
    // The first match of `what` lying wholly inside [start, end), by the edit
    // control's rules for whole words and case. An empty `what` is found
    // nowhere, so no search can stand still.
    virtual std::optional<TextMatch> find(const QByteArray& what, qsizetype start, qsizetype end,
                                          FindOptions options) = 0;

    virtual qsizetype selStart() const = 0;
    virtual qsizetype selLength() const = 0;
    virtual void select(qsizetype start, qsizetype length) = 0;
    // Replaces `length` bytes at `start`; false, with nothing changed, when
    // the text refuses changes (read-only).
    virtual bool replace(qsizetype start, qsizetype length, const QByteArray& bytes) = 0;

    // The replacements between these two calls are undone as one step. Until
    // endChanges a text may hold back replacements that no later call can
    // observe, as long as every call answers as if they were made.
    virtual void beginChanges() = 0;
    virtual void endChanges() = 0;
};

} // namespace tw
