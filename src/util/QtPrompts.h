#pragma once
// The program's prompts: Qt's message boxes, input dialog and file dialogs.
#include <QPointer>
#include <QWidget>

#include "util/Prompts.h"

namespace tw {

class QtPrompts : public Prompts {
public:
    void setParentWindow(QWidget* parent) { parent_ = parent; }

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
    Answer question(const QString& text, MessageType type, Buttons buttons,
                    const QPoint* position);

    QPointer<QWidget> parent_;
};

// "desc|pattern|desc|pattern" as Qt's name filters ("desc (pattern)").
QStringList qtNameFilters(const QString& filter);

} // namespace tw
