#pragma once
// The properties dialog `TPropertiesForm`: the shown document's file name,
// its group, the document's and the disk file's sizes, and four attribute
// boxes (Read Only, Archive, Hidden, System) of which only those the user
// clicked are written back on OK.
#include <QDialog>

class QCheckBox;
class QGridLayout;
class QLabel;

namespace tw {

class Prompts;
class ToolTipPolicy;

// What the main window knows of the shown document.
struct DocumentFacts {
    QString fileName;
    // False for an untitled (or otherwise relative) name: such a document has
    // no file, and the name is never looked up on disk.
    bool hasFile = false;
    QString groupName;   // the open group's bare name, or "" when not in it
    qint64 openSize = 0;   // the edit control's text length
};

class TPropertiesForm : public QDialog {
    Q_OBJECT
public:
    TPropertiesForm(Prompts& prompts, ToolTipPolicy* hints, QWidget* parent = nullptr);

    // Fills the dialog and shows it modally, centred on the screen.
    void run(const DocumentFacts& facts);
    // What showing does, without the modal loop (tests drive the controls).
    void prepare(const DocumentFacts& facts);
    void OKBtnClick();

private:
    void buildControls();
    QLabel* addFact(QGridLayout* grid, int row, const QString& caption, const char* name);

    Prompts& prompts_;
    DocumentFacts facts_;
    int foundBits_ = 0;
    QLabel* fileNameLab_ = nullptr;
    QLabel* dosFileNameLab_ = nullptr;
    QLabel* groupLab_ = nullptr;
    QLabel* openFileSizeLab_ = nullptr;
    QLabel* diskFileSizeLab_ = nullptr;
    QCheckBox* boxes_[4] = {};     // Read Only, Archive, Hidden, System
    bool marks_[4] = {};           // AttributeChangedMark, one per box
};

} // namespace tw
