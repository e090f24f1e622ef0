// Opening a group of 255 files of 100 KB through its File > Open Group entry,
// beside the time it takes just to read the same files; the window is shown
// (offscreen unless told otherwise) so repaints count.
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <cstdio>

#include "BenchProgram.h"
#include "app/DocumentTable.h"
#include "app/MainForm.h"
#include "platform/TextFile.h"
#include "settings/SettingsCodec.h"
#include "settings/StoredSettings.h"
#include "util/ScriptedPrompts.h"

int main(int argc, char* argv[]) {
    tw::bench::preferOffscreen();
    QApplication app(argc, argv);
    tw::bench::BenchFolders folders;

    QByteArray text;
    while (text.size() < 100 * 1024)
        text += "    value = table[index] + offset; // keep the running total\n";
    tw::StoredSettings settings = tw::firstRunSettings();
    tw::StoredGroup group{"&1 Big", {}, 100};
    QStringList names;
    for (int i = 0; i < 255; ++i) {
        const QString name = folders.filesDir.filePath(QStringLiteral("file%1.cpp").arg(i));
        tw::bench::writeFile(name, text);
        group.files.append(name.toUtf8());
        names << name;
    }
    settings.groups = {group};
    tw::bench::writeFile(folders.programDir.filePath("tw162.ini"), tw::writeSettings(settings));

    QElapsedTimer timer;
    timer.start();
    for (const QString& name : names)
        tw::readTextFile(name);
    const qint64 readMs = timer.elapsed();

    tw::ScriptedPrompts prompts;
    tw::TMainForm form(prompts, {});
    form.show();
    app.processEvents();
    QAction* entry = form.findChild<QMenu*>("FileOpenGroupMnu")->actions().value(0);
    timer.restart();
    entry->trigger();
    app.processEvents();
    const qint64 openMs = timer.elapsed();
    std::printf("opening a group of 255 x 100 KB   %lld ms (reading the files alone: %lld ms), "
                "%d documents\n",
                static_cast<long long>(openMs), static_cast<long long>(readMs),
                form.documents().DocCount());
    return 0;
}
