#include "launch/RunMacros.h"

#include <QList>

#include "util/Prompts.h"

namespace tw {

namespace {

const QString kPrompt = QStringLiteral("%p%");
const QString kCommand = QStringLiteral("%cmd%");

bool isMacroLetter(QChar c) {
    return c == u'd' || c == u'f' || c == u'p' || c == u'v' || c == u'x';
}

// After a "$" in batch text: the shell's own expansions.
bool leftToShell(QChar c) {
    return c == u'{' || c == u'(' || c == u'$' || (c >= u'0' && c <= u'9')
           || (c >= u'A' && c <= u'Z') || QStringView(u"_?#@*!-").contains(c);
}

struct Part {
    enum class Kind { Text, Macro, Prompt, Command } kind;
    QString text;   // the text, or the macro's letters
};

QList<Part> parse(const QString& text, MacroPlace place) {
    QList<Part> parts;
    auto addText = [&parts](const QString& t) {
        if (!parts.isEmpty() && parts.last().kind == Part::Kind::Text)
            parts.last().text += t;
        else
            parts.append({Part::Kind::Text, t});
    };
    const bool batch = place == MacroPlace::BatchText;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c == u'$') {
            if (batch && i + 1 < text.size() && leftToShell(text.at(i + 1))) {
                addText(text.mid(i, 2));
                i += 2;
                continue;
            }
            qsizetype end = i + 1;
            while (end < text.size() && isMacroLetter(text.at(end)))
                ++end;
            parts.append({Part::Kind::Macro, text.mid(i + 1, end - i - 1)});
            i = end;
        } else if (QStringView(text).sliced(i).startsWith(kPrompt)) {
            parts.append({Part::Kind::Prompt, {}});
            i += kPrompt.size();
        } else if (batch && QStringView(text).sliced(i).startsWith(kCommand)) {
            parts.append({Part::Kind::Command, {}});
            i += kCommand.size();
        } else {
            addText(QString(c));
            ++i;
        }
    }
    return parts;
}

} // namespace

QString MacroValue(const QString& letters, const MacroSource& source) {
    QString value = source.file;
    if (letters.contains(u'v'))
        value = value.left(1);
    if (letters.contains(u'd'))
        value = ShortFileName(value, source.style, source.lookup);
    if (letters.contains(u'x')) {
        const int dot = ExtensionDotIndex(value, source.style);
        if (dot >= 0)
            value.truncate(dot);
    }
    if (letters.contains(u'p'))
        value = DirectoryPart(value, source.style);
    if (letters.contains(u'f'))
        value = FileNamePart(value, source.style);
    return value;
}

std::optional<CommandLine> ExpandRunMacros(const QString& text, MacroPlace place,
                                           const MacroSource& source, Prompts& prompts,
                                           const CommandLine& commandLine) {
    QList<Part> parts = parse(text, place);
    for (Part& part : parts)   // file values first: a failing d stops before any prompt
        if (part.kind == Part::Kind::Macro)
            part.text = MacroValue(part.text, source);

    CommandLine expanded;
    QString previous;
    for (const Part& part : parts) {
        switch (part.kind) {
        case Part::Kind::Text:
            expanded.appendText(part.text);
            break;
        case Part::Kind::Macro:
            expanded.appendFileValue(part.text);
            break;
        case Part::Kind::Command:
            expanded.append(commandLine);
            break;
        case Part::Kind::Prompt: {
            const std::optional<QString> answer = prompts.input(
                QStringLiteral("Parameters"), QStringLiteral("Input Parameters"), previous);
            if (answer) {
                previous = *answer;
            } else if (prompts.ask(QStringLiteral("Do you still want to execute this program"),
                                   MessageType::Confirmation, Buttons::YesNo)
                       != Answer::Yes) {
                return std::nullopt;
            }
            expanded.appendAnswer(previous);
            break;
        }
        }
    }
    return expanded;
}

} // namespace tw
