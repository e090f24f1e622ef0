#include "editing/SearchEngine.h"

#include <algorithm>

#include "util/Prompts.h"

namespace tw {

namespace {

const QString kReadOnlyRefusal =
    QStringLiteral("This document is Read Only: no text is replaced in it.");

// Where a noted selection lies after [match) became `inserted` bytes: a
// selection goes on covering the same text, grown or shrunk by what was
// replaced inside it, and moves with replacements before it.
void followReplacement(qsizetype& start, qsizetype& length, const TextMatch& match,
                       qsizetype inserted) {
    const qsizetype shift = inserted - match.length;
    auto mapStart = [&](qsizetype x) {
        return x <= match.start ? x : x >= match.end() ? x + shift : match.start;
    };
    auto mapEnd = [&](qsizetype x) {
        return x <= match.start ? x : x >= match.end() ? x + shift : match.start + inserted;
    };
    const qsizetype newStart = mapStart(start);
    const qsizetype newEnd = length > 0 ? mapEnd(start + length) : newStart;
    start = newStart;
    length = std::max<qsizetype>(newEnd - newStart, 0);
}

} // namespace

SearchEngine::SearchEngine(SearchHost& host, Prompts& prompts) : host_(host), prompts_(prompts) {}

std::optional<TextMatch> SearchEngine::nextMatch(SearchableText& text, const QByteArray& what,
                                                 FindOptions options) {
    // The range holds SearchEnd - SearchStart + 1 characters; an empty or
    // inverted range holds none.
    if (searchEnd_ < searchStart_)
        return std::nullopt;
    const std::optional<TextMatch> match = text.find(what, searchStart_, searchEnd_ + 1, options);
    if (match)
        searchStart_ = match->end();
    return match;
}

bool SearchEngine::FindNext(FindOptions options) {
    SearchableText& text = host_.shownText();
    const std::optional<QByteArray> what = text.searchBytes(searchText_);
    if (!what)
        return false;
    const std::optional<TextMatch> match = nextMatch(text, *what, options);
    if (!match)
        return false;
    text.select(match->start, match->length);
    host_.ShowLineColumn();
    return true;
}

void SearchEngine::ReportSearchEnd(bool foundBefore) {
    const QString text = foundBefore ? QStringLiteral("No more matches for \"%1\" found")
                                     : QStringLiteral("Search string \"%1\" not found");
    prompts_.message(text.arg(searchText_), MessageType::Information);
}

void SearchEngine::Find(const FindRequest& request) {
    SearchableText& text = host_.shownText();
    searchText_ = request.text;
    const qsizetype selStart = text.selStart();
    if (request.selectedOnly) {
        searchStart_ = selStart;
        searchEnd_ = selStart + text.selLength() - 1;
    } else {
        searchStart_ = request.fromCursor ? selStart : 0;
        searchEnd_ = text.length() - 1;
    }
    findOptions_ = request.options;
    if (!FindNext(findOptions_))
        ReportSearchEnd(false);
}

bool SearchEngine::SearchAgain(const QString& findEditText) {
    if (searchText_.isEmpty())
        return false;
    searchText_ = findEditText;
    if (!FindNext(findOptions_))
        ReportSearchEnd(true);
    return true;
}

void SearchEngine::Replace(const ReplaceRequest& request) {
    bool found = false;
    bool refused = false;    // the read-only refusal was shown
    bool searched = false;   // a document that can change was searched
    const int docCount = host_.DocCount();
    int remaining = request.allFiles ? docCount : 1;
    while (remaining > 0) {
        SearchableText& text = host_.shownText();
        Noted noted{text.selStart(), text.selLength()};
        // A read-only document is never changed, so it is not searched: its
        // questions would replace nothing. The user hears of it once; alone,
        // it ends the command, among all files the others are still done.
        if (text.isReadOnly()) {
            if (!refused)
                prompts_.message(kReadOnlyRefusal, MessageType::Warning);
            refused = true;
            if (!request.allFiles) {
                searchText_.clear();
                return;
            }
        } else {
            searched = true;
            if (replaceInShownDocument(request, noted, found) == Outcome::Cancelled) {
                text.select(noted.start, noted.length);
                // Back to the document the command started in.
                if (request.allFiles && remaining < docCount)
                    for (int i = 0; i < remaining; ++i)
                        host_.ViewNext();
                searchText_.clear();
                return;
            }
        }
        if (remaining == 1 && request.replaceAll && searched)
            ReportSearchEnd(found);
        text.select(noted.start, noted.length);
        --remaining;
        if (request.allFiles)
            host_.ViewNext();
    }
    // A following Search Again opens the Find dialog.
    searchText_.clear();
}

SearchEngine::Outcome SearchEngine::replaceInShownDocument(const ReplaceRequest& request,
                                                           Noted& noted, bool& found) {
    SearchableText& text = host_.shownText();
    searchText_ = request.findText;
    if (request.selectedOnly) {
        searchStart_ = noted.start;
        searchEnd_ = noted.start + noted.length - 1;
    } else {
        searchStart_ = request.fromCursor ? noted.start : 0;
        searchEnd_ = text.length() - 1;
    }
    const std::optional<QByteArray> what = text.searchBytes(searchText_);
    if (!what)
        return Outcome::Done;
    const QByteArray with = text.replacementBytes(request.replaceText);
    const Buttons buttons = request.replaceAll ? Buttons::YesNoCancel : Buttons::YesNo;

    // Every replacement in this document is undone by one Undo.
    text.beginChanges();
    struct EndChanges {
        SearchableText& text;
        ~EndChanges() { text.endChanges(); }
    } endChanges{text};
    while (const std::optional<TextMatch> match = nextMatch(text, *what, request.options)) {
        Answer answer = Answer::Yes;
        if (request.prompt) {
            text.select(match->start, match->length);
            host_.ShowLineColumn();
            answer = prompts_.askAt(QStringLiteral("Replace this Text?"), MessageType::Confirmation,
                                    buttons, host_.promptPosition());
            if (answer == Answer::Cancel && request.replaceAll)
                return Outcome::Cancelled;
        }
        // Anything but Yes leaves the match as it is.
        if (answer == Answer::Yes)
            ReplaceCurrentMatch(text, *match, with, noted);
        found = true;
        if (!request.replaceAll)
            break;
    }
    return Outcome::Done;
}

void SearchEngine::ReplaceCurrentMatch(SearchableText& text, const TextMatch& match,
                                       const QByteArray& with, Noted& noted) {
    // A read-only text refuses: the match stays, and the search goes on
    // after it.
    if (!text.replace(match.start, match.length, with))
        return;
    const qsizetype shift = with.size() - match.length;
    followReplacement(noted.start, noted.length, match, with.size());
    searchEnd_ += shift;
    // The next search begins right after the inserted text, so a
    // replacement that contains the searched text is never matched again.
    searchStart_ += shift;
}

} // namespace tw
