#include "app/DocumentTable.h"

#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>

#include "app/DocumentHost.h"
#include "launch/MenuCaptions.h"
#include "util/FileNames.h"
#include "util/PathStyle.h"

namespace tw {

namespace {

// The hint of a marked tab, after the file's name.
const QString kChangedOnDiskHint = QStringLiteral(
    "\nChanged on disk by another program while modified here: Save asks before overwriting it, "
    "Reload takes the file's version.");

// Whether a tab carries the mark is kept as the tab's data.
bool isMarked(const QTabBar& tabs, int tab) { return tabs.tabData(tab).toBool(); }

} // namespace

DocumentTable::DocumentTable(EditControl& edit, QTabBar& tabs, DocumentHost& host)
    : edit_(edit), tabs_(tabs), host_(host) {
    QObject::connect(&tabs_, &QTabBar::currentChanged, [this](int) {
        // A click has already moved the index: the changing step records the
        // tab that was shown before it.
        PreviousTabIndex = shownTab_;
        TabsChange();
    });
}

DocumentTable::~DocumentTable() {
    for (int slot = docCount_ - 1; slot >= 1; --slot)
        releaseRecord(slot);
}

void DocumentTable::SetCurrentFileName(const QString& name) {
    currentFileName_ = name;
    host_.currentFileNameChanged(name);
    if (tabs_.currentIndex() >= 0)
        setCaption(tabs_.currentIndex(), name);
}

DocRecord* DocumentTable::record(int slot) {
    return slot >= 1 && slot < kMaxDocuments ? slots_[slot].get() : nullptr;
}

const DocRecord* DocumentTable::record(int slot) const {
    return slot >= 1 && slot < kMaxDocuments ? slots_[slot].get() : nullptr;
}

bool DocumentTable::anyParkedModified() const {
    for (int slot = 1; slot < docCount_; ++slot)
        if (slots_[slot] && slots_[slot]->Modified)
            return true;
    return false;
}

bool DocumentTable::ParkCurrentDocument() {
    if (currentFileName_.isEmpty() || docCount_ == 0 || docCount_ >= kMaxDocuments)
        return false;
    auto rec = std::make_unique<DocRecord>();
    rec->FileName = currentFileName_;
    rec->Modified = edit_.isModified();
    rec->SelStart = edit_.selStart();
    rec->SelLength = edit_.selLength();
    rec->ReadOnly = edit_.wantedReadOnly();
    rec->firstVisibleLine = edit_.firstVisibleLine();
    rec->format = shownFormat_;
    rec->Text = edit_.detachDocument();
    shownFormat_ = TextFormat{};
    slots_[docCount_] = std::move(rec);
    return true;
}

bool DocumentTable::RestoreLastDocument() {
    if (docCount_ == 0 || !slots_[docCount_])
        return false;
    std::unique_ptr<DocRecord> rec = std::move(slots_[docCount_]);
    edit_.attachDocument(rec->Text);
    shownFormat_ = rec->format;
    SetModified(rec->Modified);
    showSelectionOf(*rec);
    host_.SetReadOnly(rec->ReadOnly);
    SetCurrentFileName(rec->FileName);
    host_.ShowLineColumn();
    return true;
}

void DocumentTable::showSelectionOf(const DocRecord& rec) {
    // A document still being read may not reach its caret's place yet: the
    // caret then waits at the start, and the place is taken when the reading
    // ends (DocumentLoads keeps it), rather than at the end of what is read.
    if (edit_.isShownLoading() && rec.SelStart + rec.SelLength > edit_.length()) {
        edit_.setSelStart(0);
        edit_.setSelLength(0);
        return;
    }
    edit_.setSelStart(rec.SelStart);
    edit_.setSelLength(rec.SelLength);
    edit_.setFirstVisibleLine(rec.firstVisibleLine);
}

DocRecord& DocumentTable::createParkedRecord() {
    slots_[docCount_] = std::make_unique<DocRecord>();
    return *slots_[docCount_];
}

void DocumentTable::SwapWithSlot(int slot) {
    DocRecord* rec = record(slot);
    if (!rec)
        return;
    std::swap(tabSlotMap_[tabs_.currentIndex()], tabSlotMap_[PreviousTabIndex]);

    const QString keptName = currentFileName_;
    SetCurrentFileName(rec->FileName);
    rec->FileName = keptName;

    // The read-only flag belongs to the document, so it is read before the
    // documents change places.
    const bool keptReadOnly = edit_.wantedReadOnly();
    const qsizetype keptSelLength = edit_.selLength();
    const qsizetype keptSelStart = edit_.selStart();
    const bool keptModified = edit_.isModified();
    const qsizetype keptFirstLine = edit_.firstVisibleLine();
    rec->Text = edit_.exchangeDocument(rec->Text);
    std::swap(rec->format, shownFormat_);

    showSelectionOf(*rec);
    rec->SelLength = keptSelLength;
    rec->SelStart = keptSelStart;
    rec->firstVisibleLine = keptFirstLine;

    SetModified(rec->Modified);
    rec->Modified = keptModified;

    host_.RefreshModifiedState();
    host_.ShowLineColumn();
    host_.EnableCutCopy();

    host_.SetReadOnly(rec->ReadOnly);
    rec->ReadOnly = keptReadOnly;
}

void DocumentTable::SelectTab(int index) {
    TabsChanging();
    {
        const QSignalBlocker block(&tabs_);
        tabs_.setCurrentIndex(index);
    }
    TabsChange();
}

int DocumentTable::TabOfSlot(int slot) const {
    for (int i = 0; i < tabs_.count(); ++i)
        if (tabSlotMap_[i] == slot)
            return i;
    return -1;
}

int DocumentTable::tabCount() const { return tabs_.count(); }

int DocumentTable::currentTab() const { return tabs_.currentIndex(); }

void DocumentTable::AddTabForNewDocument(const QString& name) {
    const QSignalBlocker block(&tabs_);
    if (tabs_.count() > 0)
        tabSlotMap_[tabs_.currentIndex()] = static_cast<std::uint8_t>(docCount_);
    const int tab = tabs_.addTab(QString());
    setCaption(tab, name);
    tabSlotMap_[tab] = 0;
    tabs_.setCurrentIndex(tab);
    shownTab_ = tab;
}

void DocumentTable::AppendParkedTab(const QString& name, int slot) {
    const QSignalBlocker block(&tabs_);
    const int tab = tabs_.addTab(QString());
    setCaption(tab, name);
    tabSlotMap_[tab] = static_cast<std::uint8_t>(slot);
    tabs_.setCurrentIndex(shownTab_);
}

void DocumentTable::RemoveTabMapEntry(int index) {
    for (int i = index; i + 1 < kMaxDocuments; ++i)
        tabSlotMap_[i] = tabSlotMap_[i + 1];
}

void DocumentTable::SetModified(bool modified) {
    if (modified != edit_.isModified()) {
        edit_.setModifiedFlag(modified);
        host_.RefreshModifiedState();
    }
}

void DocumentTable::ViewNext() {
    const int count = tabs_.count();
    if (count == 0)
        return;
    SelectTab(tabs_.currentIndex() >= count - 1 ? 0 : tabs_.currentIndex() + 1);
}

void DocumentTable::ViewPrevious() {
    const int count = tabs_.count();
    if (count == 0)
        return;
    SelectTab(tabs_.currentIndex() <= 0 ? count - 1 : tabs_.currentIndex() - 1);
}

void DocumentTable::ShowMainFile(const QString& mainFile) {
    for (int slot = 1; slot < docCount_; ++slot) {
        if (slots_[slot] && SameFileName(slots_[slot]->FileName, mainFile)) {
            SelectTab(TabOfSlot(slot));
            return;   // the slot now holds the document that was shown
        }
    }
}

int DocumentTable::showSlotForAWhile(int slot) {
    const int back = tabs_.currentIndex();
    PreviousTabIndex = back;
    {
        const QSignalBlocker block(&tabs_);
        tabs_.setCurrentIndex(TabOfSlot(slot));
        shownTab_ = tabs_.currentIndex();
    }
    SwapWithSlot(slot);
    return back;
}

void DocumentTable::showTabAgain(int tab) {
    PreviousTabIndex = tabs_.currentIndex();
    {
        const QSignalBlocker block(&tabs_);
        tabs_.setCurrentIndex(tab);
        shownTab_ = tab;
    }
    SwapWithSlot(tabSlotMap_[tab]);
}

void DocumentTable::closeShownDocument() {
    if (docCount_ == 0)
        return;
    --docCount_;
    {
        const QSignalBlocker block(&tabs_);
        const int tab = tabs_.currentIndex();
        RemoveTabMapEntry(tab);
        tabs_.removeTab(tab);
        const int next = TabOfSlot(docCount_);
        tabs_.setCurrentIndex(next);
        shownTab_ = tabs_.currentIndex();
        if (next >= 0)
            tabSlotMap_[next] = 0;
    }
    if (docCount_ == 0) {
        edit_.releaseDocument(edit_.detachDocument());
        edit_.setModifiedFlag(false);
        shownFormat_ = TextFormat{};
        SetCurrentFileName(QString());
    } else {
        RestoreLastDocument();
    }
}

void DocumentTable::closeParkedSlot(int slot) {
    if (slot < 1 || slot >= docCount_)
        return;
    const int tab = TabOfSlot(slot);
    releaseRecord(slot);
    for (int s = slot; s + 1 < docCount_; ++s)
        slots_[s] = std::move(slots_[s + 1]);
    --docCount_;
    const QSignalBlocker block(&tabs_);
    if (tab >= 0) {
        RemoveTabMapEntry(tab);
        tabs_.removeTab(tab);
    }
    for (int i = 0; i < tabs_.count(); ++i)
        if (tabSlotMap_[i] > slot)
            --tabSlotMap_[i];
    shownTab_ = TabOfSlot(0);
    tabs_.setCurrentIndex(shownTab_);
}

void DocumentTable::dropParkedDocuments() {
    for (int slot = docCount_ - 1; slot >= 1; --slot)
        releaseRecord(slot);
    docCount_ = docCount_ > 0 ? 1 : 0;
    const QSignalBlocker block(&tabs_);
    while (tabs_.count() > 0)
        tabs_.removeTab(tabs_.count() - 1);
    shownTab_ = -1;
}

void DocumentTable::TabsChanging() { PreviousTabIndex = tabs_.currentIndex(); }

void DocumentTable::TabsChange() {
    const int index = tabs_.currentIndex();
    shownTab_ = index;
    if (index >= 0 && index != PreviousTabIndex && PreviousTabIndex >= 0)
        SwapWithSlot(tabSlotMap_[index]);
}

void DocumentTable::setCaption(int tab, const QString& name) {
    tabs_.setTabText(tab, EscapeAmpersands(FileNamePart(name)));
    tabs_.setTabToolTip(tab, isMarked(tabs_, tab) ? name + kChangedOnDiskHint : name);
}

bool DocumentTable::changedOnDiskWhileModified(int tab) const {
    if (tab == tabs_.currentIndex())
        return !edit_.isHidden() && shownFormat_.changedOnDisk && edit_.isModified();
    const DocRecord* rec = record(tabSlotMap_[tab]);
    return rec && rec->format.changedOnDisk && rec->Modified;
}

void DocumentTable::showDiskMarks() {
    for (int tab = 0; tab < tabs_.count(); ++tab) {
        const bool marked = changedOnDiskWhileModified(tab);
        if (marked == isMarked(tabs_, tab))
            continue;
        tabs_.setTabData(tab, marked);
        tabs_.setTabIcon(tab, marked ? tabs_.style()->standardIcon(QStyle::SP_MessageBoxWarning) : QIcon());
        const DocRecord* rec = tab == tabs_.currentIndex() ? nullptr : record(tabSlotMap_[tab]);
        setCaption(tab, rec ? rec->FileName : currentFileName_);
    }
}

void DocumentTable::releaseRecord(int slot) {
    if (slots_[slot]) {
        edit_.releaseDocument(slots_[slot]->Text);
        slots_[slot].reset();
    }
}

} // namespace tw
