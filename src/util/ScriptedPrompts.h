#pragma once
// Prompts for tests: every text shown is recorded, and every question, input
// box and file dialog is answered from a script. A prompt with no scripted
// answer is recorded as unexpected and answered with Cancel.
#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

#include "util/Prompts.h"

namespace tw {

struct ShownPrompt {
    enum class Kind { Message, Question, Input, OpenDialog, SaveDialog, Notice } kind;
    QString text;            // message or question text; caption for dialogs
    MessageType type = MessageType::Information;
    Buttons buttons = Buttons::Ok;
    FileDialogRequest request;   // file dialogs only
    std::optional<QPoint> position;   // questions asked at a position only
};

class ScriptedPrompts : public Prompts {
public:
    // Scripting, in the order the answers will be needed.
    void answer(Answer a) { answers_.enqueue(a); }
    void type(const std::optional<QString>& text) { inputs_.enqueue(text); }
    void choose(const QString& fileName, bool readOnly = false) {
        files_.enqueue(FileDialogResult{fileName, readOnly, 0});
    }
    void cancelDialog() { files_.enqueue(std::nullopt); }
    // The answer of the next several-files open dialog (empty: cancelled).
    void chooseFiles(const QStringList& fileNames) { several_.enqueue(fileNames); }

    const QList<ShownPrompt>& shown() const { return shown_; }
    // The texts of every message, notice and question, in order.
    QStringList texts() const;
    QStringList unexpected() const { return unexpected_; }
    bool scriptUsedUp() const {
        return answers_.isEmpty() && inputs_.isEmpty() && files_.isEmpty() && several_.isEmpty();
    }
    void clear();

    void message(const QString& text, MessageType type) override;
    void notice(const QString& text, MessageType type) override;
    Answer ask(const QString& text, MessageType type, Buttons buttons) override;
    Answer askAt(const QString& text, MessageType type, Buttons buttons,
                 const QPoint& position) override;
    std::optional<QString> input(const QString& caption, const QString& prompt,
                                 const QString& preset) override;
    std::optional<FileDialogResult> openFile(const FileDialogRequest& request) override;
    std::optional<FileDialogResult> saveFile(const FileDialogRequest& request) override;
    QStringList openFiles(const FileDialogRequest& request) override;

private:
    std::optional<FileDialogResult> nextFile(const QString& what);
    Answer question(const QString& text, MessageType type, Buttons buttons,
                    std::optional<QPoint> position);

    QList<ShownPrompt> shown_;
    QStringList unexpected_;
    QQueue<Answer> answers_;
    QQueue<std::optional<QString>> inputs_;
    QQueue<std::optional<FileDialogResult>> files_;
    QQueue<QStringList> several_;
};

} // namespace tw
