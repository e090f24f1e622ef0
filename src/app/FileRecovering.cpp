// Reopening a recovered document (FileCommands).
#include "app/FileCommands.h"

#include "app/DocumentHost.h"
#include "app/DocumentTable.h"
#include "editing/EditControl.h"
#include "platform/JournalFiles.h"

namespace tw {

bool FileCommands::OpenRecovered(const JournalEntry& entry) {
    if (!FileNewMnuClick())
        return false;
    edit_.loadBytes(entry.text, entry.format.encoding, entry.format.lineBreak);
    TextFormat format = entry.format;
    format.changedOnDisk = false;
    table_.setShownFormat(format);
    table_.SetCurrentFileName(entry.fileName);
    // The text was never in the file: the document stays modified until it
    // is saved, even when every later change is undone.
    edit_.keepUnsaved(edit_.shownDocument());
    edit_.setSelStart(0);
    table_.SetModified(true);
    host_.RefreshModifiedState();
    return true;
}

} // namespace tw
