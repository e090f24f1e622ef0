#pragma once
// The group editor `TGroupForm` ("Group"): one group at a time, its name and
// files with the main file, as a record editor (RecordEditor) over the group
// table of FileLists. Save, Delete and Menu Item Order change the "Open
// Group" submenu at once.
#include <QDialog>
#include <functional>
#include <memory>

#include "lists/GroupFiles.h"
#include "lists/RecordEditor.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace tw {

class FileListBox;
class FileLists;
class TOrderForm;

class TGroupForm : public QDialog, private RecordFields {
    Q_OBJECT
public:
    TGroupForm(FileLists& lists, Prompts& prompts, TOrderForm& order,
               std::function<bool(const QString&)> isSettingsFile,
               std::function<bool()> confirmPrompts, QWidget* parent = nullptr);
    ~TGroupForm() override;

    // Shows the editor modally: the open group's record, else a new one.
    // filter is the open dialog's, shownFile the shown document ("" none).
    void edit(const QString& filter, const QString& shownFile);
    // What showing does, without the modal loop; and what hiding does.
    void load(const QString& filter, const QString& shownFile);
    void unload();

    RecordEditor& records() { return *editor_; }
    GroupFiles& files() { return files_; }

    void AddBtnClick();
    void RemoveBtnClick();
    void OrderBtnClick();
    void MenuItemOrderBtnClick();
    void MainFileCBClick(bool checked);

signals:
    void helpRequested(int topic);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    // RecordFields
    int savedCount() const override;
    void loadRecord(int number) override;
    void clearFields() override;
    bool enoughData() const override;
    bool saveRecord(int number) override;
    void deleteRecord(int number) override;
    void stateChanged() override;

    void buildControls();
    void showFiles();
    void filesEdited();
    void refreshListButtons();

    FileLists& lists_;
    Prompts& prompts_;
    TOrderForm& orderForm_;
    std::function<bool(const QString&)> isSettingsFile_;
    std::unique_ptr<RecordEditor> editor_;
    GroupFiles files_;
    QString filter_;
    QString shownFile_;
    QString dialogFolder_;
    bool shown_ = false;

    QLineEdit* nameEdit_ = nullptr;
    QLineEdit* numberEdit_ = nullptr;
    QScrollBar* scrollBar_ = nullptr;
    QGroupBox* filesBox_ = nullptr;
    FileListBox* box_ = nullptr;
    QCheckBox* mainFileCB_ = nullptr;
    QPushButton* nextBtn_ = nullptr;
    QPushButton* preBtn_ = nullptr;
    QPushButton* menuItemOrderBtn_ = nullptr;
    QPushButton* removeBtn_ = nullptr;
    QPushButton* orderBtn_ = nullptr;
    QPushButton* deleteBtn_ = nullptr;
    QPushButton* reloadBtn_ = nullptr;
    QPushButton* saveBtn_ = nullptr;
    QPushButton* newBtn_ = nullptr;
};

} // namespace tw
