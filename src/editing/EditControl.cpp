#include "editing/EditControl.h"

#include "editing/DocumentBuffer.h"
#include "util/Colours.h"
#include "util/DroppedFiles.h"

#include <QAccessibleWidget>
#include <QColor>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QShowEvent>

#include <algorithm>
#include <cstring>
#include <mutex>

namespace tw {

namespace {

// Text-insert and text-delete notifications cost time in proportion to their
// position in a big document; changes are learnt from save points and
// update notifications instead, and counted from the notifications that come
// before an insert or delete, which cost nothing of the kind.
// Container notifications tell of the undo and redo of a document's change of
// encoding (EditControl::holdAsUtf8).
constexpr int kModEventMask =
    QsciScintillaBase::SC_MOD_CHANGEMARKER | QsciScintillaBase::SC_MOD_CONTAINER |
    QsciScintillaBase::SC_MOD_BEFOREINSERT | QsciScintillaBase::SC_MOD_BEFOREDELETE;
constexpr int kChangeTypes = QsciScintillaBase::SC_MOD_BEFOREINSERT | QsciScintillaBase::SC_MOD_BEFOREDELETE;

// The token of the undo action that marks a single-byte document's change to
// UTF-8.
constexpr int kToUtf8Token = 0x7457;

bool fitsLatin1(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

// The UTF-8 position of a single-byte position: one more byte for every
// character from 0x80 up before it.
qsizetype utf8PositionOf(const QByteArray& latin1, qsizetype position) {
    qsizetype high = 0;
    for (qsizetype i = 0; i < position && i < latin1.size(); ++i)
        high += static_cast<unsigned char>(latin1[i]) >= 0x80;
    return position + high;
}

void configureView(QsciScintillaBase* view) {
    view->SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, kModEventMask);
    view->SendScintilla(QsciScintillaBase::SCI_SETMARGINWIDTHN, 0ul, 0l);
    view->SendScintilla(QsciScintillaBase::SCI_SETMARGINWIDTHN, 1ul, 0l);
    view->SendScintilla(QsciScintillaBase::SCI_SETMARGINWIDTHN, 2ul, 0l);
    view->SendScintilla(QsciScintillaBase::SCI_SETMARGINLEFT, 0ul, 3l);
    view->SendScintilla(QsciScintillaBase::SCI_SETSCROLLWIDTHTRACKING, 1ul);
    // Scintilla lays out a whole line to draw any of it, and with its default
    // cache keeps only the caret's line laid out: every repaint (a caret
    // blink, a status change) would lay out a long line that the caret is not
    // on again, seconds for a line of some megabytes. The visible lines stay
    // laid out until they change.
    view->SendScintilla(QsciScintillaBase::SCI_SETLAYOUTCACHE,
                        static_cast<unsigned long>(QsciScintillaBase::SC_CACHE_PAGE));
    view->SendScintilla(QsciScintillaBase::SCI_SETSCROLLWIDTH, 1ul);
    view->SendScintilla(QsciScintillaBase::SCI_SETTABWIDTH, 8ul);
    view->SendScintilla(QsciScintillaBase::SCI_USEPOPUP, 0ul);
    // Scintilla's own bindings for these keys (transpose, line cut, duplicate,
    // case changes, redo on Ctrl+Y) would act behind the menus' backs whenever
    // the menu command of the same key is disabled.
    constexpr unsigned long ctrl = QsciScintillaBase::SCMOD_CTRL << 16;
    constexpr unsigned long shift = QsciScintillaBase::SCMOD_SHIFT << 16;
    for (const unsigned long key : {ctrl | 'T', ctrl | shift | 'T', ctrl | 'Y', ctrl | 'L',
                                    ctrl | shift | 'L', ctrl | 'D', ctrl | 'U', ctrl | shift | 'U'})
        view->SendScintilla(QsciScintillaBase::SCI_CLEARCMDKEY, key);
}

// A caret blink repaints the caret's line, and drawing a line costs time in
// proportion to its whole length, not to the part that is shown: on a line of
// megabytes the blinking alone would keep a core busy. The caret stands still
// there and blinks again on ordinary lines.
void steadyCaretOnLongLines(QsciScintillaBase* view) {
    constexpr long kLongLine = 256 * 1024;
    constexpr unsigned long kBlinkMs = 500;   // Scintilla's own period
    const long caret = view->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    const long line = view->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(caret));
    const bool longLine = view->SendScintilla(QsciScintillaBase::SCI_LINELENGTH, static_cast<unsigned long>(line)) > kLongLine;
    const unsigned long period = longLine ? 0ul : kBlinkMs;
    if (static_cast<unsigned long>(view->SendScintilla(QsciScintillaBase::SCI_GETCARETPERIOD)) != period)
        view->SendScintilla(QsciScintillaBase::SCI_SETCARETPERIOD, period);
}

// Qt asks every widget for its accessible interface when it is shown, and
// the one this Scintilla offers counts the characters from the start of the
// text to the caret at every caret move: a keystroke at the end of a 50 MB
// file then costs a quarter of a second. Unless a screen reader is active,
// the edit control gets a plain accessible widget instead.
QAccessibleInterface* plainEditAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String("tw::EditControl") || QAccessible::isActive())
        return nullptr;
    auto* widget = qobject_cast<QWidget*>(object);
    return widget ? new QAccessibleWidget(widget, QAccessible::EditableText) : nullptr;
}

} // namespace

