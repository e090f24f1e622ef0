#pragma once
// File > Print, File > Print Setup and Options > Font. Printing sends the shown
// document, or its selection, as plain text in the editor's font to the one
// printer of the run; the font command changes the editor's font and may turn
// a new text colour into the custom colour scheme.
#include <QObject>
#include <functional>
#include <memory>

#include "dialogs/PrintDialogs.h"

class QPrinter;
class QWidget;

namespace tw {

class DocumentTable;
class EditControl;
class Prompts;
struct EditorOptions;

class PrintCommands : public QObject {
    Q_OBJECT
public:
    // `applyEditorFont` shows the font and colour scheme of the options in the
    // edit control. The platform's dialogs are parented to `window`.
    PrintCommands(EditControl& edit, DocumentTable& table, EditorOptions& options,
                  Prompts& prompts, std::function<void()> applyEditorFont, QWidget* window);
    ~PrintCommands() override;

    // Replaces the platform's dialogs (tests script them); `dialogs` must
    // outlive its use.
    void useDialogs(PrintDialogs& dialogs) { dialogs_ = &dialogs; }

    void FilePrintMnuClick();
    void FilePrintSetupMnuClick();
    void OptionsFontMnuClick();

    // The editor's font as the options hold it: name, points and styles.
    static QFont editorFont(const EditorOptions& options);

private:
    // The printer is made at first use (finding printers can take a while)
    // and keeps its choices for the rest of the run.
    QPrinter& printer();
    QString printText(bool selectionChosen) const;
    void printPages(QPrinter& printer, const QString& text);

    EditControl& edit_;
    DocumentTable& table_;
    EditorOptions& options_;
    Prompts& prompts_;
    std::function<void()> applyEditorFont_;
    std::unique_ptr<PrintDialogs> platformDialogs_;
    PrintDialogs* dialogs_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace tw
