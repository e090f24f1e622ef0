#pragma once
// The edit control `Edit`: the one Scintilla view that shows the current
// document. Every open document is a Scintilla document; the shown one is
// attached to this view, parked ones are held by handle and reached through a
// hidden companion view, so switching costs the same for any size of text.
//
// Positions are the view's buffer positions: a CR LF break counts two.
#include <Qsci/qsciscintillabase.h>
#include <QByteArray>
#include <QHash>
#include <QString>

#include "editing/EditInputHook.h"
#include "platform/TextFile.h"

namespace tw {

// A counted reference to one Scintilla document. Whoever holds a handle owns
// one reference and gives it back through EditControl::releaseDocument.
using DocHandle = long;

using TextEncoding = TextFormat::Encoding;

class EditControl : public QsciScintillaBase {
    Q_OBJECT
public:
    explicit EditControl(QWidget* parent = nullptr);
    ~EditControl() override;

    // --- the shown document -------------------------------------------
    qsizetype length() const;
    // Pointer to the whole text, valid until the next change.
    const char* characterPointer() const;
    QByteArray textBytes() const;
    QByteArray bytesInRange(qsizetype start, qsizetype end) const;
    // Replaces the whole text as one undoable step (Insert, Selection > Open).
    // These three change nothing when the text would grow past what the
    // document can hold (canGrowBy).
    void setTextBytes(const QByteArray& bytes);
    void insertBytes(qsizetype position, const QByteArray& bytes);
    void insertBytes(qsizetype position, const char* data, qsizetype length);
    // Replaces the text with a freshly loaded one: no undo history, save point.
    void loadBytes(const QByteArray& bytes, TextEncoding encoding, const QByteArray& lineBreak);
    // The encoding the buffer holds its text in. A single-byte document that
    // is given a character beyond Latin-1 (typed, pasted, dropped, replaced or
    // inserted) changes to UTF-8 first, as one undoable step, so the
    // character is kept rather than turned into "?"; the save decides what the
    // file becomes (its format still says Latin-1).
    TextEncoding encoding() const;
    bool canHold(const QString& text) const;
    // Whether the shown document can take `bytes` more: a document made for
    // large text always can, any other only up to 2 GB (kSmallTextLimit),
    // beyond which Scintilla's 32-bit line table would go wrong.
    bool canGrowBy(qsizetype bytes) const;
    // Changes a single-byte document to UTF-8 when it cannot hold text.
    void makeRoomFor(const QString& text);
    // The text as bytes of the shown document, after making room for it.
    QByteArray bytesFor(const QString& text);
    // The nearest character boundary at or after position, within the text:
    // a stored position never splits a UTF-8 character or a CR LF.
    qsizetype characterBoundary(qsizetype position) const;

    qsizetype selStart() const;
    qsizetype selLength() const;
    void setSelStart(qsizetype start);   // collapses the selection there
    void setSelLength(qsizetype length); // extends from the selection start
    void setSelection(qsizetype start, qsizetype length);
    QByteArray selectedBytes() const;
    void selectAll();
    void replaceSelection(const QByteArray& bytes);   // see setTextBytes
    qsizetype caretPosition() const;

    // The modified flag: set by any change, cleared by a save point, and set
    // explicitly when a document is restored from the table.
    bool isModified() const { return modified_; }
    void setModifiedFlag(bool modified);
    // Whether the shown document takes no changes now: also while it is
    // still being read (see setDocumentLoading).
    bool isReadOnly() const;
    // The read-only flag the file and the user ask for; while the document
    // is being read it is kept aside and applied once the text is complete.
    bool wantedReadOnly() const;
    void setReadOnlyFlag(bool readOnly);
    bool canUndo() const;
    void undo();

    qsizetype firstVisibleLine() const;
    void setFirstVisibleLine(qsizetype line);
    // While the control is hidden, the caret is brought into view when it is
    // shown (see showEvent).
    void scrollCaretIntoView();
    // Each scroll bar is shown always or never, not only when the text is
    // longer or wider than the window.
    void showScrollBars(bool vertical, bool horizontal);

