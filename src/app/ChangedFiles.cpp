#include "app/ChangedFiles.h"

#include <algorithm>

#include "app/DocumentHost.h"
#include "app/DocumentTable.h"
#include "app/UntitledNames.h"
#include "editing/EditControl.h"
#include "platform/TextFile.h"

namespace tw {

ChangedFiles::ChangedFiles(DocumentTable& table, EditControl& edit, DocumentHost& host)
    : table_(table), edit_(edit), host_(host) {}

void ChangedFiles::checkDocuments() {
    if (table_.DocCount() == 0)
        return;
    if (!edit_.isHidden())
        checkShown();
    for (int slot = 1; slot < table_.DocCount(); ++slot)
        if (DocRecord* rec = table_.record(slot))
            checkParked(*rec);
}

void ChangedFiles::checkShown() {
    const QString name = table_.CurrentFileName();
    TextFormat format = table_.shownFormat();
    if (IsUntitledName(name) || compareWithDisk(name, format.stamp) != DiskState::Changed)
        return;
    if (edit_.isModified()) {
        format.changedOnDisk = true;
        table_.setShownFormat(format);
        host_.RefreshModifiedState();
        return;
    }
    const LoadResult loaded = readTextFile(name);
    if (!loaded.ok())
        return;
    // The view stays where the user left it, as far as the new text reaches.
    const qsizetype selStart = edit_.selStart();
    const qsizetype selLength = edit_.selLength();
    const qsizetype firstLine = edit_.firstVisibleLine();
    edit_.loadBytes(loaded.text.bytes, loaded.text.format.encoding, loaded.text.format.lineBreak);
    table_.setShownFormat(loaded.text.format);
    edit_.setSelection(selStart, selLength);
    edit_.setFirstVisibleLine(firstLine);
    table_.SetModified(false);
    host_.RefreshModifiedState();
    host_.ShowLineColumn();
}

void ChangedFiles::checkParked(DocRecord& rec) {
    if (IsUntitledName(rec.FileName) || compareWithDisk(rec.FileName, rec.format.stamp) != DiskState::Changed)
        return;
    if (rec.Modified) {
        rec.format.changedOnDisk = true;
        return;
    }
    const LoadResult loaded = readTextFile(rec.FileName);
    if (!loaded.ok())
        return;
    const DocHandle fresh = edit_.createDocument(loaded.text.bytes, loaded.text.format.encoding,
                                                 loaded.text.format.lineBreak);
    edit_.releaseDocument(rec.Text);
    rec.Text = fresh;
    rec.format = loaded.text.format;
    // Selections are put on character boundaries when the document is shown.
    rec.SelStart = std::min<qsizetype>(rec.SelStart, loaded.text.bytes.size());
    rec.SelLength = std::min<qsizetype>(rec.SelLength, loaded.text.bytes.size() - rec.SelStart);
}

} // namespace tw
