// Text helpers with 1-based positions, TitleCase, number and field parsing,
// and the file-dialog filter helpers.
#include "util/Filters.h"
#include "util/TextHelpers.h"
#include <QtTest>
#include <climits>

class TestTextHelpers : public QObject {
    Q_OBJECT
private slots:
    void positions();
    void posFrom_data();
    void posFrom();
    void replace_data();
    void replace();
    void blanks();
    void titleCase_data();
    void titleCase();
    void digitsToNumber_data();
    void digitsToNumber();
    void fieldsAndDrives();
    void filters();
};

void TestTextHelpers::positions()
{
    QCOMPARE(tw::LastCharPos(u'\\', "C:\\a\\b"), 5);
    QCOMPARE(tw::LastCharPos(u'x', "abc"), 0);
    QCOMPARE(tw::LastCharPos(u'a', ""), 0);
    QCOMPARE(tw::ContainsIgnoreCase("WORLD", "Hello world"), 7);
    QCOMPARE(tw::ContainsIgnoreCase("xyz", "Hello world"), 0);
    QCOMPARE(tw::ContainsIgnoreCase("", "Hello"), 0);
}

void TestTextHelpers::posFrom_data()
{
    QTest::addColumn<QString>("sub");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("expected");
    QTest::newRow("whole text") << "ab" << "xxabxxab" << 1 << 8 << 3;
    QTest::newRow("later start") << "ab" << "xxabxxab" << 4 << 8 << 7;
    QTest::newRow("exact fit") << "ab" << "xxabxxab" << 3 << 4 << 3;
    QTest::newRow("sticks out at end") << "ab" << "xxabxxab" << 1 << 3 << 0;
    QTest::newRow("sticks out at start") << "ab" << "xxabxxab" << 4 << 7 << 0;
    QTest::newRow("range past text") << "ab" << "xxabxxab" << 5 << 100 << 7;
    QTest::newRow("from below one") << "xx" << "xxab" << -3 << 4 << 1;
    QTest::newRow("from after to") << "ab" << "xxab" << 4 << 2 << 0;
    QTest::newRow("empty sub") << "" << "xxab" << 1 << 4 << 0;
}

void TestTextHelpers::posFrom()
{
    QFETCH(QString, sub);
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, expected);
    QCOMPARE(tw::PosFrom(sub, text, from, to), expected);
}

void TestTextHelpers::replace_data()
{
    QTest::addColumn<QString>("oldText");
    QTest::addColumn<QString>("newText");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");
    QTest::newRow("separators") << "\\" << ";" << "C:\\a\\b" << 2 << "C:;a;b";
    QTest::newRow("longer replacement") << "*" << "[asterix]" << "*.c*" << 2 << "[asterix].c[asterix]";
    QTest::newRow("replacement contains old") << "a" << "[a]" << "banana" << 3 << "b[a]n[a]n[a]";
    QTest::newRow("none") << "q" << "x" << "abc" << 0 << "abc";
    QTest::newRow("empty old") << "" << "x" << "abc" << 0 << "abc";
}

void TestTextHelpers::replace()
{
    QFETCH(QString, oldText);
    QFETCH(QString, newText);
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(QString, expected);

    QString all = text;
    QCOMPARE(tw::ReplaceAll(oldText, newText, all), count);
    QCOMPARE(all, expected);

    QString first = text;
    QCOMPARE(tw::ReplaceFirst(oldText, newText, first), count > 0);
    if (count > 0) {
        const qsizetype at = text.indexOf(oldText);
        QCOMPARE(first, QString(text).replace(at, oldText.size(), newText));
    } else {
        QCOMPARE(first, text);
    }
}

void TestTextHelpers::blanks()
{
    QCOMPARE(tw::TrimLeadingBlanks(" \t x y "), QString("x y "));
    QCOMPARE(tw::TrimLeadingBlanks("\n x"), QString("\n x"));
    QCOMPARE(tw::TrimLeadingBlanks(" \t"), QString());
    for (const QChar c : QString(" \t\r\n"))
        QVERIFY(tw::IsBlankChar(c));
    QVERIFY(!tw::IsBlankChar(u'\f'));
    QVERIFY(!tw::IsBlankChar(QChar(0xA0)));
}

void TestTextHelpers::titleCase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("designed") << "hELLO wORLD-wide web" << "Hello World-wide Web";
    QTest::newRow("mid-word start") << "LLO wORLD" << "Llo World";
    QTest::newRow("all blanks") << "a\tb\rc\nd  e" << "A\tB\rC\nD  E";
    QTest::newRow("non-ascii unchanged") << QString::fromUtf8("émile ÉCOLE") << QString::fromUtf8("émile École");
    QTest::newRow("digits and marks") << "1st (NOTE)" << "1st (note)";
    QTest::newRow("empty") << "" << "";
}

void TestTextHelpers::titleCase()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(tw::TitleCase(text), expected);
}

void TestTextHelpers::digitsToNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << "123" << 123;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("minus") << "-5" << 0;
    QTest::newRow("blank") << " 5" << 0;
    QTest::newRow("letter") << "5a" << 0;
    QTest::newRow("non-ascii digit") << QString::fromUtf8("\u0663") << 0;
    QTest::newRow("int max") << "2147483647" << INT_MAX;
    QTest::newRow("one past max") << "2147483648" << INT_MAX;
    QTest::newRow("very long") << "99999999999999999999999999" << INT_MAX;
    QTest::newRow("long then letter") << "99999999999999999999x" << 0;
}

void TestTextHelpers::digitsToNumber()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(tw::DigitsToNumber(text), expected);
}

void TestTextHelpers::fieldsAndDrives()
{
    QCOMPARE(tw::NthField("c;cpp;h", u';', 0), QString("c"));
    QCOMPARE(tw::NthField("c;cpp;h", u';', 2), QString("h"));
    QCOMPARE(tw::NthField("c;cpp;h", u';', 3), QString());
    QCOMPARE(tw::NthField("c;;h", u';', 1), QString());
    QCOMPARE(tw::NthField("c;cpp", u';', -1), QString());
    QCOMPARE(tw::DriveNumber(u'A'), 1);
    QCOMPARE(tw::DriveNumber(u'c'), 3);
    QCOMPARE(tw::DriveNumber(u'Z'), 26);
}

void TestTextHelpers::filters()
{
    const QString filter = "Text files (*.txt)|*.txt|C sources|*.c;*.h|All files|*.*";
    QCOMPARE(tw::FilterPatterns(filter), QStringList({"*.txt", "*.c;*.h", "*.*"}));
    QCOMPARE(tw::FilterPatterns(""), QStringList());
    QCOMPARE(tw::FilterPatterns("Odd|*.a|Dangling"), QStringList({"*.a"}));

    QCOMPARE(tw::FilterIndexOf("*.TXT", filter), 1);
    QCOMPARE(tw::FilterIndexOf("*.*", filter), 3);
    QCOMPARE(tw::FilterIndexOf("*.c", filter), 0);       // whole fields only
    QCOMPARE(tw::FilterIndexOf("All files", filter), 0); // descriptions do not count
    QCOMPARE(tw::FilterIndexOf("*.txt", ""), 0);
}

QTEST_GUILESS_MAIN(TestTextHelpers)
#include "test_TextHelpers.moc"
