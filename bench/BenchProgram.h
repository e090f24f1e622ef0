#pragma once
// What every benchmark of the real main window starts with: the offscreen
// platform unless another is asked for, and a program directory and a folder
// for generated files of its own.
#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "app/DocumentLoads.h"
#include "app/FileCommands.h"
#include "app/MainForm.h"
#include "platform/ProgramDirectory.h"

namespace tw::bench {

// Call before the QApplication exists.
inline void preferOffscreen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A file of 8 MB or more is read a slice per turn of the event loop, so an
// open is over only when its last slice is in: every figure of a big
// document is taken after this.
inline void untilRead(TMainForm& form) {
    while (form.files().loads().any())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

struct BenchFolders {
    QTemporaryDir programDir;
    QTemporaryDir filesDir;

    // The program directory holds a readme, as a first start expects.
    BenchFolders() {
        if (!programDir.isValid() || !filesDir.isValid())
            qFatal("no temporary directory");
        setProgramDirectory(programDir.path() + QLatin1Char('/'));
        writeFile(programDir.filePath(QStringLiteral("readme.txt")), "Welcome to Tarnwick.\n");
    }
};

} // namespace tw::bench
