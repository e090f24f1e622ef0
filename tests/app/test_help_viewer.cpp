#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

#include "app/HelpViewer.h"

using namespace tw;

namespace {

QString realHelpFile()
{
    return qEnvironmentVariable("TARNWICK_SOURCE_DIR") + "/resources/Tarnwick.hlp";
}

// The anchor names that the loaded document really holds.
QSet<QString> anchorsOf(const QTextDocument* document)
{
    QSet<QString> anchors;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            for (const QString& name : it.fragment().charFormat().anchorNames())
                anchors.insert(name);
        }
    }
    return anchors;
}

} // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT
private slots:
    void showsTopicOneOfTheRealHelpFile()
    {
        QVERIFY2(QFile::exists(realHelpFile()), qPrintable(realHelpFile()));
        HelpViewer viewer;
        QCOMPARE(viewer.objectName(), QString("HelpViewer"));
        QVERIFY(viewer.isWindow());
        viewer.showTopic(realHelpFile(), 1);
        QVERIFY(viewer.isVisible());
        QCOMPARE(viewer.browser()->source().fragment(), QString("topic1"));
        const QString text = viewer.browser()->toPlainText();
        QVERIFY(text.contains("Welcome to Help"));
        QVERIFY(text.contains("View > Select File")); // the window's keys are explained
    }

    void everyTopicHasItsAnchor()
    {
        HelpViewer viewer;
        viewer.showTopic(realHelpFile(), 1);
        const QSet<QString> anchors = anchorsOf(viewer.browser()->document());
        for (int topic = 1; topic <= 9; ++topic)
            QVERIFY2(anchors.contains(helpTopicAnchor(topic)), qPrintable(helpTopicAnchor(topic)));
    }

    void laterTopicScrollsDown()
    {
        HelpViewer viewer;
        viewer.resize(500, 300);
        viewer.showTopic(realHelpFile(), 1);
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        const QScrollBar* scrollBar = viewer.browser()->verticalScrollBar();
        QTRY_VERIFY(scrollBar->value() < 20); // topic 1 opens the file
        const int topicOneAt = scrollBar->value();
        viewer.showTopic(realHelpFile(), 9);
        QCOMPARE(viewer.browser()->source().fragment(), QString("topic9"));
        QTRY_VERIFY(scrollBar->value() > topicOneAt + 300);
    }

    void missingFileIsSaidInTheWindow()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath("Tarnwick.hlp");
        HelpViewer viewer;
        viewer.showTopic(realHelpFile(), 2);
        viewer.showTopic(missing, 1); // after a good file, too
        QVERIFY(viewer.isVisible());
        const QString text = viewer.browser()->toPlainText();
        QVERIFY2(text.contains(missing) && text.contains("cannot be found"), qPrintable(text));
        QVERIFY(!text.contains("Welcome to Help"));
    }
};

QTEST_MAIN(TestHelpViewer)
#include "test_help_viewer.moc"
