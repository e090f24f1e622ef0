#pragma once
// A command line made of pieces that keep apart what the user wrote from what
// the editor put in: the text of a record, the value of a file-name macro, the
// answer typed at a prompt. A file value is data, never code: started
// directly it is always exactly one argument, and in a shell script it is
// quoted for the place it lands in (see ShellQuoting).
#include <QList>
#include <QString>
#include <QStringList>

namespace tw {

struct CommandSegment {
    enum class Kind { Text, FileValue, Answer };
    Kind kind = Kind::Text;
    QString text;
    bool operator==(const CommandSegment&) const = default;
};

class CommandLine {
public:
    CommandLine() = default;
    explicit CommandLine(const QString& text) { appendText(text); }

    void appendText(const QString& text);
    void appendFileValue(const QString& value);
    void appendAnswer(const QString& answer);
    void append(const CommandLine& other);

    const QList<CommandSegment>& segments() const { return segments_; }
    bool isEmpty() const { return segments_.isEmpty(); }

    // The pieces joined as they stand: what the user is shown (and what the
    // messages quote) as "the command line".
    QString text() const;

    // Program and arguments for a direct start. Record text and answers are
    // split as a typed command line is (blanks separate, double quotes group,
    // three double quotes make one), a file value is one argument joined to
    // the text directly around it ("-o$x.o" stays one argument), also when
    // it is empty or holds blanks, quotes or any other character.
    QStringList arguments() const;

private:
    void add(CommandSegment::Kind kind, const QString& text);
    QList<CommandSegment> segments_;
};

} // namespace tw
