#pragma once
// The copy/move dialog `TCMForm`: the target folder of File > Operations >
// Copy and Move, typed, chosen from the folders used before in this run, or
// picked in the folder tree of a volume from the drive box. One dialog lives
// for the whole run, so its folder list, tree and drive last between uses.
// What OK does with the folder is the caller's (FileOperationCommands).
#include <QDialog>
#include <functional>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QTreeView;

namespace tw {

class Prompts;
class ToolTipPolicy;

class TCMForm : public QDialog {
    Q_OBJECT
public:
    // accept gets the folder in its full form and tells whether the dialog may
    // close; it shows its own questions and messages.
    using FolderAction = std::function<bool(const QString& folder)>;
    // Whether the volume that holds a path answers (platform volumeReady).
    using ReadyCheck = std::function<bool(const QString& path)>;

    TCMForm(Prompts& prompts, ToolTipPolicy* hints, QWidget* parent = nullptr);

    // Shows the dialog modally for the file; OK runs action.
    void run(bool move, const QString& fileName, const FolderAction& action);
    // What showing does, without the modal loop (tests drive the controls).
    void prepare(bool move, const QString& fileName, const FolderAction& action);
    void setReadyCheck(ReadyCheck check) { ready_ = std::move(check); }

    // The checks and the OK of the design, public for the tests.
    bool DriveReadyCheck(const QString& path);
    void OKBtnClick();
    // Chooses a volume in the drive box by its root, as the user would.
    void chooseDrive(const QString& root);
    // The full form of a typed folder: absolute (against the current folder),
    // cleaned, ending in "/"; an empty text gives "/".
    static QString fullFolderForm(const QString& typed);
    QComboBox* folderBox() const { return folderCB_; }
    QComboBox* driveBox() const { return driveCB_; }
    QTreeView* folderTree() const { return dirLB_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void fillDrives();
    void showVolume(const QString& root);
    void DriveCBChange();
    void folderChosen();

    Prompts& prompts_;
    QLabel* label1_ = nullptr;
    QComboBox* folderCB_ = nullptr;
    QTreeView* dirLB_ = nullptr;
    QFileSystemModel* model_ = nullptr;
    QComboBox* driveCB_ = nullptr;
    int rememberedDrive_ = -1;
    bool changingDrive_ = false;
    FolderAction action_;
    ReadyCheck ready_;
};

} // namespace tw
