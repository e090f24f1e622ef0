#pragma once
// The table of open documents and the file tab strip. The shown document
// lives in the edit control; every other one is parked in slots
// 1 .. DocCount-1, and TabSlotMap tells which slot each tab's document is in
// (0 for the shown one). Swapping exchanges whole documents, never copies text.
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

#include "app/DocRecord.h"

class QTabBar;

namespace tw {

class DocumentHost;

class DocumentTable {
public:
    static constexpr int kMaxDocuments = 255;

    DocumentTable(EditControl& edit, QTabBar& tabs, DocumentHost& host);
    ~DocumentTable();
    DocumentTable(const DocumentTable&) = delete;
    DocumentTable& operator=(const DocumentTable&) = delete;

    int DocCount() const { return docCount_; }
    void incrementDocCount() { ++docCount_; }
    const QString& CurrentFileName() const { return currentFileName_; }
    void SetCurrentFileName(const QString& name);

    // The shown document's file format (encoding, byte-order mark, line break).
    const TextFormat& shownFormat() const { return shownFormat_; }
    void setShownFormat(const TextFormat& format) { shownFormat_ = format; }

    DocRecord* record(int slot);
    const DocRecord* record(int slot) const;
    bool anyParkedModified() const;

    bool ParkCurrentDocument();
    bool RestoreLastDocument();
    // Creates the record of a document opened in the background in slot DocCount.
    DocRecord& createParkedRecord();
    void SwapWithSlot(int slot);

    void SelectTab(int index);
    int TabOfSlot(int slot) const;
    int tabCount() const;
    int currentTab() const;
    int slotOfTab(int index) const { return tabSlotMap_[index]; }
    void AddTabForNewDocument(const QString& name);
    void AppendParkedTab(const QString& name, int slot);
    void RemoveTabMapEntry(int index);

    void SetModified(bool modified);

    void ViewNext();
    void ViewPrevious();
    // Shows the first parked document named `mainFile`; nothing when it is
    // shown already or not open.
    void ShowMainFile(const QString& mainFile);

    // Brings slot's document to the front for a question or a Save As, and
    // back again; returns the tab to go back to.
    int showSlotForAWhile(int slot);
    void showTabAgain(int tab);

    // Removes the shown document; the one in the highest slot takes its place.
    void closeShownDocument();
    // Closes the parked document in slot without a question: its record is
    // freed, the later parked documents move down one slot with their tabs'
    // map entries, and its tab goes; the shown document stays shown.
    void closeParkedSlot(int slot);
    // Frees every parked record (Close All), leaving the shown one alone
    // with a single tab.
    void dropParkedDocuments();

    // Marks the tab of every modified document whose file another program
    // changed (an icon and a line in its hint); the mark goes once the
    // document is saved, reloaded or no longer modified.
    void showDiskMarks();

    // The tab strip's change notifications.
    void TabsChanging();
    void TabsChange();

private:
    void setCaption(int tab, const QString& name);
    bool changedOnDiskWhileModified(int tab) const;
    void releaseRecord(int slot);
    // Puts the just shown document's caret, selection and first line where its record keeps them.
    void showSelectionOf(const DocRecord& rec);

    EditControl& edit_;
    QTabBar& tabs_;
    DocumentHost& host_;
    int docCount_ = 0;
    std::array<std::unique_ptr<DocRecord>, kMaxDocuments> slots_;
    std::array<std::uint8_t, kMaxDocuments> tabSlotMap_{};
    int PreviousTabIndex = -1;
    int shownTab_ = -1;   // the tab index as the last change left it
    QString currentFileName_;
    TextFormat shownFormat_;
};

} // namespace tw