EditControl::EditControl(QWidget* parent)
    : QsciScintillaBase(parent), companion_(new QsciScintillaBase(this)) {
    static std::once_flag accessibleFactory;
    std::call_once(accessibleFactory, [] { QAccessible::installFactory(plainEditAccessible); });
    setObjectName(QStringLiteral("Edit"));
    companion_->setObjectName(QStringLiteral("EditCompanion"));
    companion_->hide();
    configureView(this);
    configureView(companion_);
    attachDocument(newEmptyDocument(TextEncoding::Utf8, "\n"));
    setEditorFont(QStringLiteral("Courier New"), 10, false, false, false);

    connect(this, &QsciScintillaBase::SCN_SAVEPOINTLEFT, this, [this] { onSavePoint(false); });
    connect(this, &QsciScintillaBase::SCN_SAVEPOINTREACHED, this, [this] { onSavePoint(true); });
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        // Text typed where the indicator did not reach (an empty document)
        // is struck out too.
        if (updated & SC_UPDATE_CONTENT)
            applyStrikeOut();
        steadyCaretOnLongLines(this);
        emit stateChanged();
    });
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int, int type, const char*, int, int, int, int, int, int token, int) {
                if ((type & SC_MOD_CONTAINER) && token == kToUtf8Token)
                    onEncodingStep((type & SC_PERFORMED_UNDO) != 0);
                if (type & kChangeTypes)
                    countChange(this);
            });
    connect(companion_, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int, int type, const char*, int, int, int, int, int, int, int) {
                if (type & kChangeTypes)
                    countChange(companion_);
            });
}

EditControl::~EditControl() = default;

qsizetype EditControl::length() const { return SendScintilla(SCI_GETLENGTH); }

const char* EditControl::characterPointer() const {
    return static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
}

QByteArray EditControl::textBytes() const { return QByteArray(characterPointer(), length()); }

QByteArray EditControl::bytesInRange(qsizetype start, qsizetype end) const {
    start = std::clamp<qsizetype>(start, 0, length());
    end = std::clamp<qsizetype>(end, start, length());
    if (end == start)
        return QByteArray();
    // A range pointer moves Scintilla's gap only when it lies inside the range;
    // the whole-text pointer would move it behind the end of a big text.
    const char* data = static_cast<const char*>(reinterpret_cast<const void*>(SendScintilla(
        SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), static_cast<long>(end - start))));
    return QByteArray(data, end - start);
}

void EditControl::setTextBytes(const QByteArray& bytes) {
    if (!canGrowBy(bytes.size() - length()))
        return;
    SendScintilla(SCI_BEGINUNDOACTION);
    SendScintilla(SCI_CLEARALL);
    SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(bytes.size()), bytes.constData());
    SendScintilla(SCI_ENDUNDOACTION);
}

void EditControl::insertBytes(qsizetype position, const QByteArray& bytes) {
    insertBytes(position, bytes.constData(), bytes.size());
}

