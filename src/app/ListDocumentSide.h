#pragma once
// The open documents as the lists see them (ListDocuments): the main window's
// document table and file commands, with every message on.
#include "lists/ListDocuments.h"

namespace tw {

class TMainForm;

class ListDocumentSide : public ListDocuments {
public:
    explicit ListDocumentSide(TMainForm& window) : window_(window) {}

    int DocCount() const override;
    bool documentShown() const override;
    QString CurrentFileName() const override;
    QString parkedFileName(int slot) const override;
    bool parkedModified(int slot) const override;
    bool isOpenExactly(const QString& name) const override;
    OpenResult OpenAsCurrent(const QString& name) override;
    OpenResult OpenInBackground(const QString& name, bool asShown) override;
    Answer AskSaveChanges(int slot) override;
    void closeParkedDocument(int slot) override;
    bool CloseCurrentDocument() override;
    bool CloseAllDocuments() override;
    void documentsClosed() override;
    void refreshTitle() override;
    void showParkedDocument(const QString& name) override;
    bool IsSettingsFile(const QString& name, bool messages) override;
    bool IsUntitledName(const QString& name) const override;
    void beginBatch() override;
    void endBatch() override;

private:
    TMainForm& window_;
};

} // namespace tw
