#include "app/ListDocumentSide.h"

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "app/MainForm.h"
#include "app/UntitledNames.h"

namespace tw {

int ListDocumentSide::DocCount() const { return window_.documents().DocCount(); }

bool ListDocumentSide::documentShown() const { return window_.files().documentShown(); }

QString ListDocumentSide::CurrentFileName() const { return window_.documents().CurrentFileName(); }

QString ListDocumentSide::parkedFileName(int slot) const {
    const DocRecord* rec = window_.documents().record(slot);
    return rec ? rec->FileName : QString();
}

bool ListDocumentSide::parkedModified(int slot) const {
    const DocRecord* rec = window_.documents().record(slot);
    return rec && rec->Modified;
}

bool ListDocumentSide::isOpenExactly(const QString& name) const {
    const DocumentTable& table = window_.documents();
    if (table.DocCount() > 0 && documentShown() && table.CurrentFileName() == name)
        return true;
    for (int slot = 1; slot < table.DocCount(); ++slot)
        if (const DocRecord* rec = table.record(slot); rec && rec->FileName == name)
            return true;
    return false;
}

OpenResult ListDocumentSide::OpenAsCurrent(const QString& name) {
    return window_.files().OpenAsCurrent(name, true);
}

OpenResult ListDocumentSide::OpenInBackground(const QString& name, bool asShown) {
    return window_.files().OpenInBackground(name, true, asShown);
}

Answer ListDocumentSide::AskSaveChanges(int slot) { return window_.files().AskSaveChanges(slot); }

void ListDocumentSide::closeParkedDocument(int slot) { window_.documents().closeParkedSlot(slot); }

bool ListDocumentSide::CloseCurrentDocument() { return window_.files().CloseCurrentDocument(); }

bool ListDocumentSide::CloseAllDocuments() { return window_.files().CloseAllDocuments(); }

void ListDocumentSide::documentsClosed() {
    DocumentTable& table = window_.documents();
    if (table.tabCount() > 0 && table.currentTab() < 0)
        table.SelectTab(0);
    window_.EnableDocumentCommands(documentShown());
    window_.EnableSwitchCommands();
}

void ListDocumentSide::refreshTitle() { window_.refreshTitle(); }

void ListDocumentSide::showParkedDocument(const QString& name) {
    window_.documents().ShowMainFile(name);
}

bool ListDocumentSide::IsSettingsFile(const QString& name, bool messages) {
    return window_.files().IsSettingsFile(name, messages);
}

bool ListDocumentSide::IsUntitledName(const QString& name) const { return tw::IsUntitledName(name); }

void ListDocumentSide::beginBatch() { window_.beginBatch(); }

void ListDocumentSide::endBatch() { window_.endBatch(); }

} // namespace tw
