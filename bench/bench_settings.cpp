// How fast the settings file is read and written at its largest: 255 Run
// records, 28 groups of 255 files, 255 favorites, 255 recent files and 255
// start-up documents. Prints the file's size and the time per read and write.
#include <QElapsedTimer>

#include <cstdio>

#include "settings/SettingsCodec.h"

using namespace tw;

namespace {

constexpr int kRounds = 200;

QByteArray path(const char* folder, int i) {
    return QByteArray("/home/someone/projects/") + folder + "/source_file_" + QByteArray::number(i) + ".cpp";
}

StoredSettings fullSettings() {
    StoredSettings s = firstRunSettings();
    for (int i = 0; i < kMaxStoredExecRecords; ++i)
        s.execRecords.append({"c;cpp;h;hpp", "out", i % 2, 1, i % 5});
    for (int g = 0; g < kMaxStoredGroups; ++g) {
        StoredGroup group{"&" + QByteArray::number(g % 9 + 1) + " Project " + QByteArray::number(g), {}, g};
        for (int f = 0; f < kMaxStoredGroupFiles; ++f)
            group.files.append(path("group", g * 1000 + f));
        s.groups.append(group);
    }
    for (int d = 0; d < kMaxStoredDocuments; ++d)
        s.documents.append({path("open", d), d % 2, d * 100, d});
    s.shownTab = 17;
    for (int r = 0; r < kMaxStoredRunRecords; ++r)
        s.runRecords.append({"/usr/bin/make", "-C $p target_" + QByteArray::number(r), r % 5,
                             "Build target " + QByteArray::number(r), 16384 + 112 + r % 12,
                             {"cd $p", "echo building", "%cmd%"}});
    for (int i = 0; i < kMaxStoredRecentFiles; ++i)
        s.recentFiles.append(path("recent", i));
    for (int i = 0; i < kMaxStoredFavorites; ++i)
        s.favorites.append(path("favorite", i));
    return s;
}

} // namespace

int main() {
    const StoredSettings settings = fullSettings();
    const QByteArray bytes = writeSettings(settings);
    if (readSettings(bytes) != settings) {
        std::printf("FAILED: the full file does not read back\n");
        return 1;
    }

    QElapsedTimer timer;
    timer.start();
    qsizetype sink = 0;
    for (int i = 0; i < kRounds; ++i)
        sink += readSettings(bytes).groups.size();
    const double readMs = timer.nsecsElapsed() / 1e6 / kRounds;

    timer.restart();
    for (int i = 0; i < kRounds; ++i)
        sink += writeSettings(settings).size();
    const double writeMs = timer.nsecsElapsed() / 1e6 / kRounds;

    std::printf("settings file: %lld bytes, %lld lines\n", static_cast<long long>(bytes.size()),
                static_cast<long long>(bytes.count('\n')));
    std::printf("read:  %.3f ms per file (mean of %d)\n", readMs, kRounds);
    std::printf("write: %.3f ms per file (mean of %d)\n", writeMs, kRounds);
    return sink == 0;
}
