// The documents an EditControl holds besides the shown one: creating and
// releasing them, reaching a parked document's text through the hidden
// companion view, and counting every document's changes.
#include "editing/EditControl.h"

#include "editing/DocumentBuffer.h"

#include <algorithm>
#include <cstring>

namespace tw {

void EditControl::countChange(const QsciScintillaBase* view) {
    ++changeCounts_[static_cast<DocHandle>(view->SendScintilla(SCI_GETDOCPOINTER))];
}

DocHandle EditControl::shownDocument() const {
    return static_cast<DocHandle>(SendScintilla(SCI_GETDOCPOINTER));
}

qsizetype EditControl::documentLength(DocHandle doc) const {
    if (doc == shownDocument())
        return length();
    return withDocumentText(doc, [](const char*, qsizetype len) { return len; });
}

void EditControl::copyDocumentRange(DocHandle doc, qsizetype start, qsizetype end, char* to) const {
    if (end <= start)
        return;
    const bool shown = doc == shownDocument();
    const QsciScintillaBase* view = shown ? static_cast<const QsciScintillaBase*>(this) : companion_;
    if (!shown)
        attachToCompanion(doc);
    // A range pointer moves Scintilla's gap only when it lies inside the range.
    const char* data = static_cast<const char*>(reinterpret_cast<const void*>(view->SendScintilla(
        SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), static_cast<long>(end - start))));
    std::memcpy(to, data, static_cast<size_t>(end - start));
    if (!shown)
        detachFromCompanion();
}

TextPieces EditControl::textPieces(DocHandle doc) const {
    const bool shown = doc == shownDocument();
    const QsciScintillaBase* view = shown ? static_cast<const QsciScintillaBase*>(this) : companion_;
    if (!shown)
        attachToCompanion(doc);
    const qsizetype len = view->SendScintilla(SCI_GETLENGTH);
    const qsizetype gap = std::clamp<qsizetype>(view->SendScintilla(SCI_GETGAPPOSITION), 0, len);
    // A range that ends at the gap or starts there does not move it.
    const auto pointer = [view](qsizetype start, qsizetype length) {
        return static_cast<const char*>(reinterpret_cast<const void*>(view->SendScintilla(
            SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), static_cast<long>(length))));
    };
    TextPieces pieces;
    if (gap > 0)
        pieces.first = ByteRange{pointer(0, gap), gap};
    if (len > gap)
        pieces.second = ByteRange{pointer(gap, len - gap), len - gap};
    if (!shown)
        detachFromCompanion();
    return pieces;
}

void EditControl::keepUnsaved(DocHandle doc) {
    // One change, a save point after it, and the change undone: the document
    // is modified and the save point lies in the redo history, which the next
    // change throws away (the editor has no Redo). No undo step is left.
    const bool shown = doc == shownDocument();
    QsciScintillaBase* view = shown ? static_cast<QsciScintillaBase*>(this) : companion_;
    if (!shown)
        attachToCompanion(doc);
    const long readOnly = view->SendScintilla(SCI_GETREADONLY);
    view->SendScintilla(SCI_SETREADONLY, 0ul);
    view->SendScintilla(SCI_SETUNDOCOLLECTION, 1ul);
    const long length = view->SendScintilla(SCI_GETLENGTH);
    view->SendScintilla(SCI_SETTARGETSTART, static_cast<unsigned long>(length));
    view->SendScintilla(SCI_SETTARGETEND, static_cast<unsigned long>(length));
    view->SendScintilla(SCI_REPLACETARGET, 1ul, " ");
    view->SendScintilla(SCI_SETSAVEPOINT);
    view->SendScintilla(SCI_UNDO);
    view->SendScintilla(SCI_SETREADONLY, static_cast<unsigned long>(readOnly));
    if (!shown)
        detachFromCompanion();
    else
        emit stateChanged();
}