void EditControl::insertBytes(qsizetype position, const char* data, qsizetype length) {
    if (!canGrowBy(length))
        return;
    // SCI_INSERTTEXT stops at a NUL byte; a targeted replace does not.
    SendScintilla(SCI_SETTARGETSTART, static_cast<unsigned long>(position));
    SendScintilla(SCI_SETTARGETEND, static_cast<unsigned long>(position));
    SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(length), data);
}

void EditControl::loadBytes(const QByteArray& bytes, TextEncoding encoding,
                            const QByteArray& lineBreak) {
    const bool wasReadOnly = isReadOnly();
    SendScintilla(SCI_SETREADONLY, 0ul);
    SendScintilla(SCI_SETUNDOCOLLECTION, 0ul);
    SendScintilla(SCI_CLEARALL);
    SendScintilla(SCI_SETCODEPAGE, encoding == TextEncoding::Utf8 ? static_cast<unsigned long>(SC_CP_UTF8) : 0ul);
    SendScintilla(SCI_SETEOLMODE, eolModeOf(lineBreak));
    SendScintilla(SCI_ALLOCATE, roomForText(bytes.size()));
    SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(bytes.size()), bytes.constData());
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SETUNDOCOLLECTION, 1ul);
    SendScintilla(SCI_SETSAVEPOINT);
    SendScintilla(SCI_GOTOPOS, 0ul);
    SendScintilla(SCI_SETREADONLY, wasReadOnly ? 1ul : 0ul);
    modified_ = false;
    emit stateChanged();
}

bool EditControl::canGrowBy(qsizetype bytes) const {
    return (SendScintilla(SCI_GETDOCUMENTOPTIONS) & SC_DOCUMENTOPTION_TEXT_LARGE) != 0 ||
           length() + bytes <= kSmallTextLimit;
}

bool EditControl::canHold(const QString& text) const {
    return encoding() == TextEncoding::Utf8 || fitsLatin1(text);
}

void EditControl::makeRoomFor(const QString& text) {
    if (!canHold(text) && !isReadOnly())
        holdAsUtf8();
}

QByteArray EditControl::bytesFor(const QString& text) {
    makeRoomFor(text);
    return encoding() == TextEncoding::Utf8 ? text.toUtf8() : text.toLatin1();
}

void EditControl::holdAsUtf8() {
    const QByteArray latin1 = textBytes();
    const QByteArray utf8 = QString::fromLatin1(latin1).toUtf8();
    const qsizetype anchor = utf8PositionOf(latin1, SendScintilla(SCI_GETANCHOR));
    const qsizetype caret = utf8PositionOf(latin1, SendScintilla(SCI_GETCURRENTPOS));
    // One undo step: undoing it gives back the single-byte text and, through
    // the container action recorded first (so undone last), the code page.
    SendScintilla(SCI_BEGINUNDOACTION);
    SendScintilla(SCI_ADDUNDOACTION, static_cast<unsigned long>(kToUtf8Token), 0l);
    SendScintilla(SCI_SETCODEPAGE, static_cast<unsigned long>(SC_CP_UTF8));
    SendScintilla(SCI_SETTARGETSTART, 0ul);
    SendScintilla(SCI_SETTARGETEND, static_cast<unsigned long>(latin1.size()));
    SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(utf8.size()), utf8.constData());
    SendScintilla(SCI_ENDUNDOACTION);
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(anchor), static_cast<long>(caret));
    // The container action leaves the save point without telling (this
    // Scintilla notifies only text changes), so the flag is asked for.
    onSavePoint(SendScintilla(SCI_GETMODIFY) == 0);
}

void EditControl::onEncodingStep(bool undone) {
    SendScintilla(SCI_SETCODEPAGE, undone ? 0ul : static_cast<unsigned long>(SC_CP_UTF8));
}

TextEncoding EditControl::encoding() const {
    return SendScintilla(SCI_GETCODEPAGE) == SC_CP_UTF8 ? TextEncoding::Utf8 : TextEncoding::Latin1;
}

qsizetype EditControl::selStart() const { return SendScintilla(SCI_GETSELECTIONSTART); }

qsizetype EditControl::selLength() const {
    return SendScintilla(SCI_GETSELECTIONEND) - SendScintilla(SCI_GETSELECTIONSTART);
}

