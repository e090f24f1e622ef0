#pragma once
// Search > Find, Search Again and Replace: the two dialogs, created once, and
// the search engine working on the shown document of the main window.
#include <QObject>
#include <memory>
#include <optional>

#include "editing/EditSearchText.h"
#include "editing/SearchEngine.h"

class QWidget;

namespace tw {

class DocumentHost;
class DocumentTable;
class EditControl;
class Prompts;
class TFindForm;
class TReplaceForm;

class SearchCommands : public QObject, private SearchHost {
    Q_OBJECT
public:
    SearchCommands(QWidget& window, DocumentHost& host, EditControl& edit, DocumentTable& table,
                   Prompts& prompts);
    ~SearchCommands() override;

    void SearchFindMnuClick();
    void SearchSearchAgainMnuClick();
    void SearchReplaceMnuClick();

    TFindForm& findForm() const { return *findForm_; }
    TReplaceForm& replaceForm() const { return *replaceForm_; }
    SearchEngine& engine() { return engine_; }

private:
    // SearchHost
    SearchableText& shownText() override;
    int DocCount() const override;
    void ViewNext() override;
    void ShowLineColumn() override;
    QPoint promptPosition() override;

    bool documentShown() const;
    // A Replace whose new text the shown single-byte document cannot hold
    // changes that document to UTF-8 before its search starts, when the
    // searched text occurs in it.
    void makeRoomForReplacement();

    QWidget& window_;
    DocumentHost& host_;
    EditControl& edit_;
    DocumentTable& table_;
    EditSearchText text_;
    SearchEngine engine_;
    TFindForm* findForm_;
    TReplaceForm* replaceForm_;
    std::optional<ReplaceRequest> replacing_;
};

} // namespace tw
