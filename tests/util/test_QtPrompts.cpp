// The file dialogs: filter strings as Qt name filters, the default extension
// of the open dialog, and typed names with quotes in the save dialog.
#include <QtTest>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "util/QtPrompts.h"

using namespace tw;

namespace {

// Types name into the name box of the file dialog about to open, and presses
// Return.
void typeIntoNextDialog(const QString& name) {
    QTimer::singleShot(0, [name] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto* nameBox = dialog->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(nameBox);
        nameBox->setText(name);
        QTest::keyClick(nameBox, Qt::Key_Return);
    });
}

} // namespace

class QtPromptsTest : public QObject {
    Q_OBJECT
private slots:
    void filtersBecomeQtNameFilters() {
        QCOMPARE(qtNameFilters("Any File|*.*|C Files (c;h)|*.c;*.h|Text|*.txt"),
                 (QStringList{"Any File (*)", "C Files (c;h) (*.c *.h)", "Text (*.txt)"}));
        // A damaged filter without patterns still offers every file.
        QCOMPARE(qtNameFilters(""), QStringList{"Any File (*)"});
        QCOMPARE(qtNameFilters("lonely"), QStringList{"Any File (*)"});
        // A filter without a name is named by its patterns.
        QCOMPARE(qtNameFilters(" |*.a;*.b"), QStringList{"*.a;*.b (*.a *.b)"});
    }

    // A notice returns at once and leaves the keyboard where it is: its box is
    // not modal, shows without taking the focus, and goes when closed.
    void aNoticeDoesNotHoldUpTheUser() {
        QWidget window;
        window.show();
        QtPrompts prompts;
        prompts.setParentWindow(&window);
        prompts.notice(QStringLiteral("news"), MessageType::Warning);
        auto* box = window.findChild<QMessageBox*>();
        QVERIFY(box);
        QVERIFY(box->isVisible());
        QCOMPARE(box->text(), QStringLiteral("news"));
        QCOMPARE(box->icon(), QMessageBox::Warning);
        QVERIFY(!box->isModal());
        QVERIFY(box->testAttribute(Qt::WA_ShowWithoutActivating));
        QVERIFY(!QApplication::activeModalWidget());
        QPointer<QMessageBox> gone(box);
        box->button(QMessageBox::Ok)->click();
        QTRY_VERIFY(!gone);
    }

    // The file dialogs list each filter by its own text alone: "Text Files
    // (txt)" already names its patterns, "(*.txt)" is not added again.
    void theDialogsShowEachFilterByItsOwnText() {
        QtPrompts prompts;
        FileDialogRequest request;
        request.filter = "Any File|*.*|Text Files (txt)|*.txt|C and headers|*.c;*.h||*.md";
        request.filterIndex = 3;
        for (const bool save : {false, true}) {
            QStringList shown;
            QString current;
            QTimer::singleShot(0, [&] {
                if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                    auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
                    for (int i = 0; types && i < types->count(); ++i)
                        shown << types->itemText(i);
                    current = types ? types->currentText() : QString();
                    dialog->reject();
                }
            });
            QVERIFY(!(save ? prompts.saveFile(request) : prompts.openFile(request)));
            QCOMPARE(shown, (QStringList{"Any File", "Text Files (txt)", "C and headers", "*.md"}));
            QCOMPARE(current, QStringLiteral("C and headers"));
        }
    }

    void theOpenDialogAddsTheDefaultExtensionOnlyToMissingNames_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("exists as typed") << "Makefile" << "Makefile";
        QTest::newRow("exists with the extension") << "notes" << "notes.txt";
        QTest::newRow("has an extension") << "main.c" << "main.c";
    }
    void theOpenDialogAddsTheDefaultExtensionOnlyToMissingNames() {
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        for (const char* name : {"Makefile", "notes.txt", "main.c"}) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QtPrompts prompts;
        FileDialogRequest request;
        request.filter = QStringLiteral("Text Files|*.txt|Any File|*.*");
        request.filterIndex = 2;
        request.defaultExt = QStringLiteral("txt");
        request.initialDir = dir.path();
        request.createPrompt = true;
        typeIntoNextDialog(typed);
        const auto result = prompts.openFile(request);
        QVERIFY(result);
        QCOMPARE(result->fileName, dir.filePath(chosen));
    }

    // A typed name is one name, quotes and all: Qt would read
    // `it's "quoted".txt` as a list of quoted names and keep `quoted`.
    void theSaveDialogKeepsQuotesInATypedName_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("quotes") << "it's \"quoted\".txt" << "it's \"quoted\".txt";
        QTest::newRow("quotes, no extension") << "say \"hi\"" << "say \"hi\".txt";
        QTest::newRow("plain") << "plain" << "plain.txt";
    }
    void theSaveDialogKeepsQuotesInATypedName() {
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        QtPrompts prompts;
        FileDialogRequest request;
        request.filter = QStringLiteral("Text Files|*.txt|Any File|*.*");
        request.defaultExt = QStringLiteral("txt");
        request.initialDir = dir.path();
        typeIntoNextDialog(typed);
        const auto result = prompts.saveFile(request);
        QVERIFY(result);
        QCOMPARE(result->fileName, dir.filePath(chosen));
    }
};

QTEST_MAIN(QtPromptsTest)
#include "test_QtPrompts.moc"
