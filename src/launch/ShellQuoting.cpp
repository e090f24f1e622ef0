#include "launch/ShellQuoting.h"

#include <QList>

namespace tw {

namespace {

// Follows the quoting of shell text as it is written, far enough to know
// where a file value lands.
class ShellContext {
public:
    enum class Frame { Top, Double, Single, Backquote, Substitution, Braces, Comment };

    void feed(const QString& text) {
        for (const QChar c : text)
            feed(c);
    }

    // value as shell text that reads back as exactly value at this place.
    QString quote(const QString& value) const {
        QString quoted;
        if (escaped_)
            quoted += u'\n';   // with the pending backslash: a line continuation
        switch (stack_.last()) {
        case Frame::Comment: {
            QString flat = value;
            flat.replace(u'\n', u' ').replace(u'\r', u' ');
            return quoted + flat;
        }
        case Frame::Double:
            // "$" just before would make "$(" or "$name" of the value's start.
            if (dollar_)
                quoted += QStringLiteral("\"\"");
            quoted += escapedForDouble(value);
            break;
        case Frame::Single:
            quoted += u'\'' + doubleQuoted(value) + u'\'';
            break;
        default:
            quoted += doubleQuoted(value);
            break;
        }
        // Text between backquotes is read twice: once to find the end of the
        // backquotes (undoing \\, \` and \$), then as a command.
        for (qsizetype i = stack_.size() - 1; i > 0; --i)
            if (stack_.at(i) == Frame::Backquote)
                quoted = escapedForBackquotes(quoted);
        return quoted;
    }

private:
    static QString escapedForDouble(const QString& value) {
        QString out;
        out.reserve(value.size() + 8);
        for (const QChar c : value) {
            if (c == u'\\' || c == u'"' || c == u'$' || c == u'`')
                out += u'\\';
            out += c;
        }
        return out;
    }
    static QString doubleQuoted(const QString& value) {
        return u'"' + escapedForDouble(value) + u'"';
    }
    static QString escapedForBackquotes(const QString& text) {
        QString out;
        for (const QChar c : text) {
            if (c == u'\\' || c == u'`' || c == u'$')
                out += u'\\';
            out += c;
        }
        return out;
    }
    static bool startsWord(QChar previous) {
        return previous.isSpace() || QStringView(u";&|()<>").contains(previous);
    }

    void push(Frame f) {
        stack_.append(f);
        depth_.append(1);
    }
    void pop() {
        if (stack_.size() > 1) {
            stack_.removeLast();
            depth_.removeLast();
        }
    }

    void feed(QChar c) {
        const Frame f = stack_.last();
        const bool afterDollar = dollar_;
        dollar_ = false;
        if (escaped_) {
            escaped_ = false;
            previous_ = c;
            return;
        }
        switch (f) {
        case Frame::Comment:
            if (c == u'\n')
                pop();
            break;
        case Frame::Single:
            if (c == u'\'')
                pop();
            break;
        case Frame::Double:
            if (c == u'\\')
                escaped_ = true;
            else if (c == u'"')
                pop();
            else if (c == u'`')
                push(Frame::Backquote);
            else if (afterDollar && c == u'(')
                push(Frame::Substitution);
            else if (afterDollar && c == u'{')
                push(Frame::Braces);
            else
                dollar_ = c == u'$' && !afterDollar;
            break;
        default:
            if (c == u'\\')
                escaped_ = true;
            else if (c == u'\'')
                push(Frame::Single);
            else if (c == u'"')
                push(Frame::Double);
            else if (c == u'`')
                f == Frame::Backquote ? pop() : push(Frame::Backquote);
            else if (afterDollar && c == u'(')
                push(Frame::Substitution);
            else if (afterDollar && c == u'{')
                push(Frame::Braces);
            else if (f == Frame::Substitution && c == u'(')
                ++depth_.last();
            else if (f == Frame::Substitution && c == u')') {
                if (--depth_.last() == 0)
                    pop();
            } else if (f == Frame::Braces && c == u'}')
                pop();
            else if (c == u'#' && f != Frame::Braces && startsWord(previous_))
                push(Frame::Comment);
            else
                dollar_ = c == u'$' && !afterDollar;
            break;
        }
        previous_ = c;
    }

    QList<Frame> stack_{Frame::Top};
    QList<int> depth_{1};   // open parentheses of each $( frame
    bool escaped_ = false;
    bool dollar_ = false;   // the last character was a "$" that can start an expansion
    QChar previous_ = u'\n';
};

} // namespace

QString ShellScriptText(const CommandLine& script) {
    ShellContext context;
    QString out;
    for (const CommandSegment& s : script.segments()) {
        const QString piece =
            s.kind == CommandSegment::Kind::FileValue ? context.quote(s.text) : s.text;
        context.feed(piece);
        out += piece;
    }
    return out;
}

QString SingleQuoted(const QString& value) {
    QString inner = value;
    inner.replace(u'\'', QStringLiteral("'\\''"));
    return u'\'' + inner + u'\'';
}

} // namespace tw
