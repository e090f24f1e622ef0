#pragma once
// The Execute Options dialog `TExeOptForm`: the executable-extension table
// edited one record at a time (a record editor), and the hot key of
// Execute > Current File.
#include <QDialog>
#include <functional>
#include <memory>

#include "launch/LaunchTables.h"
#include "lists/RecordEditor.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace tw {

class HotKeyEdit;
class Prompts;
class RecordEditorControls;

class TExeOptForm : public QDialog, private RecordFields {
    Q_OBJECT
public:
    struct Hooks {
        std::function<bool()> confirmPrompts;
        std::function<void(int topic)> help;
        // The hot key chosen for Execute > Current File (a shortcut code).
        std::function<void(int code)> applyShortcut;
    };
    TExeOptForm(LaunchTables& tables, Prompts& prompts, Hooks hooks, QWidget* parent = nullptr);
    ~TExeOptForm() override;

    // Loads the dialog for a document with this extension ("" for none):
    // its record when the table has one, else a new record.
    void FormShow(const QString& extension);
    // FormShow, then the dialog modally.
    void showFor(const QString& extension);
    RecordEditor& editor() { return *editor_; }

protected:
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int savedCount() const override;
    void loadRecord(int number) override;
    void clearFields() override;
    bool enoughData() const override;
    bool saveRecord(int number) override;
    void deleteRecord(int number) override;
    void stateChanged() override;
    void buildControls();
    int action() const;

    LaunchTables& tables_;
    Prompts& prompts_;
    Hooks hooks_;
    std::unique_ptr<RecordEditor> editor_;
    RecordEditorControls* controls_ = nullptr;
    QLineEdit* source_ = nullptr;
    QLineEdit* exe_ = nullptr;
    QCheckBox* params_ = nullptr;
    QCheckBox* cd_ = nullptr;
    QButtonGroup* action_ = nullptr;
    HotKeyEdit* hotKey_ = nullptr;
    bool shown_ = false;   // FormShow ran and the hide has not yet
};

} // namespace tw
