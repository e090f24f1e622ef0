#pragma once
// Settings files for the codec's tests, built line by line.
#include <QByteArray>
#include <QList>
#include <QtTest>

#include "settings/SettingsCodec.h"

namespace tw::test {

// The lines, each followed by CR LF, as the writer ends them.
inline QByteArray crlfLines(const QList<QByteArray>& lines) {
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// Items 1 to 14 with empty lists and the given start-up mode: the next line
// is item 15 for mode 0, the font name (item 16) otherwise.
inline QByteArray linesUpToStartupMode(int startupMode) {
    QList<QByteArray> lines(13, "0");
    lines.append(QByteArray::number(startupMode));
    return crlfLines(lines);
}

// A file as a user's editor would leave it: every list filled, start-up mode
// 0 with three documents, a normal window, a Latin-1 file name and batch
// lines with leading blanks.
inline QList<QByteArray> realisticLines() {
    return {
        "8421504", "16777215", "2", "1",                         // 1-4
        "2",                                                     // 5
        "c;h", "out", "0", "1", "1",
        "py", "py", "1", "0", "0",
        "16504", "1", "1", "1", "2", "4", "1",                   // 6-12
        "2",                                                     // 13
        "&1 Tarnwick", "3", "/home/ann/src/tw/main.c", "/home/ann/src/tw/edit.c",
        "/home/ann/src/tw/edit.h", "0",
        "&2 Notes", "1", "/home/ann/notes/r\xe9sum\xe9.txt", "-1",
        "0",                                                     // 14
        "3",                                                     // 15
        "/home/ann/src/tw/main.c", "0", "120", "0",
        "/home/ann/src/tw/edit.h", "1", "37", "5",
        "/home/ann/notes/todo.txt", "0", "0", "0",
        "1",
        "DejaVu Sans Mono", "11", "1", "0", "0", "0",            // 16-21
        "1", "300000",                                           // 22-23
        "0", "40", "60", "700", "900",                           // 24
        "1", "1", "1", "0", "1", "0", "1",                       // 25-31
        "2",                                                     // 32
        "gcc", "-Wall -c $f", "1", "&1 Compile", "16504", "0",
        "bash", "", "2", "&2 Make all", "16505", "3",
        "cd $p", "  make %cmd%", "\techo done",
        "1", "500", "2500",                                      // 33-35
        "3", "&1 /home/ann/a.txt", "&2 /home/ann/b.txt", "&3 /tmp/c d.txt",  // 36
        "28",                                                    // 37
        "2", "&1 /home/ann/.bashrc", "&2 /etc/hosts",            // 38
        "1", "txt",                                              // 39-40
        kFirstRunFilter.toLatin1(),                              // 41
        "/home/ann/src", "/home/ann/notes", "1", "1",            // 42-45
    };
}

inline QByteArray realisticFile() { return crlfLines(realisticLines()); }

// A file read, written and read again gives the same settings, and writing
// those gives the same bytes again.
inline void verifyRoundTripStable(const QByteArray& bytes) {
    const StoredSettings first = readSettings(bytes);
    const QByteArray written = writeSettings(first);
    const StoredSettings second = readSettings(written);
    QVERIFY(first == second);
    QCOMPARE(writeSettings(second), written);
}

} // namespace tw::test