void EditControl::setDocumentLoading(DocHandle doc, bool loading) {
    if (!doc || loading == isDocumentLoading(doc))
        return;
    const bool shown = doc == shownDocument();
    QsciScintillaBase* view = shown ? static_cast<QsciScintillaBase*>(this) : companion_;
    if (!shown)
        attachToCompanion(doc);
    bool readOnly = true;
    if (loading)
        loadingWish_.insert(doc, view->SendScintilla(SCI_GETREADONLY) != 0);
    else
        readOnly = loadingWish_.take(doc);
    view->SendScintilla(SCI_SETREADONLY, readOnly ? 1ul : 0ul);
    if (!shown)
        detachFromCompanion();
    else
        emit stateChanged();
}

DocHandle EditControl::newEmptyDocument(TextEncoding encoding, const QByteArray& lineBreak,
                                        qsizetype expected) const {
    // Created through the companion: this Scintilla resets the line table of
    // the view that creates a document, which would hide the shown text.
    const auto doc = static_cast<DocHandle>(
        companion_->SendScintilla(SCI_CREATEDOCUMENT, 0ul, documentOptionsFor(expected)));
    attachToCompanion(doc);
    companion_->SendScintilla(SCI_SETCODEPAGE, encoding == TextEncoding::Utf8 ? static_cast<unsigned long>(SC_CP_UTF8) : 0ul);
    companion_->SendScintilla(SCI_SETEOLMODE, eolModeOf(lineBreak));
    detachFromCompanion();
    return doc;
}

DocHandle EditControl::createDocument(const QByteArray& bytes, TextEncoding encoding,
                                      const QByteArray& lineBreak) {
    const DocHandle doc = newEmptyDocument(encoding, lineBreak, bytes.size());
    attachToCompanion(doc);
    companion_->SendScintilla(SCI_SETUNDOCOLLECTION, 0ul);
    companion_->SendScintilla(SCI_ALLOCATE, roomForText(bytes.size()));
    companion_->SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(bytes.size()),
                              bytes.constData());
    companion_->SendScintilla(SCI_SETUNDOCOLLECTION, 1ul);
    companion_->SendScintilla(SCI_SETSAVEPOINT);
    detachFromCompanion();
    return doc;
}

void EditControl::releaseDocument(DocHandle doc) {
    if (!doc)
        return;
    loadingWish_.remove(doc);
    SendScintilla(SCI_RELEASEDOCUMENT, 0ul, doc);
    emit documentReleased(doc);
}

void EditControl::replaceDocumentText(DocHandle doc, const QByteArray& bytes) {
    if (isDocumentLoading(doc))
        return;
    attachToCompanion(doc);
    const long readOnly = companion_->SendScintilla(SCI_GETREADONLY);
    companion_->SendScintilla(SCI_SETREADONLY, 0ul);
    companion_->SendScintilla(SCI_BEGINUNDOACTION);
    companion_->SendScintilla(SCI_CLEARALL);
    companion_->SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(bytes.size()),
                              bytes.constData());
    companion_->SendScintilla(SCI_ENDUNDOACTION);
    companion_->SendScintilla(SCI_SETREADONLY, static_cast<unsigned long>(readOnly));
    detachFromCompanion();
}

void EditControl::markDocumentSaved(DocHandle doc) {
    attachToCompanion(doc);
    companion_->SendScintilla(SCI_SETSAVEPOINT);
    detachFromCompanion();
}

TextEncoding EditControl::documentEncoding(DocHandle doc) const {
    attachToCompanion(doc);
    const bool utf8 = companion_->SendScintilla(SCI_GETCODEPAGE) == SC_CP_UTF8;
    detachFromCompanion();
    return utf8 ? TextEncoding::Utf8 : TextEncoding::Latin1;
}

void EditControl::attachToCompanion(DocHandle doc) const {
    companion_->SendScintilla(SCI_SETDOCPOINTER, 0ul, doc);
}

void EditControl::detachFromCompanion() const {
    // Zero makes the companion create a blank document of its own, so it
    // never keeps a parked document alive after its owner released it.
    companion_->SendScintilla(SCI_SETDOCPOINTER, 0ul, 0l);
}

} // namespace tw
