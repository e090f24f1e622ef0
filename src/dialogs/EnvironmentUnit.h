#pragma once
// The Environment dialog `TEnvironmentForm`: the editor-wide options in one
// window. It edits a set of values; the main window loads them from its live
// settings before showing it and applies them all at once after OK. Cancel,
// Esc and the close box change nothing.
#include <QColor>
#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace tw {

class ColorGrid;

struct EnvironmentValues {
    int colourScheme = 0;   // 0 Windows Default, 1 Pascal, 2 Custom
    QColor customText;
    QColor customBackground;
    int keystrokeMapping = 0;   // 0 Typical Windows, 1 Pascal
    int startupMode = 0;        // 0 last files, 1 new file, 2 no file
    int backupStyle = 0;        // 0 ".bak", 1 "~"
    bool autosaveOn = false;
    int autosaveMinutes = 10;   // 1 .. 65
    bool showHints = true;
    int hintPause = 500;        // milliseconds
    int hintHidePause = 2500;
    int tabUse = 0;             // 0 tab, 1 spaces, 2 X spaces
    int tabSpaces = 2;          // 1 .. 8
    bool persistentGroups = false;
    bool confirmPrompts = true;
    bool autoIndent = true;
};

class TEnvironmentForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 8;

    explicit TEnvironmentForm(QWidget* parent = nullptr);

    // Loads the values, shows the dialog modally and, on OK, gives the values
    // as the controls hold them. False on Cancel (values untouched).
    bool edit(EnvironmentValues& values);
    // What showing does.
    void load(const EnvironmentValues& values);
    // The values OK applies: the controls read as the design's OK reads them.
    // A custom colour the grid shows no cell for is kept as it was loaded.
    EnvironmentValues values() const;

signals:
    void helpRequested(int topic);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void enableDependents();

    EnvironmentValues loaded_;
    ColorGrid* grid_ = nullptr;
    QButtonGroup* colorRG_ = nullptr;
    QButtonGroup* keystrokeRG_ = nullptr;
    QButtonGroup* startWithRG_ = nullptr;
    QButtonGroup* backupExtRG_ = nullptr;
    QButtonGroup* tabUseRG_ = nullptr;
    QCheckBox* autosaveCB_ = nullptr;
    QSpinBox* intervalSE_ = nullptr;
    QLabel* intervalLab_ = nullptr;
    QCheckBox* showHintsCB_ = nullptr;
    QLineEdit* hintElapseEdit_ = nullptr;
    QLineEdit* hintDurationEdit_ = nullptr;
    QSpinBox* xSpacesSE_ = nullptr;
    QLabel* xSpacesLab_ = nullptr;
    QCheckBox* persistentGroupsCB_ = nullptr;
    QCheckBox* confirmPromptCB_ = nullptr;
    QCheckBox* autoIndentCB_ = nullptr;
};

} // namespace tw
