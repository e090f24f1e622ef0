// What a desktop user expects of the window beyond its menus: files dropped
// from a file manager, the usual document keys under both keystroke mappings,
// and a middle click on a file tab.
#include <QtTest>

#include <QAction>
#include <QMimeData>
#include <QTabBar>
#include <QUrl>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "editing/EditControl.h"
#include "support/MainWindowFixture.h"

using namespace tw;
using namespace tw::test;

namespace {

QMimeData* dragOf(const QStringList& names) {
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& name : names)
        urls << QUrl::fromLocalFile(name);
    data->setUrls(urls);
    return data;
}

void drop(QWidget* target, QMimeData* data) {
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
    delete data;
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void droppedFilesOpenInTheOrderDropped() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "alpha\n");
        const QString b = fx.writeFile("b.txt", "beta\n");
        const QString c = fx.writeFile("c.txt", "gamma\n");
        TMainForm& form = fx.start({a});
        // On the text: opened, not pasted as names.
        drop(form.Edit(), dragOf({b, c}));
        QCOMPARE(fx.tabCaptions(), (QStringList{"a.txt", "b.txt", "c.txt"}));
        QCOMPARE(fx.currentFileName(), c);
        QCOMPARE(fx.shownText(), QByteArray("gamma"));
        // On the window with nothing open, a missing file is told about.
        fx.form().Edit()->setModifiedFlag(false);
        fx.run("FileCloseAllFilesMnu");
        fx.prompts.clear();
        drop(&form, dragOf({fx.path("gone.txt"), a}));
        QCOMPARE(fx.prompts.texts(), QStringList{QStringLiteral("File \"%1\" cannot be found")
                                                     .arg(fx.path("gone.txt"))});
        QCOMPARE(fx.currentFileName(), a);
    }

    // Many files dropped near the limit: those that fit open, and the limit is
    // told once, not once for every file left over.
    void filesDroppedPastTheLimitAreToldOnce() {
        MainWindowFixture fx;
        const QString doc = fx.writeFile("doc.txt", "x\n");
        const QStringList dropped{fx.writeFile("a.txt", "a\n"), fx.writeFile("b.txt", "b\n"),
                                  fx.writeFile("c.txt", "c\n")};
        TMainForm& form = fx.start({doc});
        for (int i = 1; i < 254; ++i)
            form.files().OpenInBackground(doc, false, false);
        fx.prompts.clear();
        drop(form.Edit(), dragOf(dropped));
        QCOMPARE(form.documents().DocCount(), 255);
        QCOMPARE(fx.currentFileName(), dropped.first());
        QCOMPARE(fx.prompts.texts(), QStringList{"No more Files can be Opened!"});
    }

    void documentKeysWorkUnderBothMappings_data() {
        QTest::addColumn<int>("mapping");
        QTest::newRow("Windows keys") << 0;
        QTest::newRow("Pascal keys") << 1;
    }
    void documentKeysWorkUnderBothMappings() {
        QFETCH(int, mapping);
        MainWindowFixture fx;
        const QStringList files{fx.writeFile("1.txt", "1\n"), fx.writeFile("2.txt", "2\n"),
                                fx.writeFile("3.txt", "3\n")};
        TMainForm& form = fx.start(files);
        form.ApplyKeystrokeMapping(mapping);
        const QList<QKeySequence> extra{QKeySequence("Ctrl+Tab"), QKeySequence("Ctrl+Shift+Tab"),
                                        QKeySequence("Ctrl+PgDown"), QKeySequence("Ctrl+PgUp")};
        // No designed command of this mapping uses them.
        for (const QAction* action : form.findChildren<QAction*>())
            for (const QKeySequence& key : extra)
                QVERIFY2(!action->shortcuts().contains(key), qPrintable(action->objectName()));

        struct Step { Qt::Key key; Qt::KeyboardModifiers mods; int shown; };
        const Step steps[] = {{Qt::Key_Tab, Qt::ControlModifier, 1},
                              {Qt::Key_PageDown, Qt::ControlModifier, 2},
                              {Qt::Key_Tab, Qt::ControlModifier, 0},
                              {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 2},
                              {Qt::Key_PageUp, Qt::ControlModifier, 1}};
        for (const Step& step : steps) {
            QTest::keyClick(form.Edit(), step.key, step.mods);
            QCOMPARE(fx.currentFileName(), files[step.shown]);
        }
        QCOMPARE(fx.shownText(), QByteArray("2"));   // no key typed into the text
    }

    void aMiddleClickOnATabClosesItsDocument() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "a\n");
        const QString b = fx.writeFile("b.txt", "b\n");
        TMainForm& form = fx.start({a, b});
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTabBar* tabs = form.Tabs();
        // The parked b, modified: its save question comes first; Cancel keeps it.
        fx.run("ViewNextMnu");
        form.Edit()->insertBytes(0, "more ");
        fx.run("ViewNextMnu");
        fx.prompts.answer(Answer::Cancel);
        QTest::mouseClick(tabs, Qt::MiddleButton, {}, tabs->tabRect(1).center());
        QCOMPARE(fx.prompts.texts(), QStringList{QStringLiteral("Save Changes to %1?").arg(b)});
        QCOMPARE(fx.tabCaptions(), (QStringList{"a.txt", "b.txt"}));
        fx.prompts.answer(Answer::No);
        QTest::mouseClick(tabs, Qt::MiddleButton, {}, tabs->tabRect(1).center());
        QCOMPARE(fx.tabCaptions(), QStringList{"a.txt"});
        QCOMPARE(fx.currentFileName(), a);
        QCOMPARE(fx.readFile(b), QByteArray("b\n"));
    }
};

QTEST_MAIN(DesktopTest)
#include "test_desktop.moc"