qsizetype EditControl::characterBoundary(qsizetype position) const {
    position = std::clamp<qsizetype>(position, 0, length());
    if (position == 0)
        return 0;
    // The character before the position, then its end: the position itself
    // when it is a boundary, else the end of the character (or CR LF) it splits.
    const auto before = SendScintilla(SCI_POSITIONBEFORE, static_cast<unsigned long>(position));
    return SendScintilla(SCI_POSITIONAFTER, static_cast<unsigned long>(before));
}

void EditControl::setSelStart(qsizetype start) {
    SendScintilla(SCI_SETEMPTYSELECTION, static_cast<unsigned long>(characterBoundary(start)));
    emit stateChanged();
}

void EditControl::setSelLength(qsizetype len) {
    const qsizetype start = selStart();
    const qsizetype end = characterBoundary(start + std::clamp<qsizetype>(len, 0, length() - start));
    if (isVisible()) {
        SendScintilla(SCI_SETSEL, static_cast<unsigned long>(start), static_cast<long>(end));
    } else {
        SendScintilla(SCI_SETEMPTYSELECTION, static_cast<unsigned long>(start));
        SendScintilla(SCI_SETCURRENTPOS, static_cast<unsigned long>(end));
        scrollWhenShown_ = true;
        firstLineWhenShown_ = -1;
    }
    emit stateChanged();
}

void EditControl::setSelection(qsizetype start, qsizetype len) {
    setSelStart(start);
    setSelLength(len);
}

QByteArray EditControl::selectedBytes() const {
    return bytesInRange(selStart(), selStart() + selLength());
}

void EditControl::selectAll() {
    SendScintilla(SCI_SELECTALL);
    emit stateChanged();
}

void EditControl::replaceSelection(const QByteArray& bytes) {
    if (!canGrowBy(bytes.size() - selLength()))
        return;
    SendScintilla(SCI_SETTARGETSTART, static_cast<unsigned long>(selStart()));
    SendScintilla(SCI_SETTARGETEND, static_cast<unsigned long>(selStart() + selLength()));
    SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(bytes.size()), bytes.constData());
    const qsizetype end = SendScintilla(SCI_GETTARGETEND);
    SendScintilla(SCI_SETEMPTYSELECTION, static_cast<unsigned long>(end));
}

qsizetype EditControl::caretPosition() const { return SendScintilla(SCI_GETCURRENTPOS); }

void EditControl::setModifiedFlag(bool modified) {
    // A document still being read holds only part of its file: marked
    // modified, a save (or Save All) would write that part over the file.
    if (modified && isShownLoading())
        return;
    if (!modified)
        SendScintilla(SCI_SETSAVEPOINT);
    if (modified_ != modified) {
        modified_ = modified;
        emit modifiedChanged(modified_);
    }
    emit stateChanged();
}

bool EditControl::isReadOnly() const { return SendScintilla(SCI_GETREADONLY) != 0; }

void EditControl::setReadOnlyFlag(bool readOnly) {
    if (const auto wish = loadingWish_.find(shownDocument()); wish != loadingWish_.end()) {
        *wish = readOnly;
        return;
    }
    SendScintilla(SCI_SETREADONLY, readOnly ? 1ul : 0ul);
}

bool EditControl::wantedReadOnly() const {
    return loadingWish_.value(shownDocument(), isReadOnly());
}

bool EditControl::canUndo() const { return SendScintilla(SCI_CANUNDO) != 0; }

void EditControl::undo() {
    SendScintilla(SCI_UNDO);
    emit stateChanged();
}

qsizetype EditControl::firstVisibleLine() const { return SendScintilla(SCI_GETFIRSTVISIBLELINE); }

void EditControl::setFirstVisibleLine(qsizetype line) {
    SendScintilla(SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(std::max<qsizetype>(line, 0)));
    if (scrollWhenShown_)
        firstLineWhenShown_ = std::max<qsizetype>(line, 0);
}

// Scrolling lays out the caret's line, which costs time in proportion to its
// whole length (seconds for a line of megabytes). A hidden control does not
// yet have the size it is shown at, and Scintilla drops the layouts it keeps
// when the window grows: the line would be laid out twice. So a hidden
// control scrolls once, when it is shown.
void EditControl::scrollCaretIntoView() {
    if (isVisible()) {
        SendScintilla(SCI_SCROLLCARET);
    } else {
        scrollWhenShown_ = true;
        firstLineWhenShown_ = -1;
    }
}