    // --- whole documents ----------------------------------------------
    // Detaches the shown document (the caller owns the returned handle) and
    // shows a fresh empty UTF-8 document in its place.
    DocHandle detachDocument();
    // Shows `doc` (taking over the caller's reference); the document shown
    // until now is released.
    void attachDocument(DocHandle doc);
    // Shows `doc` and hands back the document shown until now.
    DocHandle exchangeDocument(DocHandle doc);
    // A new document holding `bytes`, not shown; no undo history, unmodified.
    DocHandle createDocument(const QByteArray& bytes, TextEncoding encoding,
                             const QByteArray& lineBreak);
    void releaseDocument(DocHandle doc);
    // Replaces the whole text of a document that is not shown as one step of
    // its undo history, also when the document is read-only; never while it
    // is still being read.
    void replaceDocumentText(DocHandle doc, const QByteArray& bytes);
    // Calls `use` with the text of a document that is not shown.
    template <typename F> auto withDocumentText(DocHandle doc, F use) const;
    void markDocumentSaved(DocHandle doc);
    // The encoding a document that is not shown holds its text in.
    TextEncoding documentEncoding(DocHandle doc) const;
    // The shown document's handle (the control keeps its reference).
    DocHandle shownDocument() const;
    // A number that grows with every change of a document's text, shown or
    // not; equal numbers mean the text did not change in between.
    quint64 changeCount(DocHandle doc) const { return changeCounts_.value(doc); }
    qsizetype documentLength(DocHandle doc) const;
    // Copies the bytes start .. end of a document, shown or not, to `to`
    // without moving its text around: cheap for a slice of a big document.
    // The range must lie within the text.
    void copyDocumentRange(DocHandle doc, qsizetype start, qsizetype end, char* to) const;
    // A document still being read takes no changes from anyone but its
    // reader: it stays read-only, and the flag asked for meanwhile is
    // applied when loading ends (also for a parked document). Releasing the
    // document ends it too.
    void setDocumentLoading(DocHandle doc, bool loading);
    bool isDocumentLoading(DocHandle doc) const { return loadingWish_.contains(doc); }
    bool isShownLoading() const { return isDocumentLoading(shownDocument()); }

    // The text of a document, shown or not, as the bytes on each side of
    // Scintilla's gap: nothing is moved or copied, so a writer gets a
    // gigabyte as fast as one that was just edited at its end. Valid until
    // the document next changes or is released.
    TextPieces textPieces(DocHandle doc) const;
    // Leaves a document modified until it is saved, whatever is undone later:
    // for text that was never in its file (a recovered document).
    void keepUnsaved(DocHandle doc);

    // Scintilla's styles know no strikeout: it is drawn by an indicator that
    // covers the whole shown text (kStrikeOutIndicator).
    void setEditorFont(const QString& family, double pointSize, bool bold, bool italic,
                       bool underline, bool strikeOut = false);
    static constexpr int kStrikeOutIndicator = INDIC_CONTAINER;
    void setColours(const QColor& text, const QColor& background);
    QColor textColour() const;
    QColor backgroundColour() const;
    // The shown document's line break: what Enter types and what a save ends with.
    QByteArray lineBreak() const;

    // The window's handling of keys and mouse around the control's own; the
    // hook must outlive the control or be removed with nullptr.
    void setInputHook(EditInputHook* hook) { inputHook_ = hook; }

signals:
    void contextMenuRequested(const QPoint& globalPos);
    void escapePressed();
    // Local files dropped on the control from a file manager, in order.
    void filesDropped(const QStringList& names);
    // Any change of modified flag, selection, text or undo availability.
    void stateChanged();
    void modifiedChanged(bool modified);
    // A holder gave a document back (releaseDocument): it is closed or
    // replaced, so whatever still works on it can stop.
    void documentReleased(DocHandle doc);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // A document made for `expected` bytes of text (documentOptionsFor).
    DocHandle newEmptyDocument(TextEncoding encoding, const QByteArray& lineBreak,
                               qsizetype expected = 0) const;
    void attachToCompanion(DocHandle doc) const;
    void detachFromCompanion() const;
    void onSavePoint(bool reached);
    void holdAsUtf8();
    void onEncodingStep(bool undone);
    // Makes the strikeout indicator cover the shown text exactly when the
    // font is struck out; cheap when nothing is to change.
    void applyStrikeOut();

    void countChange(const QsciScintillaBase* view);

    QsciScintillaBase* companion_;   // hidden view that reaches parked documents
    QHash<DocHandle, quint64> changeCounts_;
    QHash<DocHandle, bool> loadingWish_;   // documents being read: the read-only flag asked for
    bool modified_ = false;
    bool strikeOut_ = false;
    bool scrollWhenShown_ = false;
    qsizetype firstLineWhenShown_ = -1;   // a first line set after that scroll, which it wins over
    EditInputHook* inputHook_ = nullptr;
};

template <typename F> auto EditControl::withDocumentText(DocHandle doc, F use) const {
    attachToCompanion(doc);
    const auto len = static_cast<qsizetype>(companion_->SendScintilla(SCI_GETLENGTH));
    const char* data =
        static_cast<const char*>(companion_->SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    struct Detach {
        const EditControl* self;
        ~Detach() { self->detachFromCompanion(); }
    } detach{this};
    return use(data, len);
}

} // namespace tw
