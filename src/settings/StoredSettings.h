#pragma once
// The contents of the settings file "tw162.ini" as plain data, one field per
// item in file order. Texts are the raw bytes of their lines and numbers the
// values as read, not normalised: whoever applies a value decides what it
// means, and a value nobody uses is written back unchanged, so a well-formed
// file survives a read and a write byte for byte.
#include <QByteArray>
#include <QList>
#include <QString>

namespace tw {

// The filter both file dialogs get on a first run.
inline const QString kFirstRunFilter = QStringLiteral(
    "Any File|*.*|html Files (html)|*.html|htm Files (htm)|*.htm|C++ Files (cpp)|*.cpp|"
    "C Files (c)|*.c|Header Files (h)|*.h|Java Files (java)|*.java|Batch Files (bat)|*.bat|"
    "Assembly Files (asm)|*.asm|Pascal Files (pas)|*.pas|Basic Files (bas)|*.bas|"
    "Text Files (txt)|*.txt|m3u Files (m3u)|*.m3u");

// How many entries of each counted list the reader keeps: the sizes of the
// tables the lists are loaded into. Entries past these are read and dropped.
inline constexpr int kMaxStoredExecRecords = 12;
inline constexpr int kMaxStoredGroups = 28;
inline constexpr int kMaxStoredGroupFiles = 255;
inline constexpr int kMaxStoredDocuments = 255;
inline constexpr int kMaxStoredRunRecords = 255;
inline constexpr int kMaxStoredRecentFiles = 255;
inline constexpr int kMaxStoredFavorites = 255;

// A stored flag is on when it is not 0.
inline bool flagOn(int stored) { return stored != 0; }
// A stored font-style flag (items 18 to 21) is on only when it is exactly 1.
inline bool fontStyleOn(int stored) { return stored == 1; }
// The value a flag is written as.
inline int flagValue(bool on) { return on ? 1 : 0; }

// A text item as the window uses it. The file holds bytes, read as UTF-8.
inline QString textFromStored(const QByteArray& stored) { return QString::fromUtf8(stored); }
// The bytes a text item is written as. Bytes that are not UTF-8 (a Latin-1
// font name or folder) have no string that gives them back, so a text the run
// left as it was read is written as the very bytes it was read from.
inline QByteArray storedFromText(const QString& text, const QByteArray& asRead) {
    return textFromStored(asRead) == text ? asRead : text.toUtf8();
}

// One executable-extension record (item 5), five lines.
struct StoredExecRecord {
    QByteArray sourceExtensions;
    QByteArray executableExtension;
    int promptForParameters = 0; // flag
    int changeDirectory = 0;     // flag
    int action = 0;              // SaveOrBackupAction 0..4
    bool operator==(const StoredExecRecord&) const = default;
};

// One group (item 13): caption as shown (with its "&N " prefix), a counted
// list of file names, then the 0-based main-file position (-1 for none).
struct StoredGroup {
    QByteArray caption;
    QList<QByteArray> files;
    int mainFile = -1;
    bool operator==(const StoredGroup&) const = default;
};

// One start-up document (item 15), four lines.
struct StoredDocument {
    QByteArray fileName;
    int readOnly = 0; // flag
    qint64 selStart = 0;    // 64 bits: a document may pass 2 GB
    qint64 selLength = 0;
    bool operator==(const StoredDocument&) const = default;
};

// One Run record (item 32).
struct StoredRunRecord {
    QByteArray program;
    QByteArray parameters;
    int action = 0;          // SaveOrBackupAction 0..4
    QByteArray caption;      // as shown, with the "&N " prefix of records 1 to 9
    int shortcut = 0;        // menu shortcut code, 0 for none
    QList<QByteArray> batchLines;
    bool operator==(const StoredRunRecord&) const = default;
};

struct StoredSettings {
    int customBackground = 0;                 // 1  colour 0x00BBGGRR
    int customText = 0;                       // 2  colour 0x00BBGGRR
    int colourScheme = 0;                     // 3  0..2
    int keystrokeMapping = 0;                 // 4  0..1
    QList<StoredExecRecord> execRecords;      // 5  counted list
    int executeCurrentFileShortcut = 0;       // 6  shortcut
    int persistentGroups = 0;                 // 7  flag
    int confirmPrompts = 0;                   // 8  flag
    int autoIndent = 0;                       // 9  flag
    int tabUse = 0;                           // 10 0..2
    int tabSpaces = 0;                        // 11 1..8
    int openGroup = 0;                        // 12 0..28
    QList<StoredGroup> groups;                // 13 counted list
    int startupMode = 0;                      // 14 0..2
    // 15: on disk only when startupMode is 0; shownTab only when there is
    // more than one document (otherwise it stays 0).
    QList<StoredDocument> documents;          // 15 counted list
    int shownTab = 0;                         // 15 tab index of the shown document
    QByteArray fontName;                      // 16 text
    int fontSize = 0;                         // 17 points
    int fontBold = 0;                         // 18 font-style flag
    int fontItalic = 0;                       // 19 font-style flag
    int fontUnderline = 0;                    // 20 font-style flag
    int fontStrikeOut = 0;                    // 21 font-style flag
    int autosaveOn = 0;                       // 22 flag
    int autosaveInterval = 0;                 // 23 milliseconds
    // 24: the state (0 normal, 1 minimized, 2 maximized); the geometry is on
    // disk only when the state is 0 (otherwise it stays 0).
    int windowState = 0;                      // 24
    int windowTop = 0;                        // 24
    int windowLeft = 0;                       // 24
    int windowHeight = 0;                     // 24
    int windowWidth = 0;                      // 24
    int viewClipboard = 0;                    // 25 flag
    int viewScrollBars = 0;                   // 26 flag
    int viewFileTabs = 0;                     // 27 flag
    int viewToolBar = 0;                      // 28 flag
    int viewStatusBar = 0;                    // 29 flag
    int wordWrap = 0;                         // 30 flag
    int insertMode = 0;                       // 31 flag
    QList<StoredRunRecord> runRecords;        // 32 counted list
    int showHints = 0;                        // 33 flag
    int hintPause = 0;                        // 34 milliseconds
    int hintHidePause = 0;                    // 35 milliseconds
    QList<QByteArray> recentFiles;            // 36 counted list of captions
    int maxRecentFiles = 0;                   // 37
    QList<QByteArray> favorites;              // 38 counted list of captions
    int backupStyle = 0;                      // 39 flag: 0 ".bak", 1 "~" prefix
    QByteArray defaultExtension;              // 40 text
    QByteArray fileFilter;                    // 41 text
    QByteArray saveDialogFolder;              // 42 text
    QByteArray openDialogFolder;              // 43 text
    int showPaths = 0;                        // 44 flag
    int clipboardMode = 0;                    // 45 0..2

    bool operator==(const StoredSettings&) const = default;
};

} // namespace tw
