// File > Print, File > Print Setup and Options > Font through the real main
// window, printing to PDF files through scripted dialogs.
#include <QtTest>

#include <QFontDatabase>
#include <QImage>
#include <QPageLayout>
#include <QProcess>
#include <QTemporaryDir>

#include "app/PrintCommands.h"
#include "dialogs/ScriptedPrintDialogs.h"
#include "editing/EditControl.h"
#include "settings/SettingsCodec.h"
#include "support/MainWindowFixture.h"
#include "support/PdfText.h"

using namespace tw;
using namespace tw::test;

namespace {

const QByteArray kTwoPages = "first line\nsecond\fthird page\n";

struct PrintFixture : MainWindowFixture {
    ScriptedPrintDialogs dialogs;
    QString document;

    TMainForm& open(const QByteArray& text = kTwoPages) {
        document = writeFile(QStringLiteral("doc.txt"), text);
        start({document});
        form().findChild<PrintCommands*>()->useDialogs(dialogs);
        return form();
    }
    QString pdf(const char* name) const { return path(QString::fromLatin1(name)); }
    const ShownPrintDialog& lastShown() const { return dialogs.shown().last(); }
};

QColor editColour(TMainForm& form, unsigned int message) {
    const long bgr = form.Edit()->SendScintilla(message, 32ul);
    return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff);
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!havePdfToText())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    void printsTheWholeDocumentUnderItsFileName() {
        PrintFixture fx;
        fx.open();
        fx.dialogs.printToPdf(fx.pdf("all.pdf"));
        fx.run("PrintSpdBtn");
        QCOMPARE(fx.dialogs.shown().size(), 1);
        QVERIFY(!fx.lastShown().selectionOffered);
        QCOMPARE(fx.lastShown().jobTitle, fx.document);
        QCOMPARE(pdfPageTexts(fx.pdf("all.pdf")), (QStringList{"first line\nsecond", "third page"}));
        QVERIFY(fx.prompts.shown().isEmpty());
    }

    void aSelectionIsPresetAndPrintedAlone() {
        PrintFixture fx;
        TMainForm& form = fx.open();
        form.Edit()->setSelection(11, 6);   // "second"
        fx.dialogs.printToPdfAsPreset(fx.pdf("selection.pdf"));
        fx.run("FilePrintMnu");
        QVERIFY(fx.lastShown().selectionOffered);
        QCOMPARE(fx.lastShown().presetRange, QPrinter::Selection);
        QCOMPARE(pdfPageTexts(fx.pdf("selection.pdf")), QStringList{"second"});

        // Without a selection the choice it no longer offers is not preset.
        form.Edit()->setSelection(3, 0);
        fx.dialogs.printToPdfAsPreset(fx.pdf("after.pdf"));
        fx.run("FilePrintMnu");
        QVERIFY(!fx.lastShown().selectionOffered);
        QCOMPARE(fx.lastShown().presetRange, QPrinter::AllPages);
        QCOMPARE(pdfPageTexts(fx.pdf("after.pdf")).size(), 2);
    }

    void choosingPagesPrintsTheWholeDocumentAndTheChoiceIsKept() {
        PrintFixture fx;
        fx.open();
        fx.dialogs.printToPdf(fx.pdf("pages.pdf"), QPrinter::PageRange, 2, 2);
        fx.run("FilePrintMnu");
        QCOMPARE(pdfPageTexts(fx.pdf("pages.pdf")), (QStringList{"first line\nsecond", "third page"}));
        fx.dialogs.cancel();
        fx.run("FilePrintMnu");
        QCOMPARE(fx.lastShown().presetRange, QPrinter::PageRange);
    }

    void cancellingPrintsNothing() {
        PrintFixture fx;
        fx.open();
        fx.dialogs.cancel();
        fx.run("FilePrintMnu");
        QCOMPARE(fx.dialogs.shown().size(), 1);
        QVERIFY(fx.prompts.shown().isEmpty());
        QVERIFY(fx.dialogs.unexpected().isEmpty());
    }

    void aJobThatCannotStartIsReportedAndPrintsNothing() {
        PrintFixture fx;
        fx.open();
        const QString nowhere = fx.path(QStringLiteral("missing/out.pdf"));
        fx.dialogs.printToPdf(nowhere);
        fx.run("FilePrintMnu");
        QCOMPARE(fx.prompts.texts(), QStringList{QStringLiteral("Printing could not start on %1.").arg(nowhere)});
        QVERIFY(!QFile::exists(nowhere));
    }

    void colouredTextPrintsBlack() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        PrintFixture fx;
        TMainForm& form = fx.open(QByteArray(40, '#') + "\n");
        form.ApplyColourScheme(1);   // yellow on navy
        fx.dialogs.printToPdf(fx.pdf("colour.pdf"));
        fx.run("FilePrintMnu");
        run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("100"),
                                         QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                         fx.pdf("colour.pdf"), fx.pdf("colour")});
        const QImage page(fx.pdf("colour.png"));
        QVERIFY(!page.isNull());
        int dark = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                QVERIFY2(qAbs(c.red() - c.blue()) < 8 && qAbs(c.green() - c.blue()) < 8,
                         qPrintable(c.name()));
                dark += c.value() < 128;
            }
        QVERIFY(dark > 0);
    }

    void printerSetupChoicesApplyToLaterPrints() {
        PrintFixture fx;
        fx.open();
        fx.dialogs.setUpPrinter([](QPrinter& printer) {
            printer.setPageOrientation(QPageLayout::Landscape);
        });
        fx.run("FilePrintSetupMnu");
        fx.dialogs.printToPdf(fx.pdf("landscape.pdf"));
        fx.run("FilePrintMnu");
        const QList<QSizeF> sizes = pdfPageSizes(fx.pdf("landscape.pdf"));
        QCOMPARE(sizes.size(), 2);
        QVERIFY(sizes[0].width() > sizes[0].height());
        QVERIFY(fx.dialogs.scriptUsedUp());
    }

    void printNeedsAShownDocumentAndSetupAndFontDoNot() {
        PrintFixture fx;
        fx.open();
        QVERIFY(fx.isEnabled("FilePrintMnu") && fx.isEnabled("PrintSpdBtn"));
        fx.run("FileCloseAllFilesMnu");
        QVERIFY(!fx.documentShown());
        QVERIFY(!fx.isEnabled("FilePrintMnu") && !fx.isEnabled("PrintSpdBtn"));
        QVERIFY(fx.isEnabled("FilePrintSetupMnu") && fx.isEnabled("OptionsFontMnu"));
    }

    void aNewFontColourSwitchesToTheCustomSchemeOnTheCurrentBackground() {
        PrintFixture fx;
        TMainForm& form = fx.open();
        form.ApplyColourScheme(1);
        QFont chosen(QStringLiteral("Liberation Mono"), 14);
        chosen.setBold(true);
        chosen.setStrikeOut(true);
        fx.dialogs.chooseFont(chosen, Qt::red);
        fx.run("OptionsFontMnu");

        const FontChoice loaded = fx.lastShown().font;
        QCOMPARE(loaded.font.family(), QStringLiteral("Courier New"));
        QCOMPARE(loaded.font.pointSize(), 10);
        QCOMPARE(loaded.colour, QColor(255, 255, 0));
        const EditorOptions& options = form.options();
        QCOMPARE(options.ColourScheme, 2);
        QCOMPARE(options.customText, QColor(Qt::red));
        QCOMPARE(options.customBackground, QColor(0, 0, 128));
        QCOMPARE(options.fontName, QStringLiteral("Liberation Mono"));
        QCOMPARE(options.fontSize, 14);
        QVERIFY(options.fontBold && options.fontStrikeOut && !options.fontItalic);
        QCOMPARE(editColour(form, EditControl::SCI_STYLEGETFORE), QColor(Qt::red));
        QCOMPARE(editColour(form, EditControl::SCI_STYLEGETBACK), QColor(0, 0, 128));
        // A font is no change to the text.
        QVERIFY(!form.Edit()->isModified());
        QCOMPARE(form.panelText(1), QString());
    }

    // Strikeout, which Scintilla's styles lack, is shown over the whole text:
    // typed text, every document shown later, and off again with the style.
    void aStruckOutFontStrikesOutEveryShownText() {
        PrintFixture fx;
        TMainForm& form = fx.open();
        form.show();   // the indicator follows the text as it is drawn
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        EditControl& edit = *form.Edit();
        auto struck = [&edit] {
            QCoreApplication::processEvents();
            const auto indicator = static_cast<unsigned long>(EditControl::kStrikeOutIndicator);
            QList<qsizetype> positions;   // the positions not struck out
            for (qsizetype pos = 0; pos < edit.length(); ++pos)
                if (!edit.SendScintilla(EditControl::SCI_INDICATORVALUEAT, indicator, long(pos)))
                    positions << pos;
            return positions.isEmpty() && edit.length() > 0;
        };
        QVERIFY(!struck());
        QFont chosen(QStringLiteral("Liberation Mono"), 12);
        chosen.setStrikeOut(true);
        fx.dialogs.chooseFont(chosen, form.Edit()->textColour());
        fx.run("OptionsFontMnu");
        QVERIFY(struck());
        QVERIFY(!edit.isModified());
        edit.setSelStart(edit.length());
        QTest::keyClicks(&edit, "more");
        QVERIFY(struck());
        fx.run("FileNewMnu");
        QTest::keyClicks(&edit, "new");
        QVERIFY(struck());
        fx.run("ViewPreviousMnu");
        QVERIFY(struck());
        fx.dialogs.chooseFont(QFont(QStringLiteral("Liberation Mono"), 12), edit.textColour());
        fx.run("OptionsFontMnu");
        QCOMPARE(edit.SendScintilla(EditControl::SCI_INDICATORVALUEAT,
                                    static_cast<unsigned long>(EditControl::kStrikeOutIndicator), 0l),
                 0l);
        fx.discardAll();
    }

    void theSameColourKeepsTheSchemeAndAModifiedDocumentStaysModified() {
        PrintFixture fx;
        TMainForm& form = fx.open();
        form.ApplyColourScheme(1);
        form.Edit()->insertBytes(0, "x");
        fx.dialogs.chooseFont(QFont(QStringLiteral("Liberation Mono"), 12), QColor(255, 255, 0));
        fx.run("OptionsFontMnu");
        QCOMPARE(form.options().ColourScheme, 1);
        QCOMPARE(form.options().fontSize, 12);
        QVERIFY(form.Edit()->isModified());
        QCOMPARE(form.panelText(1), QStringLiteral("Modified"));
        QCOMPARE(editColour(form, EditControl::SCI_STYLEGETFORE), QColor(255, 255, 0));
    }

    // The dialog offers sizes up to 512 points; the settings file keeps up to
    // 400, so a larger choice is 400 now rather than 10 after the next start.
    void aFontSizeIsOneTheSettingsFileKeeps() {
        PrintFixture fx;
        TMainForm& form = fx.open();
        fx.dialogs.chooseFont(QFont(QStringLiteral("Liberation Mono"), 500), form.Edit()->textColour());
        fx.run("OptionsFontMnu");
        QCOMPARE(form.options().fontSize, 400);
        form.close();
        QCOMPARE(readSettings(MainWindowFixture::readFile(fx.programDir() + "tw162.ini")).fontSize, 400);
    }

    void cancellingTheFontDialogChangesNothing() {
        PrintFixture fx;
        TMainForm& form = fx.open();
        const EditorOptions before = form.options();
        fx.dialogs.cancel();
        fx.run("OptionsFontMnu");
        QCOMPARE(form.options().fontName, before.fontName);
        QCOMPARE(form.options().fontSize, before.fontSize);
        QCOMPARE(form.options().ColourScheme, before.ColourScheme);
    }

    void printingUsesTheChosenFont() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdffonts")).isEmpty())
            QSKIP("pdffonts (poppler-utils) is not installed");
        if (!QFontDatabase::families().contains(QStringLiteral("Liberation Mono")))
            QSKIP("Liberation Mono (fonts-liberation) is not installed");
        PrintFixture fx;
        fx.open();
        QFont chosen(QStringLiteral("Liberation Mono"), 11);
        chosen.setBold(true);
        fx.dialogs.chooseFont(chosen, QColor(Qt::blue));
        fx.run("OptionsFontMnu");
        fx.dialogs.printToPdf(fx.pdf("font.pdf"));
        fx.run("FilePrintMnu");
        QVERIFY(run(QStringLiteral("pdffonts"), {fx.pdf("font.pdf")})
                    .contains(QStringLiteral("LiberationMono-Bold")));
    }
};

QTEST_MAIN(PrintingTest)
#include "test_printing.moc"