void EditControl::showEvent(QShowEvent* event) {
    QsciScintillaBase::showEvent(event);
    // In the order the calls came: the scroll to the caret, then a first line
    // set after it (a switched document's view as its user left it).
    if (scrollWhenShown_) {
        SendScintilla(SCI_SCROLLCARET);
        if (firstLineWhenShown_ >= 0)
            SendScintilla(SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(firstLineWhenShown_));
    }
    scrollWhenShown_ = false;
    firstLineWhenShown_ = -1;
}

void EditControl::showScrollBars(bool vertical, bool horizontal) {
    SendScintilla(SCI_SETVSCROLLBAR, vertical ? 1ul : 0ul);
    SendScintilla(SCI_SETHSCROLLBAR, horizontal ? 1ul : 0ul);
    // Scintilla asks only for bars "as needed"; the policy set after it wins.
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

DocHandle EditControl::detachDocument() {
    return exchangeDocument(newEmptyDocument(TextEncoding::Utf8, "\n"));
}

void EditControl::attachDocument(DocHandle doc) { releaseDocument(exchangeDocument(doc)); }

DocHandle EditControl::exchangeDocument(DocHandle doc) {
    const auto old = static_cast<DocHandle>(SendScintilla(SCI_GETDOCPOINTER));
    if (old)
        SendScintilla(SCI_ADDREFDOCUMENT, 0ul, old);
    SendScintilla(SCI_SETDOCPOINTER, 0ul, doc);
    SendScintilla(SCI_RELEASEDOCUMENT, 0ul, doc);   // the view now holds it
    modified_ = SendScintilla(SCI_GETMODIFY) != 0;
    applyStrikeOut();
    steadyCaretOnLongLines(this);
    emit stateChanged();
    return old;
}

void EditControl::onSavePoint(bool reached) {
    const bool modified = !reached;
    if (modified_ != modified) {
        modified_ = modified;
        emit modifiedChanged(modified_);
    }
    emit stateChanged();
}

void EditControl::contextMenuEvent(QContextMenuEvent* event) {
    emit contextMenuRequested(event->globalPos());
    event->accept();
}

void EditControl::keyPressEvent(QKeyEvent* event) {
    if (inputHook_ && inputHook_->editKeyPressed(*event)) {
        event->accept();
        return;
    }
    // Esc comes after the hook's own steps, so the window has already seen
    // the key press when the mail capture runs.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        emit escapePressed();
        event->accept();
        return;
    }
    makeRoomFor(event->text());
    QsciScintillaBase::keyPressEvent(event);
}

void EditControl::inputMethodEvent(QInputMethodEvent* event) {
    makeRoomFor(event->commitString() + event->preeditString());
    QsciScintillaBase::inputMethodEvent(event);
}

void EditControl::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedLocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        QsciScintillaBase::dragEnterEvent(event);
}

