#pragma once
// Every text the editor shows the user, and every question it asks, goes through
// this interface. The program uses QtPrompts; tests use ScriptedPrompts, which
// records each text and answers from a script.
#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

namespace tw {

enum class MessageType { Warning, Error, Information, Confirmation };
// YesNoDefaultNo is for questions whose Yes throws text away: Return answers No.
enum class Buttons { Ok, YesNo, YesNoCancel, YesNoDefaultNo, RetryCancel };
// Answer values follow the message-box results; None means nothing was asked.
enum class Answer { None = 0, Ok = 1, Cancel = 2, Retry = 4, Yes = 6, No = 7 };

struct FileDialogRequest {
    QString title;            // empty: the dialog's own title
    QString filter;           // "desc|pattern|desc|pattern..."
    int filterIndex = 0;      // 1-based; 0 selects the first
    QString initialDir;
    QString defaultExt;       // without the dot
    QString fileName;         // preset name in the name box
    bool createPrompt = false;   // open dialog: a missing name asks to create it
    bool hideReadOnly = false;   // open dialog: no "open read-only" box
};

struct FileDialogResult {
    QString fileName;          // full path of the chosen file
    bool readOnlyTicked = false;
    int filterIndex = 0;
};

class Prompts {
public:
    virtual ~Prompts() = default;

    // A modal box with one OK button.
    virtual void message(const QString& text, MessageType type) = 0;
    // A box with one OK button that nothing waits for and that leaves the
    // keyboard where it is, for news that comes while the user types.
    // Prompts that cannot show one show a message instead.
    virtual void notice(const QString& text, MessageType type) { message(text, type); }
    // A confirmation box; returns Yes, No or Cancel.
    virtual Answer ask(const QString& text, MessageType type, Buttons buttons) = 0;
    // The same box with its top-left corner at `position` on the screen, for
    // a question that must leave part of the window visible. Prompts that
    // cannot place their boxes ask it as above.
    virtual Answer askAt(const QString& text, MessageType type, Buttons buttons,
                         const QPoint& position) {
        Q_UNUSED(position);
        return ask(text, type, buttons);
    }
    // One-line input box: the typed text, or nothing on Cancel.
    virtual std::optional<QString> input(const QString& caption, const QString& prompt,
                                         const QString& preset) = 0;
    // Common open and save dialogs: the chosen file, or nothing on Cancel.
    virtual std::optional<FileDialogResult> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<FileDialogResult> saveFile(const FileDialogRequest& request) = 0;
    // The open dialog choosing one or more existing files (the list editors'
    // Add): the files in the order the dialog gives them, empty on Cancel.
    virtual QStringList openFiles(const FileDialogRequest& request) {
        const std::optional<FileDialogResult> one = openFile(request);
        return one ? QStringList{one->fileName} : QStringList{};
    }
};

// The application title that every box carries.
inline const QString kAppTitle = QStringLiteral("Tarnwick");

} // namespace tw
