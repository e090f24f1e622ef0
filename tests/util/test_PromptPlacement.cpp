// Questions asked at a position: the message box stands there, scripted
// prompts record it, and prompts that cannot place a box still ask.
#include <QtTest>

#include <QMessageBox>
#include <QPushButton>

#include "util/QtPrompts.h"
#include "util/ScriptedPrompts.h"

using namespace tw;

namespace {

// Prompts that only know the plain question, as any older implementation.
class PlainPrompts : public ScriptedPrompts {
public:
    int asked = 0;
    Answer ask(const QString& text, MessageType type, Buttons buttons) override {
        ++asked;
        return ScriptedPrompts::ask(text, type, buttons);
    }
    Answer askAt(const QString& text, MessageType type, Buttons buttons,
                 const QPoint& position) override {
        return Prompts::askAt(text, type, buttons, position);
    }
};

} // namespace

class PromptPlacementTest : public QObject {
    Q_OBJECT
private slots:
    void theBoxStandsAtThePosition() {
        QtPrompts prompts;
        QPoint seen(-1, -1);
        QString buttons;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen = box->pos();
            for (QAbstractButton* b : box->buttons())
                buttons += b->text().remove(QLatin1Char('&')) + QLatin1Char(' ');
            box->button(QMessageBox::No)->click();
        });
        const Answer a = prompts.askAt(QStringLiteral("Replace this Text?"), MessageType::Confirmation,
                                       Buttons::YesNoCancel, QPoint(123, 45));
        QCOMPARE(a, Answer::No);
        QCOMPARE(seen, QPoint(123, 45));
        QVERIFY(buttons.contains(QStringLiteral("Cancel")));
    }

    void scriptedPromptsRecordThePositionOfPlacedQuestionsOnly() {
        ScriptedPrompts prompts;
        prompts.answer(Answer::Yes);
        prompts.answer(Answer::No);
        QCOMPARE(prompts.askAt(QStringLiteral("q1"), MessageType::Confirmation, Buttons::YesNo,
                               QPoint(5, 6)),
                 Answer::Yes);
        QCOMPARE(prompts.ask(QStringLiteral("q2"), MessageType::Confirmation, Buttons::YesNo), Answer::No);
        QCOMPARE(prompts.shown()[0].position, std::optional<QPoint>(QPoint(5, 6)));
        QVERIFY(!prompts.shown()[1].position);
        QCOMPARE(prompts.texts(), (QStringList{"q1", "q2"}));
    }

    void promptsThatCannotPlaceABoxAskAsBefore() {
        PlainPrompts prompts;
        prompts.answer(Answer::Yes);
        QCOMPARE(prompts.askAt(QStringLiteral("q"), MessageType::Confirmation, Buttons::YesNo, QPoint(1, 1)),
                 Answer::Yes);
        QCOMPARE(prompts.asked, 1);
    }
};

QTEST_MAIN(PromptPlacementTest)
#include "test_PromptPlacement.moc"
