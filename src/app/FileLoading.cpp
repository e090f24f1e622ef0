// Reading files into documents for FileCommands: at once for ordinary files, a
// slice at a time for big ones (DocumentLoads), and Insert and Reload, which
// read a file into a document of its own rather than into a second copy.
#include "app/FileCommands.h"

#include "app/DocumentHost.h"
#include "app/DocumentTable.h"
#include "editing/DocumentLoader.h"
#include "editing/EditControl.h"
#include "editing/TextCodec.h"
#include "settings/EditorOptions.h"
#include "platform/TemporaryFiles.h"
#include "util/BusyCursor.h"
#include "util/FileNames.h"

namespace tw {

void FileCommands::reportUnreadable(const QString& name, const QString& error) {
    prompts_.message(QStringLiteral("File \"%1\" cannot be read: %2").arg(name, error), MessageType::Error);
}

std::optional<LoadedText> FileCommands::ReadTextFile(const QString& name, bool messages) {
    LoadResult loaded;
    {
        BusyCursor busy;
        loaded = readTextFile(name);
    }
    if (loaded.ok()) {
        // What an earlier save that died left beside the file goes now.
        removeStaleTemporaries(name);
        keptCopies_.tellAtOpen(name);
        return std::move(loaded.text);
    }
    if (messages)
        reportUnreadable(name, loaded.error);
    return std::nullopt;
}

std::optional<DocumentLoad> FileCommands::readDocument(const QString& name, bool messages,
                                                       bool incremental) {
    DocumentLoad loaded;
    if (incremental) {
        loaded = loads_->start(name, messages);
    } else {
        BusyCursor busy;
        loaded = loadDocument(name);
        // What an earlier save that died left beside the file goes now.
        if (loaded.ok())
            removeStaleTemporaries(name);
    }
    if (loaded.ok())
        return loaded;
    if (messages)
        reportUnreadable(name, loaded.error);
    return std::nullopt;
}

void FileCommands::finishLoad(const DocumentLoads::Done& done) {
    const bool shown = documentShown() && edit_.shownDocument() == done.doc;
    int slot = 0;
    for (int s = 1; !shown && s < table_.DocCount(); ++s)
        if (table_.record(s) && table_.record(s)->Text == done.doc)
            slot = s;
    if (!shown && slot == 0)
        return;
    if (!done.result.ok()) {
        if (done.messages)
            reportUnreadable(done.name, done.result.error);
        if (shown)
            table_.closeShownDocument();
        else
            table_.closeParkedSlot(slot);
        host_.EnableSwitchCommands();
        return;
    }
    removeStaleTemporaries(done.name);
    const PendingSelection& sel = done.selection;
    if (shown) {
        table_.setShownFormat(done.result.format);
        if (sel.start >= 0 && edit_.caretPosition() == 0 && edit_.selLength() == 0) {
            edit_.setSelStart(edit_.characterBoundary(sel.start));
            edit_.setSelLength(sel.length);
            edit_.scrollCaretIntoView();
        }
        host_.SetReadOnly(edit_.wantedReadOnly());
        host_.RefreshModifiedState();
        host_.ShowLineColumn();
        host_.EnableCutCopy();
    } else {
        DocRecord* rec = table_.record(slot);
        rec->format = done.result.format;
        if (sel.start >= 0 && rec->SelStart == 0 && rec->SelLength == 0) {
            rec->SelStart = sel.start;
            rec->SelLength = sel.length;
        }
    }
}

void FileCommands::selectWhenRead(qsizetype start, qsizetype length) {
    if (edit_.isShownLoading()) {
        loads_->selectWhenDone(edit_.shownDocument(), start, length);
        return;
    }
    edit_.setSelStart(start);
    edit_.setSelLength(length);
}

bool FileCommands::refuseWhileLoading() {
    if (!documentShown() || !edit_.isShownLoading())
        return false;
    prompts_.message(QStringLiteral("\"%1\" is still being read; wait until it is complete.")
                         .arg(table_.CurrentFileName()),
                     MessageType::Warning);
    return true;
}

bool FileCommands::completeReading(bool all) {
    if (all)
        loads_->completeAll();
    else if (documentShown())
        loads_->complete(edit_.shownDocument());
    return documentShown();
}

void FileCommands::FileInsertMnuClick() {
    if (refuseWhileLoading())
        return;
    FileDialogRequest request = openRequest();
    request.title = QStringLiteral("Insert");
    request.hideReadOnly = true;
    const auto chosen = prompts_.openFile(request);
    if (!chosen || CanOpenFile(chosen->fileName, true, false) != OpenOk)
        return;
    const std::optional<DocumentLoad> loaded = readDocument(chosen->fileName, true, false);
    if (!loaded)
        return;
    keptCopies_.tellAtOpen(chosen->fileName);
    if (!edit_.canGrowBy(edit_.documentLength(loaded->doc))) {
        edit_.releaseDocument(loaded->doc);
        prompts_.message(QStringLiteral("%1 is not inserted: this document cannot grow past 2 GB. "
                                        "Open the file as a document of its own.")
                             .arg(chosen->fileName),
                         MessageType::Error);
        return;
    }
    // The file's text goes from its own document into the shown one: one copy.
    const TextEncoding from = loaded->format.encoding;
    if (from == TextEncoding::Utf8 && edit_.encoding() != from)
        edit_.makeRoomFor(edit_.withDocumentText(loaded->doc, [](const char* data, qsizetype len) {
            return QString::fromUtf8(data, len);
        }));
    const qsizetype p = edit_.caretPosition();
    const TextEncoding to = edit_.encoding();
    edit_.withDocumentText(loaded->doc, [&](const char* data, qsizetype len) {
        if (from == to)
            edit_.insertBytes(p, data, len);
        else
            edit_.insertBytes(p, convertText(QByteArray(data, len), from, to));
    });
    edit_.releaseDocument(loaded->doc);
    edit_.setSelStart(p);
    options_.dialogs.openDir = DirectoryPart(chosen->fileName);
}

void FileCommands::FileReloadMnuClick() {
    const QString name = table_.CurrentFileName();
    if (refuseWhileLoading() || CanOpenFile(name, true, false) != OpenOk)
        return;
    if (options_.ConfirmPrompts &&
        prompts_.ask(QStringLiteral("Reload \"%1\"?").arg(name), MessageType::Confirmation,
                     Buttons::YesNoDefaultNo) != Answer::Yes)
        return;
    const std::optional<DocumentLoad> loaded = readDocument(name, true, false);
    if (!loaded)
        return;
    keptCopies_.tellAtOpen(name);
    // The fresh document takes the old one's place: no undo history, as any
    // file just read, and the read-only flag the user had.
    const bool readOnly = edit_.wantedReadOnly();
    {
        BusyCursor busy;
        edit_.attachDocument(loaded->doc);
    }
    host_.SetReadOnly(readOnly);
    edit_.setSelStart(0);
    table_.setShownFormat(loaded->format);
    table_.SetModified(false);
    host_.RefreshModifiedState();
}

} // namespace tw
