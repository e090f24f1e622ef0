#include "launch/CommandLine.h"

namespace tw {

void CommandLine::add(CommandSegment::Kind kind, const QString& text) {
    // Neighbouring pieces of text merge, so the segments stay few.
    if (kind != CommandSegment::Kind::FileValue && !segments_.isEmpty()
        && segments_.last().kind == kind) {
        segments_.last().text += text;
        return;
    }
    if (text.isEmpty() && kind != CommandSegment::Kind::FileValue)
        return;
    segments_.append({kind, text});
}

void CommandLine::appendText(const QString& text) { add(CommandSegment::Kind::Text, text); }
void CommandLine::appendFileValue(const QString& value) {
    add(CommandSegment::Kind::FileValue, value);
}
void CommandLine::appendAnswer(const QString& answer) {
    add(CommandSegment::Kind::Answer, answer);
}

void CommandLine::append(const CommandLine& other) {
    for (const CommandSegment& s : other.segments_)
        add(s.kind, s.text);
}

QString CommandLine::text() const {
    QString joined;
    for (const CommandSegment& s : segments_)
        joined += s.text;
    return joined;
}

QStringList CommandLine::arguments() const {
    // Qt's rules for a typed command line, with file values taken whole.
    QStringList args;
    QString current;
    bool started = false;   // an argument is under way (a file value may be empty)
    int quoteCount = 0;
    bool inQuote = false;
    auto settleQuotes = [&] {
        if (quoteCount == 1)
            inQuote = !inQuote;
        quoteCount = 0;
    };
    for (const CommandSegment& s : segments_) {
        if (s.kind == CommandSegment::Kind::FileValue) {
            settleQuotes();
            current += s.text;
            started = true;
            continue;
        }
        for (const QChar c : s.text) {
            if (c == u'"') {
                if (++quoteCount == 3) {
                    quoteCount = 0;
                    current += c;
                    started = true;
                }
                continue;
            }
            settleQuotes();
            if (!inQuote && c.isSpace()) {
                if (started)
                    args << current;
                current.clear();
                started = false;
            } else {
                current += c;
                started = true;
            }
        }
    }
    if (started)
        args << current;
    return args;
}

} // namespace tw
