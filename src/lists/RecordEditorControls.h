#pragma once
// The controls every record-editor dialog has, built and wired once: the
// record-number box with its edit, scroll bar, Next and Previous, and the
// Delete, Reload, Save, Clear, New, Help and Close buttons. They forward the
// user's actions to a RecordEditor and show its state (show()).
#include <QObject>
#include <QString>

class QDialog;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace tw {

class RecordEditor;

struct RecordControlNames {
    const char* numberBox = "RecNumGB";
    const char* numberEdit = "RecNumEdit";
    const char* scrollBar = "RecNumSB";
    QString clearCaption = QStringLiteral("C&lear");
};

class RecordEditorControls : public QObject {
    Q_OBJECT
public:
    RecordEditorControls(QDialog* dialog, const RecordControlNames& names);

    // Connects the controls to editor; call once, before the dialog is used.
    void attach(RecordEditor* editor);
    // Shows the editor's number, scroll range and buttons' enabling.
    void show();

    QGroupBox* numberBox = nullptr;
    QLineEdit* numberEdit = nullptr;
    QScrollBar* scrollBar = nullptr;
    QPushButton* nextBtn = nullptr;
    QPushButton* previousBtn = nullptr;
    QPushButton* deleteBtn = nullptr;
    QPushButton* reloadBtn = nullptr;
    QPushButton* saveBtn = nullptr;
    QPushButton* clearBtn = nullptr;
    QPushButton* newBtn = nullptr;
    QPushButton* helpBtn = nullptr;
    QPushButton* closeBtn = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RecordEditor* editor_ = nullptr;
    bool showing_ = false;   // the controls are being set from the editor
};

// A push button named and captioned as designed, never a default button.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption);

} // namespace tw
