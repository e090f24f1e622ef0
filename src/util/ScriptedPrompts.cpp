#include "util/ScriptedPrompts.h"

namespace tw {

QStringList ScriptedPrompts::texts() const {
    QStringList result;
    for (const ShownPrompt& p : shown_)
        if (p.kind == ShownPrompt::Kind::Message || p.kind == ShownPrompt::Kind::Question ||
            p.kind == ShownPrompt::Kind::Notice)
            result << p.text;
    return result;
}

void ScriptedPrompts::clear() {
    shown_.clear();
    unexpected_.clear();
    answers_.clear();
    inputs_.clear();
    files_.clear();
    several_.clear();
}

void ScriptedPrompts::message(const QString& text, MessageType type) {
    shown_.append({ShownPrompt::Kind::Message, text, type, Buttons::Ok, {}, std::nullopt});
}

void ScriptedPrompts::notice(const QString& text, MessageType type) {
    shown_.append({ShownPrompt::Kind::Notice, text, type, Buttons::Ok, {}, std::nullopt});
}

Answer ScriptedPrompts::ask(const QString& text, MessageType type, Buttons buttons) {
    return question(text, type, buttons, std::nullopt);
}

Answer ScriptedPrompts::askAt(const QString& text, MessageType type, Buttons buttons,
                              const QPoint& position) {
    return question(text, type, buttons, position);
}

Answer ScriptedPrompts::question(const QString& text, MessageType type, Buttons buttons,
                                 std::optional<QPoint> position) {
    shown_.append({ShownPrompt::Kind::Question, text, type, buttons, {}, position});
    if (answers_.isEmpty()) {
        unexpected_ << text;
        return buttons == Buttons::YesNoCancel || buttons == Buttons::RetryCancel ? Answer::Cancel
                                                                                : Answer::No;
    }
    return answers_.dequeue();
}

std::optional<QString> ScriptedPrompts::input(const QString& caption, const QString& prompt,
                                              const QString& preset) {
    shown_.append({ShownPrompt::Kind::Input, caption + QLatin1Char('|') + prompt + QLatin1Char('|') + preset,
                   MessageType::Information, Buttons::Ok, {}, std::nullopt});
    if (inputs_.isEmpty()) {
        unexpected_ << caption;
        return std::nullopt;
    }
    return inputs_.dequeue();
}

std::optional<FileDialogResult> ScriptedPrompts::nextFile(const QString& what) {
    if (files_.isEmpty()) {
        unexpected_ << what;
        return std::nullopt;
    }
    return files_.dequeue();
}

std::optional<FileDialogResult> ScriptedPrompts::openFile(const FileDialogRequest& request) {
    shown_.append({ShownPrompt::Kind::OpenDialog, request.title, MessageType::Information,
                   Buttons::Ok, request, std::nullopt});
    return nextFile(QStringLiteral("open dialog"));
}

std::optional<FileDialogResult> ScriptedPrompts::saveFile(const FileDialogRequest& request) {
    shown_.append({ShownPrompt::Kind::SaveDialog, request.title, MessageType::Information,
                   Buttons::Ok, request, std::nullopt});
    return nextFile(QStringLiteral("save dialog"));
}

} // namespace tw

namespace tw {

QStringList ScriptedPrompts::openFiles(const FileDialogRequest& request) {
    shown_.append({ShownPrompt::Kind::OpenDialog, request.title, MessageType::Information,
                   Buttons::Ok, request, std::nullopt});
    if (several_.isEmpty()) {
        unexpected_ << QStringLiteral("open dialog (several files)");
        return {};
    }
    return several_.dequeue();
}

} // namespace tw
