// The Find and Replace dialogs: names, captions, hints and first states of
// their controls, and the show-time rules. Accelerators and focus are tried
// through the window (tests/app/test_search.cpp).
#include <QtTest>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "editing/FindUnit.h"
#include "editing/ReplaceUnit.h"

using namespace tw;

namespace {

struct Control {
    const char* name;
    const char* caption;   // check box caption, or the text box's label
    const char* hint;
    bool checked;
};

const char* const kCursorHint =
    "Specifies if the search is to start from the cursor or is to encompass the entire file";
const char* const kCaseHint = "Select this for text in the file to have the same pattern of upper "
                              "and lowercase letters as \"Text to Find\"";
const char* const kWordHint = "Check to find only whole words instead of searching for text that "
                              "is part of a longer word";

void checkControls(QDialog& dialog, std::initializer_list<Control> controls) {
    for (const Control& c : controls) {
        const QString name = QString::fromLatin1(c.name);
        if (auto* edit = dialog.findChild<QLineEdit*>(name)) {
            auto* label = dialog.findChild<QLabel*>(name + QStringLiteral("Label"));
            QVERIFY2(label && label->buddy() == edit, c.name);
            QCOMPARE(label->text(), QString::fromLatin1(c.caption));
            QCOMPARE(edit->toolTip(), QString::fromLatin1(c.hint));
            continue;
        }
        auto* box = dialog.findChild<QCheckBox*>(name);
        QVERIFY2(box, c.name);
        QCOMPARE(box->text(), QString::fromLatin1(c.caption));
        QCOMPARE(box->toolTip(), QString::fromLatin1(c.hint));
        QCOMPARE(box->isChecked(), c.checked);
    }
    QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"))->isDefault());
    QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("CancelBtn")));
}

QCheckBox* box(QDialog& dialog, const char* name) {
    return dialog.findChild<QCheckBox*>(QString::fromLatin1(name));
}

} // namespace

class SearchDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void findFormControls() {
        TFindForm form;
        QCOMPARE(form.objectName(), QStringLiteral("TFindForm"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Find"));
        checkControls(form, {{"FindEdit", "Text to &Find:", "Place the text for which to search here", false},
                             {"FromCursorCB", "From C&ursor", kCursorHint, false},
                             {"MatchCaseCB", "&Match Case", kCaseHint, false},
                             {"SelectedCB", "&Selected Text Only",
                              "Check to search only inside the text that is highlighted", false},
                             {"WholeWordCB", "&Whole Word", kWordHint, false}});
    }

    void replaceFormControls() {
        TReplaceForm form;
        QCOMPARE(form.objectName(), QStringLiteral("TReplaceForm"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Replace"));
        checkControls(form, {{"FindEdit", "Text to &Find:", "Put text to be replaced here", false},
                             {"ReplaceEdit", "&Replace Text:",
                              "Put the text with which to replace \"Text to Find\"", false},
                             {"SelectedCB", "&Selected Text Only",
                              "Check to replace only inside the text that is highlighted", false},
                             {"ReplaceAllCB", "Replace &All",
                              "Check to replace all occurances of a word instead of just the next occurance", true},
                             {"WholeWordCB", "&Whole Word", kWordHint, false},
                             {"MatchCaseCB", "&Match Case", kCaseHint, false},
                             {"PromptCB", "&Prompt on Replace",
                              "Prompt for confirmation before replacing each piece of text", true},
                             {"SearchFilesCB", "Search in All Fi&les", "", false},
                             {"FromCursorCB", "From C&ursor", kCursorHint, false}});
    }

    void showingPreparesSelectionAndAllFiles() {
        TReplaceForm form;
        form.prepare(true, 1);
        QVERIFY(box(form, "SelectedCB")->isChecked());
        QVERIFY(!box(form, "SearchFilesCB")->isEnabled());
        form.prepare(false, 2);
        QVERIFY(!box(form, "SelectedCB")->isChecked());
        QVERIFY(box(form, "SearchFilesCB")->isEnabled());
        box(form, "SearchFilesCB")->setChecked(true);
        QVERIFY(form.request().allFiles);
        // Left ticked from a use with more documents, it no longer counts.
        form.prepare(false, 1);
        QVERIFY(!form.request().allFiles);
    }
};

QTEST_MAIN(SearchDialogsTest)
#include "test_SearchDialogs.moc"
