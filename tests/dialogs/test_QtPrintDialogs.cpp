// The platform's font dialog as the program shows it.
#include <QtTest>

#include <QApplication>
#include <QCheckBox>
#include <QFontDialog>

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
};

QTEST_MAIN(QtPrintDialogsTest)
#include "test_QtPrintDialogs.moc"
