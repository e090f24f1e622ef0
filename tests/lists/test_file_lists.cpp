// FileLists' operations for the file commands and the coming file operations,
// on a fake set of documents: the change, remove and admission rules with
// their questions, and the main-file invariant through them.
#include <QtTest>

#include <QTemporaryDir>

#include "lists/FileLists.h"
#include "lists/ListDocuments.h"
#include "settings/EditorOptions.h"
#include "settings/StoredSettings.h"
#include "util/ScriptedPrompts.h"

using namespace tw;

namespace {

// No documents open; only the settings file's name matters.
class NoDocuments : public ListDocuments {
public:
    QString settingsFile;
    int titles = 0;
    int DocCount() const override { return 0; }
    bool documentShown() const override { return false; }
    QString CurrentFileName() const override { return {}; }
    QString parkedFileName(int) const override { return {}; }
    bool parkedModified(int) const override { return false; }
    bool isOpenExactly(const QString&) const override { return false; }
    OpenResult OpenAsCurrent(const QString&) override { return NotFound; }
    OpenResult OpenInBackground(const QString&, bool) override { return NotFound; }
    Answer AskSaveChanges(int) override { return Answer::None; }
    void closeParkedDocument(int) override {}
    bool CloseCurrentDocument() override { return false; }
    bool CloseAllDocuments() override { return true; }
    void documentsClosed() override {}
    void refreshTitle() override { ++titles; }
    void showParkedDocument(const QString&) override {}
    bool IsSettingsFile(const QString& name, bool) override { return name == settingsFile; }
    bool IsUntitledName(const QString& name) const override { return name.startsWith("Untitled"); }
    void beginBatch() override {}
    void endBatch() override {}
};

} // namespace

class FileListsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString file(const QString& name) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write("x\n");
        return dir.filePath(name);
    }

