// Captions of the user-defined menus and the file tabs.
#include "launch/MenuCaptions.h"
#include <QtTest>

class TestMenuCaptions : public QObject {
    Q_OBJECT
private slots:
    void numberedCaption();
    void stripCaptionNumber_data();
    void stripCaptionNumber();
    void roundTrip();
    void escapeAmpersands();
};

void TestMenuCaptions::numberedCaption()
{
    QCOMPARE(tw::NumberedCaption("Make", 3), QString("&3 Make"));
    QCOMPARE(tw::NumberedCaption("Make", 9), QString("&9 Make"));
    QCOMPARE(tw::NumberedCaption("Make", 0), QString("&0 Make"));
    QCOMPARE(tw::NumberedCaption("Make", 10), QString("Make"));
    QCOMPARE(tw::NumberedCaption("Make", 255), QString("Make"));
}

void TestMenuCaptions::stripCaptionNumber_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("name");
    QTest::newRow("numbered") << "&4 Lint" << "Lint";
    QTest::newRow("bare") << "Lint" << "Lint";
    QTest::newRow("name with own ampersand") << "&Build" << "&Build";
    QTest::newRow("numbered ampersand name") << "&2 &Build" << "&Build";
    QTest::newRow("numbered empty name") << "&5 " << "";
    QTest::newRow("lone ampersand") << "&" << "&";
    QTest::newRow("path") << "/home/ann/R&D.txt" << "/home/ann/R&D.txt";
}

void TestMenuCaptions::stripCaptionNumber()
{
    QFETCH(QString, caption);
    QFETCH(QString, name);
    QCOMPARE(tw::StripCaptionNumber(caption), name);
}

void TestMenuCaptions::roundTrip()
{
    // Renumbering a menu strips and rebuilds every caption: names must survive
    // at every position.
    for (const QString name : {QString("Make"), QString("&Build"), QString("a & b"), QString()}) {
        for (int number = 1; number <= 12; ++number)
            QCOMPARE(tw::StripCaptionNumber(tw::NumberedCaption(name, number)), name);
    }
}

void TestMenuCaptions::escapeAmpersands()
{
    QCOMPARE(tw::EscapeAmpersands("R&D.txt"), QString("R&&D.txt"));
    QCOMPARE(tw::EscapeAmpersands("a&&b"), QString("a&&&&b"));
    QCOMPARE(tw::EscapeAmpersands("plain.txt"), QString("plain.txt"));
}

QTEST_GUILESS_MAIN(TestMenuCaptions)
#include "test_MenuCaptions.moc"
