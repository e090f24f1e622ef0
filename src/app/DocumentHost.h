#pragma once
// The main window's side of the document table and the file commands: what
// they ask the window to show or enable when documents come and go.
#include <QString>

namespace tw {

class DocumentHost {
public:
    virtual ~DocumentHost() = default;
    // After CurrentFileName changed: title, Execute enabling, and the
    // no-document state when the name is empty.
    virtual void currentFileNameChanged(const QString& name) = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
    virtual void RefreshModifiedState() = 0;
    virtual void ShowLineColumn() = 0;
    virtual void EnableCutCopy() = 0;
    virtual void EnableSwitchCommands() = 0;
    // Leaves the no-document state: the edit control is shown, active, and the
    // document commands enabled.
    virtual void showDocumentArea() = 0;
};

} // namespace tw
