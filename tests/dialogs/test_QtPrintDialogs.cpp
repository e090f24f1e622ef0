// The platform's font dialog as the program shows it.
#include <QtTest>

#include <QApplication>
#include <QCheckBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>

#include "dialogs/FontColourButton.h"
#include "dialogs/QtPrintDialogs.h"

using namespace tw;

namespace {

// Runs `act` on the modal dialog once it is showing; a dialog that a failed
// check left open is closed, so the test fails instead of waiting.
template <typename Dialog, typename Act> void whenShown(Act act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<Dialog*>(modal))
            act(dialog);
        if (modal && modal->isVisible())
            modal->close();
    });
}

} // namespace

class QtPrintDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void theFontDialogShowsColourAndEffectsAndReturnsTheChoice() {
        QWidget window;
        QtPrintDialogs dialogs(&window);
        QFont initial(QStringLiteral("Courier New"), 10);
        initial.setBold(true);
        initial.setUnderline(true);
        bool seen = false;
        whenShown<QFontDialog>([&seen](QFontDialog* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("FontDlg"));
            QCOMPARE(dialog->findChildren<QCheckBox*>().size(), 2);   // strikeout, underline
            auto* colour = dialog->findChild<FontColourButton*>(QStringLiteral("FontColourBtn"));
            QVERIFY(colour);
            QCOMPARE(colour->colour(), QColor(Qt::darkGreen));
            colour->setColour(Qt::magenta);
            seen = true;
            dialog->accept();
        });
        const auto chosen = dialogs.font({initial, Qt::darkGreen});
        QVERIFY(seen);
        QVERIFY(chosen);
        QCOMPARE(chosen->colour, QColor(Qt::magenta));
        // The family the system showed in place of the missing one is not
        // taken for a new choice.
        QCOMPARE(chosen->font.family(), QStringLiteral("Courier New"));
        QCOMPARE(chosen->font.pointSize(), 10);
        QVERIFY(chosen->font.bold() && chosen->font.underline() && !chosen->font.strikeOut());

        whenShown<QFontDialog>([](QFontDialog* dialog) { dialog->reject(); });
        QVERIFY(!dialogs.font({initial, Qt::black}));
    }

    // Every control of the font dialog that has a mnemonic has its own: the
    // colour row added to Qt's dialog must not take one of Qt's letters.
    void theFontDialogsMnemonicsAreUnique() {
        QWidget window;
        QtPrintDialogs dialogs(&window);
        QStringList taken;
        whenShown<QFontDialog>([&taken](QFontDialog* dialog) {
            QStringList texts;
            for (QLabel* label : dialog->findChildren<QLabel*>())
                texts << label->text();
            for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
                texts << button->text();
            for (QGroupBox* box : dialog->findChildren<QGroupBox*>())
                texts << box->title();
            for (const QString& text : texts)
                if (const QKeySequence key = QKeySequence::mnemonic(text); !key.isEmpty())
                    taken << key.toString() + " " + text;
            dialog->reject();
        });
        dialogs.font({QFont(QStringLiteral("Courier New"), 10), Qt::black});
        QVERIFY(taken.size() >= 6);
        QStringList keys;
        for (const QString& entry : taken)
            keys << entry.section(' ', 0, 0);
        keys.removeDuplicates();
        QVERIFY2(keys.size() == taken.size(), qPrintable(taken.join(", ")));
    }

    // Printing to a file proposes the document's own folder and name with
    // ".pdf", a file that can be written; the job keeps the document's name.
    void printingToAFileProposesAPdfBesideTheDocument() {
        QCOMPARE(proposedPdfFile("/home/ann/src/notes.txt"), QString("/home/ann/src/notes.txt.pdf"));
        QCOMPARE(proposedPdfFile("/home/ann/manual.pdf"), QString("/home/ann/manual.pdf.pdf"));
        QCOMPARE(proposedPdfFile("Untitled3"), QDir::currentPath() + "/Untitled3.pdf");

        QWidget window;
        QtPrintDialogs dialogs(&window);
        QPrinter printer(QPrinter::HighResolution);
        const QString document = QDir::currentPath() + "/notes.txt";
        printer.setDocName(document);
        QString proposed;
        whenShown<QPrintDialog>([&proposed](QPrintDialog* dialog) {
            proposed = dialog->findChild<QLineEdit*>("filename")->text();
            dialog->reject();
        });
        QVERIFY(!dialogs.print(printer, false));
        QCOMPARE(proposed, document + ".pdf");
        QCOMPARE(printer.docName(), document);
    }
};

QTEST_MAIN(QtPrintDialogsTest)
#include "test_QtPrintDialogs.moc"
