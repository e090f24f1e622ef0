#pragma once
// What the lists ask of the open documents: the main window's document table
// and file commands, seen from below. Slots are those of the document table:
// 0 the shown document, 1 .. DocCount() - 1 the parked ones. Every open and
// close shows its own messages and questions.
#include <QString>

#include "util/OpenResult.h"
#include "util/Prompts.h"

namespace tw {

class ListDocuments {
public:
    virtual ~ListDocuments() = default;

    virtual int DocCount() const = 0;
    virtual bool documentShown() const = 0;
    virtual QString CurrentFileName() const = 0;
    // The parked document in slot (1 .. DocCount() - 1).
    virtual QString parkedFileName(int slot) const = 0;
    virtual bool parkedModified(int slot) const = 0;
    // True when a document of exactly this name is open, shown or parked.
    virtual bool isOpenExactly(const QString& name) const = 0;

    virtual OpenResult OpenAsCurrent(const QString& name) = 0;
    virtual OpenResult OpenInBackground(const QString& name, bool asShown) = 0;
    virtual Answer AskSaveChanges(int slot) = 0;
    // Closes a parked document without a question; later slots move down one.
    virtual void closeParkedDocument(int slot) = 0;
    virtual bool CloseCurrentDocument() = 0;
    virtual bool CloseAllDocuments() = 0;
    // After documents were closed: a tab selected, document commands enabled.
    virtual void documentsClosed() = 0;
    // The title again, for a change of the open group.
    virtual void refreshTitle() = 0;
    // Shows the first parked document of that name; nothing when none.
    virtual void showParkedDocument(const QString& name) = 0;
    virtual bool IsSettingsFile(const QString& name, bool messages) = 0;
    virtual bool IsUntitledName(const QString& name) const = 0;

    // Around opening many documents: the window is repainted and its commands
    // enabled once, at the end.
    virtual void beginBatch() = 0;
    virtual void endBatch() = 0;
};

} // namespace tw
