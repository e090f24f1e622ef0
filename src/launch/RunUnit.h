#pragma once
// The Run editor `TRunForm` ("Run Program"): the Run records edited one at a
// time (a record editor), with each record's menu name and hot key, which its
// Run-menu entry holds.
#include <QDialog>
#include <functional>
#include <memory>

#include "launch/LaunchTables.h"
#include "lists/RecordEditor.h"

class QButtonGroup;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tw {

class HotKeyEdit;
class Prompts;
class RecordEditorControls;
class TOrderForm;

class TRunForm : public QDialog, private RecordFields {
    Q_OBJECT
public:
    struct Hooks {
        std::function<bool()> confirmPrompts;
        std::function<void(int topic)> help;
        std::function<void()> runMenuChanged;   // rebuild the Run menu from the table
        std::function<TOrderForm&()> orderForm;
        std::function<QString()> browseFolder;   // the save dialog's folder
    };
    TRunForm(LaunchTables& tables, Prompts& prompts, Hooks hooks, QWidget* parent = nullptr);
    ~TRunForm() override;

    // Opens on a new record (the last one when the table is full).
    void FormShow();
    void showModally();
    RecordEditor& editor() { return *editor_; }

    void BrowseBtnClick();
    // Hands the names to the rearrange dialog and applies its order.
    void MenuItemOrderBtnClick();

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
    void changed();
    // Applies a rearranged order of names to the table.
    void applyOrder(const QStringList& names);

    LaunchTables& tables_;
    Prompts& prompts_;
    Hooks hooks_;
    std::unique_ptr<RecordEditor> editor_;
    RecordEditorControls* controls_ = nullptr;
    QLineEdit* program_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* params_ = nullptr;
    QPlainTextEdit* batch_ = nullptr;
    QButtonGroup* action_ = nullptr;
    HotKeyEdit* hotKey_ = nullptr;
    QPushButton* order_ = nullptr;
    int loadedShortcut_ = 0;   // the shown record's stored key code
    bool shown_ = false;
};

} // namespace tw