private slots:
    void changesFollowRenamesAskingOnlyWithConfirmPrompts_data() {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("questions");
        QTest::newRow("confirm, Yes") << true << int(Answer::Yes) << true << 3;
        QTest::newRow("confirm, No") << true << int(Answer::No) << false << 3;
        QTest::newRow("no confirm") << false << 0 << true << 0;
    }
    void changesFollowRenamesAskingOnlyWithConfirmPrompts() {
        QFETCH(bool, confirm);
        QFETCH(int, answer);
        QFETCH(bool, changed);
        QFETCH(int, questions);
        NoDocuments docs;
        ScriptedPrompts prompts;
        EditorOptions options;
        options.ConfirmPrompts = confirm;
        options.MaxRecentFiles = 28;
        FileLists lists(docs, prompts, options);
        StoredSettings s;
        s.groups = {StoredGroup{"&1 G", {"/p/a", "/p/old", "/p/c"}, 1}};
        s.openGroup = 1;
        s.favorites = {"&1 /p/x", "&2 /p/old"};
        s.recentFiles = {"&1 /p/old"};
        lists.load(s);
        for (int i = 0; i < questions; ++i)
            prompts.answer(Answer(answer));
        QCOMPARE(lists.ChangeGroupEntry("/p/old", "/q/new"), changed);
        QCOMPARE(lists.ChangeFavoritesEntry("/p/old", "/q/new"), changed);
        QCOMPARE(lists.ChangeRecentEntry("/p/old", "/q/new"), changed);
        QCOMPARE(prompts.texts().size(), questions);
        if (questions)
            QCOMPARE(prompts.texts(),
                     (QStringList{"Do you wish to change \"/p/old\" to \"/q/new\" in the current group?",
                                  "Do you wish to change \"/p/old\" to \"/q/new\" in the favorites menu?",
                                  "Do you wish to change \"/p/old\" to \"/q/new\" in File|Recent?"}));
        const QString now = changed ? "/q/new" : "/p/old";
        QCOMPARE(lists.groups().files(1).mainFileName(), now);
        QCOMPARE(lists.favorites().caption(1), "&2 " + now);
        QCOMPARE(lists.recentFiles().caption(0), "&1 " + now);
        QVERIFY(!lists.ChangeFavoritesEntry("/p/none", "/q/z"));
    }

    void anUntitledDocumentSavedUnderANameIsOfferedToTheGroup() {
        NoDocuments docs;
        ScriptedPrompts prompts;
        EditorOptions options;
        FileLists lists(docs, prompts, options);
        StoredSettings s;
        s.groups = {StoredGroup{"&1 G", {"/p/a"}, 0}};
        s.openGroup = 1;
        lists.load(s);
        prompts.answer(Answer::Yes);
        QVERIFY(lists.ChangeGroupEntry("Untitled3", "/p/b"));
        QCOMPARE(prompts.texts(), QStringList{"Do you wish to add \"/p/b\" to group \"G\"?"});
        QCOMPARE(lists.groups().files(1).names(), (QStringList{"/p/a", "/p/b"}));
        QVERIFY(docs.titles > 0);
        QVERIFY(!lists.ChangeGroupEntry("/p/other", "/p/c"));   // neither member nor untitled
    }

    void aGroupsTwoHundredFiftySixthFileIsRefusedWithAMessage() {
        NoDocuments docs;
        ScriptedPrompts prompts;
        EditorOptions options;
        FileLists lists(docs, prompts, options);
        StoredSettings s;
        StoredGroup full{"&1 Full", {}, -1};
        for (int i = 0; i < 255; ++i)
            full.files << "/p/" + QByteArray::number(i);
        s.groups = {full};
        s.openGroup = 1;
        lists.load(s);
        QVERIFY(!lists.AddToOpenGroup("/p/more", false));
        QCOMPARE(prompts.texts(),
                 QStringList{"Group \"Full\" already holds 255 files: \"/p/more\" was not added."});
        QCOMPARE(lists.groups().files(1).count(), 255);
    }

    void removingFromTheOpenGroupKeepsTheMainFile() {
        NoDocuments docs;
        ScriptedPrompts prompts;
        EditorOptions options;
        FileLists lists(docs, prompts, options);
        StoredSettings s;
        s.groups = {StoredGroup{"&1 G", {"/p/a", "/p/b", "/p/c"}, 2}};
        s.openGroup = 1;
        lists.load(s);
        prompts.answer(Answer::No);
        QVERIFY(!lists.RemoveFromOpenGroup("/p/a"));
        prompts.answer(Answer::Yes);
        QVERIFY(lists.RemoveFromOpenGroup("/p/a"));
        QCOMPARE(prompts.texts().last(), QString("Do you want to REMOVE \"/p/a\" from the open group?"));
        QCOMPARE(lists.OpenGroupMainFile(), QString("/p/c"));
        prompts.answer(Answer::Yes);
        QVERIFY(lists.RemoveFromOpenGroup("/p/c"));
        QCOMPARE(lists.OpenGroupMainFile(), QString());
        QVERIFY(!lists.RemoveFromOpenGroup("/p/zzz"));
    }

    void onlyExistingFilesOutsideTheOtherListsBecomeRecent() {
        NoDocuments docs;
        ScriptedPrompts prompts;
        EditorOptions options;
        options.MaxRecentFiles = 28;
        FileLists lists(docs, prompts, options);
        const QString plain = file("plain.txt");
        const QString member = file("member.c");
        const QString favorite = file("fav.txt");
        docs.settingsFile = file("tw162.ini");
        StoredSettings s;
        s.groups = {StoredGroup{"&1 G", {member.toUtf8()}, -1}};
        s.openGroup = 1;
        s.favorites = {"&1 " + favorite.toUtf8()};
        lists.load(s);
        for (const QString& name : {member, favorite, docs.settingsFile, dir.filePath("gone.txt"),
                                    QString("Untitled1")})
            QVERIFY2(!lists.AddRecentFile(name), qPrintable(name));
        QVERIFY(lists.AddRecentFile(plain));
        QCOMPARE(lists.recentFiles().fileNames(), QStringList{plain});
        // Taken off again, with the question when prompts are confirmed.
        options.ConfirmPrompts = true;
        prompts.answer(Answer::No);
        QVERIFY(lists.RemoveRecentFile(plain));   // found, the user kept it
        QCOMPARE(lists.recentFiles().count(), 1);
        options.ConfirmPrompts = false;
        QVERIFY(lists.RemoveRecentFile(plain));
        QCOMPARE(lists.recentFiles().count(), 0);
        QVERIFY(!lists.RemoveRecentFile(plain));
    }
};

QTEST_MAIN(FileListsTest)
#include "test_file_lists.moc"
