// The file dialogs' filter strings as Qt name filters.
#include <QtTest>

#include "util/QtPrompts.h"

using namespace tw;

class QtPromptsTest : public QObject {
    Q_OBJECT
private slots:
    void filtersBecomeQtNameFilters() {
        QCOMPARE(qtNameFilters("Any File|*.*|C Files (c;h)|*.c;*.h|Text|*.txt"),
                 (QStringList{"Any File (*)", "C Files (c;h) (*.c *.h)", "Text (*.txt)"}));
        // A damaged filter without patterns still offers every file.
        QCOMPARE(qtNameFilters(""), QStringList{"Any File (*)"});
        QCOMPARE(qtNameFilters("lonely"), QStringList{"Any File (*)"});
    }
};

QTEST_MAIN(QtPromptsTest)
#include "test_QtPrompts.moc"