void EditControl::dragMoveEvent(QDragMoveEvent* event) {
    if (!droppedLocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        QsciScintillaBase::dragMoveEvent(event);
}

void EditControl::dropEvent(QDropEvent* event) {
    // Files from a file manager are opened, not pasted as their names.
    if (const QStringList files = droppedLocalFiles(event->mimeData()); !files.isEmpty()) {
        event->acceptProposedAction();
        emit filesDropped(files);
        return;
    }
    if (event->mimeData() && event->mimeData()->hasText())
        makeRoomFor(event->mimeData()->text());
    QsciScintillaBase::dropEvent(event);
}

void EditControl::keyReleaseEvent(QKeyEvent* event) {
    QsciScintillaBase::keyReleaseEvent(event);
    if (inputHook_)
        inputHook_->editKeyReleased(*event);
}

void EditControl::mousePressEvent(QMouseEvent* event) {
    QsciScintillaBase::mousePressEvent(event);
    if (inputHook_)
        inputHook_->editMousePressed();
}

void EditControl::mouseMoveEvent(QMouseEvent* event) {
    QsciScintillaBase::mouseMoveEvent(event);
    if (inputHook_)
        inputHook_->editMouseMovedOrReleased();
}

void EditControl::mouseReleaseEvent(QMouseEvent* event) {
    QsciScintillaBase::mouseReleaseEvent(event);
    if (inputHook_)
        inputHook_->editMouseMovedOrReleased();
}

void EditControl::setEditorFont(const QString& family, double pointSize, bool bold, bool italic,
                                bool underline, bool strikeOut) {
    const QByteArray name = family.toUtf8();
    SendScintilla(SCI_STYLESETFONT, static_cast<unsigned long>(STYLE_DEFAULT), name.constData());
    SendScintilla(SCI_STYLESETSIZEFRACTIONAL, static_cast<unsigned long>(STYLE_DEFAULT),
                  static_cast<long>(pointSize * 100));
    SendScintilla(SCI_STYLESETBOLD, static_cast<unsigned long>(STYLE_DEFAULT), bold ? 1l : 0l);
    SendScintilla(SCI_STYLESETITALIC, static_cast<unsigned long>(STYLE_DEFAULT), italic ? 1l : 0l);
    SendScintilla(SCI_STYLESETUNDERLINE, static_cast<unsigned long>(STYLE_DEFAULT),
                  underline ? 1l : 0l);
    SendScintilla(SCI_STYLECLEARALL);
    strikeOut_ = strikeOut;
    SendScintilla(SCI_INDICSETSTYLE, static_cast<unsigned long>(kStrikeOutIndicator),
                  static_cast<long>(INDIC_STRIKE));
    SendScintilla(SCI_INDICSETFORE, static_cast<unsigned long>(kStrikeOutIndicator), textColour());
    applyStrikeOut();
}

void EditControl::applyStrikeOut() {
    const auto indicator = static_cast<unsigned long>(kStrikeOutIndicator);
    const long len = static_cast<long>(length());
    // A run of the indicator from 0 to the end means the whole text is struck.
    const bool covered = len == 0 || (SendScintilla(SCI_INDICATORVALUEAT, indicator, 0l) != 0 &&
                                      SendScintilla(SCI_INDICATOREND, indicator, 0l) >= len);
    const bool clear = SendScintilla(SCI_INDICATOREND, indicator, 0l) == 0 ||
                       (SendScintilla(SCI_INDICATORVALUEAT, indicator, 0l) == 0 &&
                        SendScintilla(SCI_INDICATOREND, indicator, 0l) >= len);
    if (strikeOut_ ? covered : clear)
        return;
    SendScintilla(SCI_SETINDICATORCURRENT, indicator);
    if (strikeOut_)
        SendScintilla(SCI_INDICATORFILLRANGE, 0ul, len);
    else
        SendScintilla(SCI_INDICATORCLEARRANGE, 0ul, len);
}

void EditControl::setColours(const QColor& text, const QColor& background) {
    // A change of style throws away every line's layout, and laying out a
    // line of megabytes again takes seconds: the same colours change nothing.
    if (text.rgb() == textColour().rgb() && background.rgb() == backgroundColour().rgb())
        return;
    SendScintilla(SCI_STYLESETFORE, static_cast<unsigned long>(STYLE_DEFAULT), text);
    SendScintilla(SCI_STYLESETBACK, static_cast<unsigned long>(STYLE_DEFAULT), background);
    SendScintilla(SCI_STYLECLEARALL);
    SendScintilla(SCI_SETCARETFORE, text);
    SendScintilla(SCI_INDICSETFORE, static_cast<unsigned long>(kStrikeOutIndicator), text);
}

QColor EditControl::textColour() const {
    return colourFromStored(static_cast<int>(
        SendScintilla(SCI_STYLEGETFORE, static_cast<unsigned long>(STYLE_DEFAULT))));
}

QColor EditControl::backgroundColour() const {
    return colourFromStored(static_cast<int>(
        SendScintilla(SCI_STYLEGETBACK, static_cast<unsigned long>(STYLE_DEFAULT))));
}

QByteArray EditControl::lineBreak() const {
    switch (SendScintilla(SCI_GETEOLMODE)) {
    case SC_EOL_CRLF:
        return QByteArrayLiteral("\r\n");
    case SC_EOL_CR:
        return QByteArrayLiteral("\r");
    default:
        return QByteArrayLiteral("\n");
    }
}

} // namespace tw
