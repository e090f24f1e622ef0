// Replays the reader's fuzzing corpus without a fuzzing engine: every file
// must read, write and read again to the same settings. The realistic file
// among them must also come back byte for byte.
#include <QDir>
#include <QtTest>

#include "SettingsTestFiles.h"
#include "settings/SettingsCodec.h"

using namespace tw;
using namespace tw::test;

class TestSettingsCorpus : public QObject {
    Q_OBJECT
private slots:
    void corpusFilesRoundTrip();
};

void TestSettingsCorpus::corpusFilesRoundTrip() {
    const QDir corpus(qEnvironmentVariable("TARNWICK_SOURCE_DIR") + "/fuzz/corpus/settings");
    const QFileInfoList files = corpus.entryInfoList(QDir::Files, QDir::Name);
    QVERIFY2(files.size() >= 5, qPrintable(corpus.path()));
    for (const QFileInfo& info : files) {
        QFile file(info.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        verifyRoundTripStable(bytes);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(info.fileName()));
    }
    QFile realistic(corpus.filePath("realistic.ini"));
    QVERIFY(realistic.open(QIODevice::ReadOnly));
    const QByteArray bytes = realistic.readAll();
    QCOMPARE(writeSettings(readSettings(bytes)), bytes);
}

QTEST_GUILESS_MAIN(TestSettingsCorpus)
#include "test_settings_corpus.moc"
