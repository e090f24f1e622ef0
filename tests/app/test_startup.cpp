// Start-up of the real main window: first run, command line, title, the
// no-document state, and help.
#include <QtTest>

#include <QTabBar>
#include <QTextBrowser>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "app/HelpViewer.h"
#include "editing/EditControl.h"
#include "support/MainWindowFixture.h"

using namespace tw;
using namespace tw::test;

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void firstRunOpensTheReadme() {
        MainWindowFixture fx;
        TMainForm& form = fx.start();
        QVERIFY(fx.documentShown());
        QCOMPARE(fx.currentFileName(), fx.programDir() + "readme.txt");
        QCOMPARE(form.windowTitle(), "Tarnwick - " + fx.programDir() + "readme.txt");
        QCOMPARE(fx.shownText(), QByteArray("Welcome to Tarnwick."));
        QVERIFY(fx.prompts.shown().isEmpty());
        QCOMPARE(form.panelText(0), "1: 1");
        QCOMPARE(form.panelText(2), "Insert");
        QVERIFY(!fx.isEnabled("ViewNextMnu"));
        QVERIFY(fx.isEnabled("FileSaveAsMnu"));
    }

    void firstRunWithoutReadmeWarnsAndShowsNoDocument() {
        MainWindowFixture fx(false);
        TMainForm& form = fx.start();
        QCOMPARE(fx.prompts.texts(),
                 QStringList{"File \"" + fx.programDir() + "readme.txt\" cannot be found"});
        QCOMPARE(fx.prompts.shown().first().type, MessageType::Warning);
        QVERIFY(!fx.documentShown());
        QCOMPARE(form.windowTitle(), QStringLiteral("Tarnwick"));
        QCOMPARE(form.documents().DocCount(), 0);
        for (const char* name : {"FileSaveMnu", "FileSaveAsMnu", "EditMnu", "SearchMnu",
                                 "CloseSpdBtn", "PasteSpdBtn", "FileCloseMnu"})
            QVERIFY2(!fx.isEnabled(name), name);
        QVERIFY(fx.isEnabled("FileNewMnu"));
        QVERIFY(fx.isEnabled("FileOpenMnu"));
        QCOMPARE(form.panelText(0), QString());
        QCOMPARE(form.panelText(2), QString());

        fx.run("NewSpdBtn");
        QVERIFY(fx.documentShown());
        QCOMPARE(fx.currentFileName(), QStringLiteral("Untitled1"));
        QVERIFY(fx.isEnabled("EditMnu"));
        QCOMPARE(form.panelText(2), QStringLiteral("Insert"));
    }

    void commandLineShowsTheFirstFileAndParksTheRest() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "alpha\n");
        const QString b = fx.writeFile("b.txt", "beta\n");
        TMainForm& form = fx.start({a, b});
        QCOMPARE(fx.currentFileName(), a);
        QCOMPARE(form.windowTitle(), "Tarnwick - " + a);
        QCOMPARE(fx.shownText(), QByteArray("alpha"));
        QCOMPARE(form.documents().DocCount(), 2);
        QCOMPARE(fx.tabCaptions(), (QStringList{"a.txt", "b.txt"}));
        QCOMPARE(fx.tabMap(), (QList<int>{0, 1}));
        QVERIFY(fx.isEnabled("ViewNextMnu"));
        QVERIFY(fx.isEnabled("NextSpdBtn"));
    }

    void relativeArgumentsBecomeFullNames() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("rel.txt", "x\n");
        const QString before = QDir::currentPath();
        QDir::setCurrent(QFileInfo(a).path());
        fx.start({"rel.txt"});
        QDir::setCurrent(before);
        QCOMPARE(fx.currentFileName(), a);
    }

    void argumentsThatCannotBeOpenedBecomeUntitledTexts() {
        // A missing file, and a name whose long form cannot be made because
        // its folder does not exist: neither stops the rest of the start-up.
        MainWindowFixture fx;
        const QString good = fx.writeFile("good.txt", "fine\n");
        TMainForm& form = fx.start({fx.path("missing.txt"), "/no/such/folder/x.c", good});
        QVERIFY(fx.prompts.shown().isEmpty());
        QCOMPARE(form.documents().DocCount(), 3);
        QCOMPARE(fx.tabCaptions(), (QStringList{"Untitled1", "Untitled2", "good.txt"}));
        // The last new document is shown; the good file was opened behind it.
        QCOMPARE(fx.currentFileName(), QStringLiteral("Untitled2"));
        QCOMPARE(fx.shownText(), QByteArray("/no/such/folder/x.c"));
        fx.run("ViewNextMnu");
        QCOMPARE(fx.shownText(), QByteArray("fine"));
        fx.run("ViewNextMnu");
        QCOMPARE(fx.currentFileName(), QStringLiteral("Untitled1"));
        QCOMPARE(fx.shownText(), fx.path("missing.txt").toUtf8());
    }

    void settingsFileIsRefused() {
        MainWindowFixture fx;
        QFile ini(fx.programDir() + "tw162.ini");
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.close();
        TMainForm& form = fx.start();
        fx.prompts.clear();
        QCOMPARE(form.files().OpenAsCurrent(fx.programDir() + "tw162.ini", true),
                 SettingsFileRefused);
        QCOMPARE(fx.prompts.texts(), QStringList{"Tarnwick cannot open \"tw162.ini\""});
        form.options().SettingsFileEditable = true;
        QCOMPARE(form.files().OpenAsCurrent(fx.programDir() + "tw162.ini", true), OpenOk);
    }

    void helpOpensTopicOne() {
        MainWindowFixture fx;
        QFile::copy(qEnvironmentVariable("TARNWICK_SOURCE_DIR") + "/resources/Tarnwick.hlp",
                    fx.programDir() + "Tarnwick.hlp");
        TMainForm& form = fx.start();
        fx.run("HelpSpdBtn");
        QVERIFY(form.helpViewer()->isVisible());
        QVERIFY(form.helpViewer()->findChild<QTextBrowser*>()->toPlainText().contains("Welcome"));
        form.helpViewer()->close();
    }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
