#include "app/ChangedFiles.h"

#include <algorithm>

#include "app/DocumentHost.h"
#include "app/DocumentTable.h"
#include "app/UntitledNames.h"
#include "editing/DocumentLoader.h"
#include "editing/EditControl.h"

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
    table_.showDiskMarks();
}

void ChangedFiles::checkShown() {
    const QString name = table_.CurrentFileName();
    TextFormat format = table_.shownFormat();
    // A document still being read learns its file's version when complete.
    if (edit_.isShownLoading() || IsUntitledName(name) ||
        compareWithDisk(name, format.stamp) != DiskState::Changed)
        return;
    if (edit_.isModified()) {
        format.changedOnDisk = true;
        table_.setShownFormat(format);
        host_.RefreshModifiedState();
        return;
    }
    const DocumentLoad loaded = loadDocument(name);
    if (!loaded.ok())
        return;
    // The view stays where the user left it, as far as the new text reaches;
    // the fresh document takes the old one's place and read-only flag.
    const qsizetype selStart = edit_.selStart();
    const qsizetype selLength = edit_.selLength();
    const qsizetype firstLine = edit_.firstVisibleLine();
    const bool readOnly = edit_.wantedReadOnly();
    edit_.attachDocument(loaded.doc);
    host_.SetReadOnly(readOnly);
    table_.setShownFormat(loaded.format);
    edit_.setSelection(selStart, selLength);
    edit_.setFirstVisibleLine(firstLine);
    table_.SetModified(false);
    host_.RefreshModifiedState();
    host_.ShowLineColumn();
}

void ChangedFiles::checkParked(DocRecord& rec) {
    if (edit_.isDocumentLoading(rec.Text) || IsUntitledName(rec.FileName) || compareWithDisk(rec.FileName, rec.format.stamp) != DiskState::Changed)
        return;
    if (rec.Modified) {
        rec.format.changedOnDisk = true;
        return;
    }
    const DocumentLoad loaded = loadDocument(rec.FileName);
    if (!loaded.ok())
        return;
    edit_.releaseDocument(rec.Text);
    rec.Text = loaded.doc;
    rec.format = loaded.format;
    // Selections are put on character boundaries when the document is shown.
    const qsizetype length = edit_.documentLength(loaded.doc);
    rec.SelStart = std::min<qsizetype>(rec.SelStart, length);
    rec.SelLength = std::min<qsizetype>(rec.SelLength, length - rec.SelStart);
}

} // namespace tw
