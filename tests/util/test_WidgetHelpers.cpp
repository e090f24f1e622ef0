// The number-field key filter and the label tool-tip rule.
#include "util/FitLabelHint.h"
#include "util/NumericKeyFilter.h"
#include <QtTest>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

class TestWidgetHelpers : public QObject {
    Q_OBJECT
private slots:
    void acceptedKeys_data();
    void acceptedKeys();
    void typingIntoLineEdit();
    void editingKeysStillWork();
    void returnReachesField();
    void spinBox();
    void fitLabelHintBoundary();
    void fitLabelHintParentBoxAndMnemonic();
};

void TestWidgetHelpers::acceptedKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("digit") << int(Qt::Key_7) << "7" << true;
    QTest::newRow("letter") << int(Qt::Key_A) << "a" << false;
    QTest::newRow("space") << int(Qt::Key_Space) << " " << false;
    QTest::newRow("minus") << int(Qt::Key_Minus) << "-" << false;
    QTest::newRow("non-ascii digit") << int(Qt::Key_unknown) << QString::fromUtf8("\u0663") << false;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << "\b" << true;
    QTest::newRow("return") << int(Qt::Key_Return) << "\r" << true;
    QTest::newRow("enter") << int(Qt::Key_Enter) << "\r" << true;
    QTest::newRow("line feed") << int(Qt::Key_J) << "\n" << true;
    QTest::newRow("tab") << int(Qt::Key_Tab) << "\t" << true;
    QTest::newRow("escape") << int(Qt::Key_Escape) << "\x1b" << true;
    QTest::newRow("delete") << int(Qt::Key_Delete) << "\x7f" << true;
    QTest::newRow("left") << int(Qt::Key_Left) << "" << true;
    QTest::newRow("ctrl+c") << int(Qt::Key_C) << "\x03" << true;
}

void TestWidgetHelpers::acceptedKeys()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCOMPARE(tw::NumericKeyFilter::Accepts(event), accepted);
}

void TestWidgetHelpers::typingIntoLineEdit()
{
    QLineEdit edit;
    tw::InstallNumericKeyFilter(&edit);
    QTest::keyClicks(&edit, "a1b2 3.4-x");
    QCOMPARE(edit.text(), QString("1234"));
    QTest::keyClick(&edit, Qt::Key_5, Qt::KeypadModifier);
    QCOMPARE(edit.text(), QString("12345"));
}

void TestWidgetHelpers::editingKeysStillWork()
{
    QLineEdit edit;
    tw::InstallNumericKeyFilter(&edit);
    QTest::keyClicks(&edit, "13");
    QTest::keyClick(&edit, Qt::Key_Left);
    QTest::keyClicks(&edit, "2");
    QCOMPARE(edit.text(), QString("123"));
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QString("2"));
}

void TestWidgetHelpers::returnReachesField()
{
    QLineEdit edit;
    tw::InstallNumericKeyFilter(&edit);
    QSignalSpy returns(&edit, &QLineEdit::returnPressed);
    QTest::keyClick(&edit, Qt::Key_Return);
    QTest::keyClick(&edit, Qt::Key_Enter);
    QCOMPARE(returns.count(), 2);
}

void TestWidgetHelpers::spinBox()
{
    QSpinBox spin;
    spin.setRange(0, 32767);
    tw::InstallNumericKeyFilter(&spin);
    spin.selectAll();
    QTest::keyClicks(&spin, "4x 2");
    QCOMPARE(spin.text(), QString("42"));
}

void TestWidgetHelpers::fitLabelHintBoundary()
{
    QWidget box;
    QLabel label("C:\\a rather long file name.txt", &box);
    label.move(10, 0);
    const int textWidth = label.fontMetrics().horizontalAdvance(label.text());
    const int fitting = 10 + textWidth + 4; // right edge exactly at width - 4

    QVERIFY(!tw::FitLabelHint(&label, fitting));
    QVERIFY(label.toolTip().isEmpty());
    QVERIFY(tw::FitLabelHint(&label, fitting - 1));
    QCOMPARE(label.toolTip(), label.text());

    // The tool-tip goes again once the text fits.
    label.setText("a.txt");
    QVERIFY(!tw::FitLabelHint(&label, fitting - 1));
    QVERIFY(label.toolTip().isEmpty());
}

void TestWidgetHelpers::fitLabelHintParentBoxAndMnemonic()
{
    QWidget box;
    QLineEdit buddy(&box);
    QLabel label("Copy &File \"/home/ann/projects/tarnwick/src/main.cpp\" to:", &box);
    label.setBuddy(&buddy);
    label.move(8, 0);
    const QString shown = "Copy File \"/home/ann/projects/tarnwick/src/main.cpp\" to:";
    const int textWidth = label.fontMetrics().horizontalAdvance(shown);

    box.resize(8 + textWidth + 4, 40);
    QVERIFY(!tw::FitLabelHint(&label));
    box.resize(8 + textWidth + 3, 40);
    QVERIFY(tw::FitLabelHint(&label));
    QCOMPARE(label.toolTip(), shown);
}

QTEST_MAIN(TestWidgetHelpers)
#include "test_WidgetHelpers.moc"
