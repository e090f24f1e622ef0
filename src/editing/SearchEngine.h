#pragma once
// The main window's search state and the Find, Search Again and Replace
// algorithms, over whatever document the host shows. No widget lives here:
// the host supplies the shown text, document switching and the prompt's
// place; every text shown goes through Prompts.
#include <QPoint>
#include <QString>
#include <optional>

#include "editing/SearchRequests.h"
#include "editing/SearchableText.h"

namespace tw {

class Prompts;

class SearchHost {
public:
    virtual ~SearchHost() = default;
    // The shown document; after ViewNext, the document shown then.
    virtual SearchableText& shownText() = 0;
    virtual int DocCount() const = 0;
    virtual void ViewNext() = 0;
    // Refreshes the line and column panel after a match was selected.
    virtual void ShowLineColumn() = 0;
    // Where a question about the selected match is to stand on the screen.
    virtual QPoint promptPosition() = 0;
};

class SearchEngine {
public:
    SearchEngine(SearchHost& host, Prompts& prompts);

    const QString& SearchText() const { return searchText_; }
    qsizetype SearchStart() const { return searchStart_; }
    qsizetype SearchEnd() const { return searchEnd_; }
    FindOptions findOptions() const { return findOptions_; }

    // Finds SearchText in [SearchStart, SearchEnd] of the shown text and
    // selects it; SearchStart moves past the match. False leaves all as it was.
    bool FindNext(FindOptions options);
    void ReportSearchEnd(bool foundBefore);

    // The Find dialog's OK.
    void Find(const FindRequest& request);
    // Search Again with the Find dialog's current text. False, with nothing
    // done, when no search is pending: the caller shows the Find dialog.
    bool SearchAgain(const QString& findEditText);
    // The Replace dialog's OK. A read-only document asks nothing and changes
    // nothing: the refusal is shown once, and the command ends there unless
    // it walks all files, which then go on with the other documents.
    void Replace(const ReplaceRequest& request);

private:
    struct Noted {
        qsizetype start;
        qsizetype length;
    };
    enum class Outcome { Done, Cancelled };

    std::optional<TextMatch> nextMatch(SearchableText& text, const QByteArray& what,
                                       FindOptions options);
    Outcome replaceInShownDocument(const ReplaceRequest& request, Noted& noted, bool& found);
    void ReplaceCurrentMatch(SearchableText& text, const TextMatch& match,
                             const QByteArray& with, Noted& noted);

    SearchHost& host_;
    Prompts& prompts_;
    QString searchText_;
    qsizetype searchStart_ = 0;
    qsizetype searchEnd_ = -1;
    FindOptions findOptions_;
};

} // namespace tw
