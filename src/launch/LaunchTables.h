#pragma once
// The tables behind the Execute and Run menus, kept as the settings file
// holds them: a record nobody edits keeps its bytes, numbers and key codes,
// so it is written back exactly as it was read.
#include <QList>
#include <QString>
#include <QStringList>

#include "settings/StoredSettings.h"

namespace tw {

inline constexpr int kMaxExecRecords = 12;
inline constexpr int kMaxRunRecords = 255;

// SaveOrBackupAction: what runs before a program starts.
enum SaveOrBackupAction { kSaveCurrentFile = 0, kSaveAllFiles, kBackupCurrentFile,
                          kBackupAllFiles, kNoSaveOrBackup };

// The captions of the "Save or Backup" choices, in action order.
QStringList SaveOrBackupCaptions();

struct LaunchTables {
    QList<StoredExecRecord> exec;    // ExecTable, record 1 first
    int executeShortcut = 0;         // code of Execute > Current File's hot key
    QList<StoredRunRecord> run;      // RunTable, record 1 first
};

// A stored text as shown: UTF-8 when its bytes are valid UTF-8, else Latin-1.
QString StoredText(const QByteArray& bytes);
// A text as stored; a text shown from stored bytes goes back to those bytes.
QByteArray StoredBytes(const QString& text);

// The 0-based index of the first record whose source extensions contain
// extension (a leading "." dropped, letter case ignored, as a substring:
// "c" matches "cpp"), or -1; an empty extension matches nothing.
int FindExecRecord(const QList<StoredExecRecord>& table, const QString& extension);

// The Run-menu name of a record: its caption without the "&N " prefix.
QString RunRecordName(const StoredRunRecord& record);
// Gives record `number` (1-based) the caption for its place; the bytes stay
// as they are when the caption is already right.
void NumberRunCaption(StoredRunRecord& record, int number);

} // namespace tw
