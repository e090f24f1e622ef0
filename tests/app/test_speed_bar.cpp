#include <QToolButton>
#include <QtTest>

#include "app/SpeedBar.h"
#include "app/UpDown.h"

using namespace tw;

namespace {

struct Designed {
    const char* name;
    int left;
    const char* hint;
};

const Designed kDesigned[] = {
    {"NewSpdBtn", 2, "New File"},
    {"OpenSpdBtn", 28, "Open File..."},
    {"SaveSpdBtn", 54, "Save the Current File"},
    {"SaveAllSpdBtn", 80, "Save All Files"},
    {"PrintSpdBtn", 106, "Print Current File..."},
    {"CloseSpdBtn", 132, "Close the Current File"},
    {"UndoSpdBtn", 166, "Undo"},
    {"CutSpdBtn", 192, "Cut"},
    {"CopySpdBtn", 218, "Copy"},
    {"PasteSpdBtn", 244, "Paste"},
    {"FindSpdBtn", 278, "Find..."},
    {"SearchAgainSpdBtn", 304, "Search Again"},
    {"ReplaceSpdBtn", 330, "Replace..."},
    {"ViewSpdBtn", 364, "Select File from List..."},
    {"NextSpdBtn", 390, "Next File"},
    {"PreviousSpdBtn", 416, "Previous File"},
    {"ExecuteSpdBtn", 450, "Execute Current File"},
    {"HelpSpdBtn", 484, "Welcome to Help..."},
};

// The bar inside a shown window, so that every resize reaches it at once.
struct ShownBar {
    QWidget window;
    SpeedBar* bar = new SpeedBar(&window);
    ShownBar()
    {
        window.resize(700, 100);
        window.show();
        bar->resize(600, 33);
    }
    UpDown* upDown() const { return bar->findChild<UpDown*>("UpDown1"); }
    int leftOf(const char* name) const { return bar->button(name)->x(); }
};

} // namespace

class TestSpeedBar : public QObject {
    Q_OBJECT
private slots:
    void buttonsAsDesigned()
    {
        SpeedBar bar;
        QCOMPARE(bar.objectName(), QString("ToolBar"));
        QCOMPARE(bar.height(), 33);
        QCOMPARE(bar.buttons().size(), 18);
        for (const Designed& d : kDesigned) {
            QToolButton* button = bar.button(d.name);
            QVERIFY2(button, d.name);
            QCOMPARE(button->geometry(), QRect(d.left, 4, 25, 25));
            QCOMPARE(button->toolTip(), QString(d.hint));
            QVERIFY2(!button->icon().isNull(), d.name);
        }
        QVERIFY(!bar.button("NoSuchSpdBtn"));

        UpDown* upDown = bar.findChild<UpDown*>("UpDown1");
        QVERIFY(upDown);
        QCOMPARE(upDown->size(), QSize(33, 17));
        QCOMPARE(upDown->position(), 0);
        QCOMPARE(upDown->maximum(), 0);
    }

    void ownIconsArePresent()
    {
        SpeedBar bar; // registers the resources
        for (const char* icon : {"new", "open", "save", "saveall", "print", "close", "undo", "cut",
                                 "copy", "paste", "find", "searchagain", "replace", "selectfile",
                                 "next", "previous", "execute", "help"})
            QVERIFY2(!QIcon(QString(":/icons/%1.png").arg(icon)).pixmap(16, 16).isNull(), icon);
    }

    void wideBarHidesTheScroller()
    {
        ShownBar shown;
        QVERIFY(!shown.upDown()->isVisible());
        shown.bar->resize(509, 33); // HelpSpdBtn ends exactly at the edge
        QVERIFY(!shown.upDown()->isVisible());
        shown.bar->resize(508, 33);
        QVERIFY(shown.upDown()->isVisible());
    }

    void narrowBarShowsScrollerAtRightEnd()
    {
        ShownBar shown;
        shown.bar->resize(400, 33);
        UpDown* upDown = shown.upDown();
        QVERIFY(upDown->isVisible());
        QCOMPARE(upDown->x(), 400 - 33 - 7);
        // (360 - 484 - 25) / 25 truncates to -5; one step more is allowed.
        QCOMPARE(upDown->minimum(), -6);
    }

    void scrollingMovesButtonsByOneButtonWidth()
    {
        ShownBar shown;
        shown.bar->resize(400, 33);
        UpDown* upDown = shown.upDown();
        const QPoint scrollerAt = upDown->pos();

        upDown->rightButton()->click(); // already at the maximum: nothing moves
        QCOMPARE(shown.leftOf("NewSpdBtn"), 2);

        upDown->leftButton()->click();
        QCOMPARE(upDown->position(), -1);
        for (const Designed& d : kDesigned)
            QCOMPARE(shown.leftOf(d.name), d.left - 25);
        QCOMPARE(upDown->pos(), scrollerAt);

        for (int i = 0; i < 10; ++i)
            upDown->leftButton()->click();
        QCOMPARE(upDown->position(), -6); // stops at the minimum
        QCOMPARE(shown.leftOf("HelpSpdBtn"), 484 - 150);
        QVERIFY(shown.leftOf("HelpSpdBtn") + 25 <= upDown->x()); // the last button is reachable

        upDown->rightButton()->click();
        QCOMPARE(shown.leftOf("HelpSpdBtn"), 484 - 125);
    }

    void wideningReturnsEveryButton()
    {
        ShownBar shown;
        shown.bar->resize(300, 33);
        for (int i = 0; i < 4; ++i)
            shown.upDown()->leftButton()->click();
        QCOMPARE(shown.leftOf("NewSpdBtn"), 2 - 100);

        shown.bar->resize(700, 33);
        QVERIFY(!shown.upDown()->isVisible());
        QCOMPARE(shown.upDown()->position(), 0);
        for (const Designed& d : kDesigned)
            QCOMPARE(shown.leftOf(d.name), d.left);
    }

    void resizingWhileScrolledStartsFromTheDesignedPlaces()
    {
        ShownBar shown;
        shown.bar->resize(300, 33);
        for (int i = 0; i < 3; ++i)
            shown.upDown()->leftButton()->click();
        shown.bar->resize(250, 33);
        QCOMPARE(shown.upDown()->position(), 0);
        QCOMPARE(shown.leftOf("HelpSpdBtn"), 484);
        QCOMPARE(shown.upDown()->minimum(), (250 - 40 - 509) / 25 - 1);
    }
};

QTEST_MAIN(TestSpeedBar)
#include "test_speed_bar.moc"
