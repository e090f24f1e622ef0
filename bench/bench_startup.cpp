// Start-up with 255 documents to reopen: the time to create the main window
// beside the time it takes just to read the same files.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "BenchProgram.h"
#include "app/MainForm.h"
#include "platform/ProgramDirectory.h"
#include "platform/TextFile.h"
#include "settings/SettingsCodec.h"
#include "settings/StoredSettings.h"
#include "util/ScriptedPrompts.h"

int main(int argc, char* argv[]) {
    tw::bench::preferOffscreen();
    QApplication app(argc, argv);
    QTemporaryDir program;
    QTemporaryDir files;
    tw::setProgramDirectory(program.path() + "/");

    QByteArray text;
    while (text.size() < 100 * 1024)
        text += "    value = table[index] + offset; // keep the running total\n";
    tw::StoredSettings settings = tw::firstRunSettings();
    for (int i = 0; i < 255; ++i) {
        const QString name = files.filePath(QStringLiteral("file%1.cpp").arg(i));
        QFile file(name);
        file.open(QIODevice::WriteOnly);
        file.write(text);
        settings.documents.append({name.toUtf8(), 0, 10, 5});
    }
    settings.shownTab = 128;
    QFile ini(program.filePath("tw162.ini"));
    ini.open(QIODevice::WriteOnly);
    ini.write(tw::writeSettings(settings));
    ini.close();

    QElapsedTimer timer;
    timer.start();
    for (const tw::StoredDocument& doc : settings.documents)
        tw::readTextFile(QString::fromUtf8(doc.fileName));
    const qint64 readMs = timer.elapsed();

    tw::ScriptedPrompts prompts;
    timer.restart();
    {
        tw::TMainForm form(prompts, {});
        std::printf("start-up reopening 255 x 100 KB   %lld ms (reading the files alone: %lld ms)\n",
                    static_cast<long long>(timer.elapsed()), static_cast<long long>(readMs));
    }
    return 0;
}
