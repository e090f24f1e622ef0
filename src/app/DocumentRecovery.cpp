#include "app/DocumentRecovery.h"

#include <QFile>
#include <QList>
#include <QStringList>

#include "app/FileCommands.h"
#include "app/RecoveryJournal.h"
#include "platform/JournalFiles.h"
#include "util/FileNames.h"
#include "util/Prompts.h"

namespace tw {

namespace {

constexpr int kNamesShown = 20;

QString question(const QList<JournalEntry>& entries) {
    QStringList names;
    for (const JournalEntry& entry : entries) {
        if (names.size() == kNamesShown) {
            names << QStringLiteral("... and %1 more").arg(entries.size() - kNamesShown);
            break;
        }
        names << entry.fileName;
    }
    return QStringLiteral("Tarnwick did not close normally, and unsaved work was kept:\n\n%1\n\n"
                          "Recover these documents? No discards them.")
        .arg(names.join(QLatin1Char('\n')));
}

} // namespace

void DocumentRecovery::offer(const QString& recoveryFolder, RecoveryJournal& journal) {
    const QStringList sessions = abandonedSessions(recoveryFolder);
    if (sessions.isEmpty())
        return;
    QList<JournalEntry> entries;
    QStringList entryFiles;   // beside entries, where each came from
    QStringList damaged;
    for (const QString& session : sessions) {
        for (const QString& path : sessionEntries(session)) {
            JournalRead read = readJournalEntry(path);
            if (read.entry) {
                entries.append(std::move(*read.entry));
                entryFiles << path;
            } else {
                damaged << fileErrorText(path, read.error);
            }
        }
    }
    if (!damaged.isEmpty())
        prompts_.message(QStringLiteral("Some unsaved work could not be recovered and is skipped:\n\n") +
                             damaged.join(QLatin1Char('\n')),
                         MessageType::Warning);
    qsizetype reopened = entries.size();   // No: all of them go
    if (!entries.isEmpty() &&
        prompts_.ask(question(entries), MessageType::Confirmation, Buttons::YesNo) == Answer::Yes) {
        reopened = 0;
        // At the document limit the rest stay in the journal for the next start.
        while (reopened < entries.size() && files_.OpenRecovered(entries[reopened]))
            ++reopened;
        journal.flush();
    }
    if (reopened == entries.size()) {
        for (const QString& session : sessions)
            removeSessionFolder(session);
        return;
    }
    for (qsizetype i = 0; i < reopened; ++i)
        QFile::remove(entryFiles[i]);
}

} // namespace tw
