#pragma once
// A name as the settings file holds it: the text the editor works with, and
// the bytes it was read as. As long as the text is the one read, the very
// bytes go back to the file, so a name written on another system (in Latin-1,
// say) is never rewritten; a changed text is written as UTF-8.
#include <QByteArray>
#include <QString>

namespace tw {

class StoredName {
public:
    StoredName() = default;
    // The bytes of a line of the settings file: UTF-8 when they are valid
    // UTF-8, otherwise one byte per character (Latin-1), never U+FFFD.
    static StoredName fromStored(const QByteArray& bytes);
    static StoredName fromText(const QString& text);

    const QString& text() const { return text_; }
    void setText(const QString& text) { text_ = text; }
    // The bytes to write: those read while the text is unchanged.
    QByteArray stored() const;

    bool operator==(const StoredName& other) const { return text_ == other.text_; }

private:
    QString text_;
    QString readText_;     // the text as read, null for a name made here
    QByteArray readBytes_;
};

} // namespace tw
