#include "settings/SettingsCodec.h"

#include <charconv>
#include <limits>
#include <utility>

#include "settings/SettingsCursor.h"

namespace tw {

namespace {

// Reads a counted list entry by entry, keeping at most `capacity` entries and
// reading the rest only to keep the place in the file. Returns the count on
// disk.
template <typename T, typename ReadEntry>
int readList(SettingsCursor& in, QList<T>& list, int capacity, ReadEntry readEntry) {
    const int count = in.readCount();
    for (int i = 0; i < count && !in.atEnd(); ++i) {
        T entry = readEntry(in);
        if (list.size() < capacity)
            list.append(std::move(entry));
    }
    return count;
}

QByteArray readTextEntry(SettingsCursor& in) { return in.readText(); }

StoredExecRecord readExecRecord(SettingsCursor& in) {
    StoredExecRecord record;
    record.sourceExtensions = in.readText();
    record.executableExtension = in.readText();
    record.promptForParameters = in.readNumber();
    record.changeDirectory = in.readNumber();
    record.action = in.readNumber();
    return record;
}

StoredGroup readGroup(SettingsCursor& in) {
    StoredGroup group;
    group.caption = in.readText();
    readList(in, group.files, kMaxStoredGroupFiles, readTextEntry);
    group.mainFile = in.readNumber();
    return group;
}

StoredDocument readDocument(SettingsCursor& in) {
    StoredDocument document;
    document.fileName = in.readText();
    document.readOnly = in.readNumber();
    document.selStart = in.readPosition();
    document.selLength = in.readPosition();
    return document;
}

StoredRunRecord readRunRecord(SettingsCursor& in) {
    StoredRunRecord record;
    record.program = in.readText();
    record.parameters = in.readText();
    record.action = in.readNumber();
    record.caption = in.readText();
    record.shortcut = in.readNumber();
    // The batch text has no table of its own; its length is bounded by the
    // file, since every line read consumes at least one byte.
    readList(in, record.batchLines, std::numeric_limits<int>::max(), readTextEntry);
    return record;
}

// Item 15 after the start-up mode 0: the tab index follows only when the
// count on disk is above 1, whatever number of documents was kept.
void readStartupDocuments(SettingsCursor& in, StoredSettings& s) {
    if (readList(in, s.documents, kMaxStoredDocuments, readDocument) > 1)
        s.shownTab = in.readNumber();
}

// Appends lines, each ended by CR LF.
class LineWriter {
public:
    void number(qint64 value) {
        char digits[24];
        const auto result = std::to_chars(digits, digits + sizeof digits, value);
        out_.append(digits, result.ptr - digits);
        out_.append("\r\n", 2);
    }
    void count(qsizetype size) { number(static_cast<int>(size)); }
    void text(const QByteArray& text) {
        if (text.contains('\r') || text.contains('\x1a')) {
            QByteArray safe = text;
            safe.replace('\r', '?').replace('\x1a', '?');
            out_.append(safe);
        } else {
            out_.append(text);
        }
        out_.append("\r\n", 2);
    }
    void texts(const QList<QByteArray>& lines) {
        count(lines.size());
        for (const QByteArray& line : lines)
            text(line);
    }
    QByteArray take() { return std::move(out_); }

private:
    QByteArray out_;
};

void writeExecRecord(LineWriter& out, const StoredExecRecord& record) {
    out.text(record.sourceExtensions);
    out.text(record.executableExtension);
    out.number(record.promptForParameters);
    out.number(record.changeDirectory);
    out.number(record.action);
}

void writeGroup(LineWriter& out, const StoredGroup& group) {
    out.text(group.caption);
    out.texts(group.files);
    out.number(group.mainFile);
}

void writeDocument(LineWriter& out, const StoredDocument& document) {
    out.text(document.fileName);
    out.number(document.readOnly);
    out.number(document.selStart);
    out.number(document.selLength);
}

void writeRunRecord(LineWriter& out, const StoredRunRecord& record) {
    out.text(record.program);
    out.text(record.parameters);
    out.number(record.action);
    out.text(record.caption);
    out.number(record.shortcut);
    out.texts(record.batchLines);
}

template <typename T, typename WriteEntry>
void writeList(LineWriter& out, const QList<T>& list, WriteEntry writeEntry) {
    out.count(list.size());
    for (const T& entry : list)
        writeEntry(out, entry);
}

} // namespace

StoredSettings readSettings(const QByteArray& bytes) {
    SettingsCursor in(bytes);
    StoredSettings s;
    s.customBackground = in.readNumber();
    s.customText = in.readNumber();
    s.colourScheme = in.readNumber();
    s.keystrokeMapping = in.readNumber();
    readList(in, s.execRecords, kMaxStoredExecRecords, readExecRecord);
    s.executeCurrentFileShortcut = in.readNumber();
    s.persistentGroups = in.readNumber();
    s.confirmPrompts = in.readNumber();
    s.autoIndent = in.readNumber();
    s.tabUse = in.readNumber();
    s.tabSpaces = in.readNumber();
    s.openGroup = in.readNumber();
    readList(in, s.groups, kMaxStoredGroups, readGroup);
    s.startupMode = in.readNumber();
    if (s.startupMode == 0)
        readStartupDocuments(in, s);
    s.fontName = in.readText();
    s.fontSize = in.readNumber();
    s.fontBold = in.readNumber();
    s.fontItalic = in.readNumber();
    s.fontUnderline = in.readNumber();
    s.fontStrikeOut = in.readNumber();
    s.autosaveOn = in.readNumber();
    s.autosaveInterval = in.readNumber();
    s.windowState = in.readNumber();
    if (s.windowState == 0) {
        s.windowTop = in.readNumber();
        s.windowLeft = in.readNumber();
        s.windowHeight = in.readNumber();
        s.windowWidth = in.readNumber();
    }
    s.viewClipboard = in.readNumber();
    s.viewScrollBars = in.readNumber();
    s.viewFileTabs = in.readNumber();
    s.viewToolBar = in.readNumber();
    s.viewStatusBar = in.readNumber();
    s.wordWrap = in.readNumber();
    s.insertMode = in.readNumber();
    readList(in, s.runRecords, kMaxStoredRunRecords, readRunRecord);
    s.showHints = in.readNumber();
    s.hintPause = in.readNumber();
    s.hintHidePause = in.readNumber();
    readList(in, s.recentFiles, kMaxStoredRecentFiles, readTextEntry);
    s.maxRecentFiles = in.readNumber();
    readList(in, s.favorites, kMaxStoredFavorites, readTextEntry);
    s.backupStyle = in.readNumber();
    s.defaultExtension = in.readText();
    s.fileFilter = in.readText();
    s.saveDialogFolder = in.readText();
    s.openDialogFolder = in.readText();
    s.showPaths = in.readNumber();
    s.clipboardMode = in.readNumber();
    return s;
}

QByteArray writeSettings(const StoredSettings& s) {
    LineWriter out;
    out.number(s.customBackground);
    out.number(s.customText);
    out.number(s.colourScheme);
    out.number(s.keystrokeMapping);
    writeList(out, s.execRecords, writeExecRecord);
    out.number(s.executeCurrentFileShortcut);
    out.number(s.persistentGroups);
    out.number(s.confirmPrompts);
    out.number(s.autoIndent);
    out.number(s.tabUse);
    out.number(s.tabSpaces);
    out.number(s.openGroup);
    writeList(out, s.groups, writeGroup);
    out.number(s.startupMode);
    if (s.startupMode == 0) {
        writeList(out, s.documents, writeDocument);
        if (s.documents.size() > 1)
            out.number(s.shownTab);
    }
    out.text(s.fontName);
    out.number(s.fontSize);
    out.number(s.fontBold);
    out.number(s.fontItalic);
    out.number(s.fontUnderline);
    out.number(s.fontStrikeOut);
    out.number(s.autosaveOn);
    out.number(s.autosaveInterval);
    out.number(s.windowState);
    if (s.windowState == 0) {
        out.number(s.windowTop);
        out.number(s.windowLeft);
        out.number(s.windowHeight);
        out.number(s.windowWidth);
    }
    out.number(s.viewClipboard);
    out.number(s.viewScrollBars);
    out.number(s.viewFileTabs);
    out.number(s.viewToolBar);
    out.number(s.viewStatusBar);
    out.number(s.wordWrap);
    out.number(s.insertMode);
    writeList(out, s.runRecords, writeRunRecord);
    out.number(s.showHints);
    out.number(s.hintPause);
    out.number(s.hintHidePause);
    out.texts(s.recentFiles);
    out.number(s.maxRecentFiles);
    out.texts(s.favorites);
    out.number(s.backupStyle);
    out.text(s.defaultExtension);
    out.text(s.fileFilter);
    out.text(s.saveDialogFolder);
    out.text(s.openDialogFolder);
    out.number(s.showPaths);
    out.number(s.clipboardMode);
    return out.take();
}

bool holdsSettings(const QByteArray& bytes) {
    for (const char c : bytes) {
        if (c == '\x1a')
            return false;
        if (static_cast<unsigned char>(c) > 32)
            return true;
    }
    return false;
}

StoredSettings firstRunSettings() {
    StoredSettings s;
    s.confirmPrompts = 1;
    s.autoIndent = 1;
    s.tabSpaces = 2;
    s.fontName = QByteArrayLiteral("Courier New");
    // The designed height of 13 pixels, in points at 96 dots per inch.
    s.fontSize = 10;
    s.autosaveInterval = 600000;
    s.viewClipboard = 1;
    s.viewScrollBars = 1;
    s.viewFileTabs = 1;
    s.viewToolBar = 1;
    s.viewStatusBar = 1;
    s.insertMode = 1;
    s.showHints = 1;
    s.hintPause = 500;
    s.hintHidePause = 2500;
    s.maxRecentFiles = 28;
    s.fileFilter = kFirstRunFilter.toLatin1();
    return s;
}

} // namespace tw
