// The properties dialog, the Environment options, the About box and the
// program's hints through the real main window.
#include <QtTest>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolTip>

#include "app/AboutUnit.h"
#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "app/HelpViewer.h"
#include "dialogs/ColorGrid.h"
#include "dialogs/EnvironmentUnit.h"
#include "dialogs/PropertiesUnit.h"
#include "editing/EditControl.h"
#include "platform/FileAttributes.h"
#include "settings/SettingsCodec.h"
#include "settings/StoredSettings.h"
#include "support/MainWindowFixture.h"
#include "util/Colours.h"
#include "util/ToolTipPolicy.h"

#include <sys/stat.h>

using namespace tw;
using namespace tw::test;

namespace {

template <typename T>
T* child(QWidget& dialog, const char* name) {
    T* found = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// Runs a command whose modal dialog `act` handles (and closes).
template <typename Dialog, typename Act>
void withDialog(MainWindowFixture& fx, const char* command, Act act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    fx.run(QString::fromLatin1(command));
}

void click(QWidget& dialog, const char* name) { child<QAbstractButton>(dialog, name)->click(); }

void writeIni(MainWindowFixture& fx, const StoredSettings& s) {
    QFile file(fx.programDir() + "tw162.ini");
    file.open(QIODevice::WriteOnly);
    file.write(writeSettings(s));
}

} // namespace

class OptionsDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void propertiesWriteOnlyTheBoxesClicked() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "on disk\n");
        ::chmod(QFile::encodeName(a).constData(), 0755);
        QCOMPARE(setFileAttributes(a, FileAttribute::Archive), QString());
        fx.start({a});
        fx.form().Edit()->setTextBytes("longer text in memory");
        withDialog<TPropertiesForm>(fx, "OptionsPropertiesMnu", [&](TPropertiesForm& d) {
            QCOMPARE(child<QLabel>(d, "FileNameLab")->text(), a);
            QCOMPARE(child<QLabel>(d, "DOSFileNameLab")->text(), a);
            QCOMPARE(child<QLabel>(d, "GroupLab")->text(), QString("none"));
            QCOMPARE(child<QLabel>(d, "OpenFileSizeLab")->text(), QString("21"));
            QCOMPARE(child<QLabel>(d, "DiskFileSizeLab")->text(), QString("8"));
            QVERIFY(child<QCheckBox>(d, "ArchiveCB")->isChecked());
            QVERIFY(!child<QCheckBox>(d, "ReadOnlyCB")->isChecked());
            click(d, "HiddenCB");
            click(d, "HiddenCB");     // twice: unchanged
            click(d, "ReadOnlyCB");
            click(d, "OKBtn");
        });
        QCOMPARE(fileAttributes(a).bits, FileAttribute::ReadOnly | FileAttribute::Archive);
        // Only the write bits changed; execute bits stay.
        struct stat st;
        ::stat(QFile::encodeName(a).constData(), &st);
        QCOMPARE(st.st_mode & 07777, mode_t(0555));
        QCOMPARE(fx.prompts.texts(), QStringList());
        QVERIFY(!fx.form().hints().hintsOn() || fx.form().hints().showSwitch());
    }

    void anUntitledDocumentHasNoFileToChange() {
        MainWindowFixture fx;
        fx.start();
        fx.run("FileNewMnu");
        fx.form().Edit()->setTextBytes("abc");
        fx.form().hints().apply(false, 500, 2500);
        withDialog<TPropertiesForm>(fx, "PropertiesPopItem", [&](TPropertiesForm& d) {
            QVERIFY(fx.form().hints().hintsOn());   // forced while shown
            QVERIFY(!fx.form().hints().showSwitch());
            QCOMPARE(child<QLabel>(d, "DOSFileNameLab")->text(), QString("unknown"));
            QCOMPARE(child<QLabel>(d, "DiskFileSizeLab")->text(), QString("0"));
            QCOMPARE(child<QLabel>(d, "OpenFileSizeLab")->text(), QString("3"));
            click(d, "SystemCB");
            click(d, "OKBtn");
        });
        QVERIFY(!fx.form().hints().hintsOn());
        QCOMPARE(fx.prompts.texts(),
                 QStringList{"Cannot change file attributes. Perhaps the file is not yet saved on disk."});
    }

    void longFileNamesShowWholeAsTheLabelsHint() {
        MainWindowFixture fx;
        QDir(fx.path("")).mkpath(QString(60, 'd') + "/" + QString(60, 'e'));
        const QString a = fx.writeFile(QString(60, 'd') + "/" + QString(60, 'e') + "/a.txt", "a\n");
        fx.start({a});
        TPropertiesForm& d = fx.form().PropertiesForm();
        d.prepare(fx.form().documentFacts());
        QCOMPARE(child<QLabel>(d, "FileNameLab")->toolTip(), a);
        QCOMPARE(child<QLabel>(d, "GroupLab")->toolTip(), QString());
    }

    // Every hint of the program follows the one switch.
    void theHintSwitchReachesEveryToolTip() {
        MainWindowFixture fx;
        TMainForm& form = fx.start();
        form.show();
        QWidget* button = form.findChild<QWidget*>("NewSpdBtn");
        auto hover = [&] {
            // Gone at once, not after Qt's fading pause.
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->objectName() == "qtooltip_label")
                    top->hide();
            QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(button, &event);
            return QToolTip::isVisible() && QToolTip::text() == button->toolTip();
        };
        QVERIFY(hover());
        form.hints().apply(false, 500, 2500);
        QVERIFY(!hover());
        form.hints().beginForcedHints();   // a dialog that needs its hints
        QVERIFY(hover());
        form.hints().endForcedHints();
        QVERIFY(!hover());
        QToolTip::hideText();
    }

    void environmentOkAppliesEverythingAndCancelNothing() {
        MainWindowFixture fx;
        StoredSettings s = firstRunSettings();
        s.customText = 0x123456;   // no cell of the grid
        s.customBackground = storedFromColour(QColor(0, 0, 128));
        writeIni(fx, s);
        TMainForm& form = fx.start();
        const EnvironmentValues before = form.environmentValues();
        withDialog<TEnvironmentForm>(fx, "OptionsEnvironmentMnu", [](TEnvironmentForm& d) {
            child<QButtonGroup>(d, "KeystrokeRG")->button(1)->click();
            child<QCheckBox>(d, "AutosaveCB")->click();
            child<QSpinBox>(d, "IntervalSE")->setValue(65);
            child<QCheckBox>(d, "ConfirmPromptCB")->click();
            child<QLineEdit>(d, "HintElapseEdit")->setText("1.5");
            click(d, "CancelBtn");
        });
        QCOMPARE(form.environmentValues().keystrokeMapping, before.keystrokeMapping);
        QVERIFY(!form.Timer1()->isActive());
        QCOMPARE(form.options().ConfirmPrompts, before.confirmPrompts);

        withDialog<TEnvironmentForm>(fx, "OptionsEnvironmentMnu", [](TEnvironmentForm& d) {
            QVERIFY(!child<QSpinBox>(d, "IntervalSE")->isEnabled());
            QVERIFY(!child<QSpinBox>(d, "XSpacesSE")->isEnabled());
            child<QButtonGroup>(d, "StartWithRG")->button(2)->click();
            child<QButtonGroup>(d, "BackupExtRG")->button(1)->click();
            child<QCheckBox>(d, "AutosaveCB")->click();
            QVERIFY(child<QSpinBox>(d, "IntervalSE")->isEnabled());
            child<QSpinBox>(d, "IntervalSE")->setValue(99);   // kept to 65
            child<ColorGrid>(d, "ColorGrid1")->clickCell(12, Qt::RightButton);
            QCOMPARE(child<QButtonGroup>(d, "ColorRG")->checkedId(), 2);
            child<QButtonGroup>(d, "TabUseRG")->button(2)->click();
            child<QSpinBox>(d, "XSpacesSE")->setValue(4);
            child<QCheckBox>(d, "PersistentGroupsCB")->click();
            child<QCheckBox>(d, "ConfirmPromptCB")->click();
            child<QCheckBox>(d, "AutoIndentCB")->click();
            child<QCheckBox>(d, "ShowHintsCB")->click();
            child<QLineEdit>(d, "HintElapseEdit")->setText("1.5");
            child<QLineEdit>(d, "HintDurationEdit")->setText("99999999999999");
            click(d, "OKBtn");
        });
        EditorOptions& o = form.options();
        QCOMPARE(o.StartupMode, 2);
        QCOMPARE(o.BackupStyle, 1);
        QVERIFY(form.Timer1()->isActive());
        QCOMPARE(form.Timer1()->interval(), 65 * 60000);
        QCOMPARE(o.ColourScheme, 2);
        QCOMPARE(storedFromColour(o.customText), 0x123456);   // kept
        QCOMPARE(o.customBackground, QColor(0, 0, 255));
        QCOMPARE(o.TabUse, 2);
        QCOMPARE(o.TabSpaces, 4);
        QVERIFY(o.PersistentGroups);
        QVERIFY(!o.ConfirmPrompts);
        QVERIFY(!o.AutoIndent);
        QVERIFY(!form.hints().showSwitch());
        QCOMPARE(form.hints().pause(), 0);
        QCOMPARE(form.hints().displayTime(), 2147483647);

        form.close();
        const StoredSettings back = readSettings(fx.readFile(fx.programDir() + "tw162.ini"));
        QCOMPARE(back.startupMode, 2);
        QCOMPARE(back.autosaveOn, 1);
        QCOMPARE(back.autosaveInterval, 65 * 60000);
        QCOMPARE(back.customText, 0x123456);
        QCOMPARE(back.showHints, 0);
        QCOMPARE(back.hintPause, 0);
    }

    void environmentHelpOpensTopicEight() {
        MainWindowFixture fx;
        TMainForm& form = fx.start();
        withDialog<TEnvironmentForm>(fx, "OptionsEnvironmentMnu", [](TEnvironmentForm& d) {
            QTest::keyClick(&d, Qt::Key_F1);
        });
        QVERIFY(form.helpViewer()->isVisible());
    }

    void aboutUnlocksTheSettingsFileWhichIsKeptAtExit() {
        MainWindowFixture fx;
        writeIni(fx, firstRunSettings());
        TMainForm& form = fx.start();
        withDialog<TAboutForm>(fx, "HelpAboutMnu", [](TAboutForm& d) {
            QTest::keyClicks(child<QPushButton>(d, "OKBtn"), "xlumpy");   // a stray key first
            QVERIFY(d.isVisible());
        });
        QVERIFY(!form.options().SettingsFileEditable);
        withDialog<TAboutForm>(fx, "HelpAboutMnu", [](TAboutForm& d) {
            QTest::keyClicks(child<QPushButton>(d, "OKBtn"), "lumpy");
            QVERIFY(!d.isVisible());
        });
        QVERIFY(form.options().SettingsFileEditable);
        QCOMPARE(form.options().dialogs.openDir, fx.programDir());

        const QString ini = fx.programDir() + "tw162.ini";
        QCOMPARE(form.files().OpenAsCurrent(ini, true), OpenOk);
        form.Edit()->setTextBytes("edited by hand");
        QVERIFY(form.files().FileSaveMnuClick());
        form.close();
        QCOMPARE(fx.readFile(ini), QByteArray("edited by hand\r\n"));
        QCOMPARE(fx.prompts.texts(), QStringList());
    }

    void contactLinksOpenThroughTheDesktop() {
        MainWindowFixture fx;
        fx.start();
        withDialog<TAboutForm>(fx, "HelpAboutMnu", [](TAboutForm& d) {
            QTest::mouseClick(d.emailMemo(), Qt::LeftButton);
        });
        QCOMPARE(fx.starter().starts.size(), 1);
        QCOMPARE(fx.starter().starts.at(0).program,
                 "mailto:" + kContactMail + "?subject=Use%20%22Tarnwick%22%20in%20the%20subject");
        withDialog<TAboutForm>(fx, "HelpAboutMnu", [](TAboutForm& d) {
            d.urlMemo()->setFocus();
            QTest::keyClick(d.urlMemo(), Qt::Key_A);   // swallowed
            QCOMPARE(d.urlMemo()->text(), kContactWeb);
            QTest::keyClick(d.urlMemo(), Qt::Key_Return);
        });
        QCOMPARE(fx.starter().starts.at(1).program, kContactWeb);
    }
};

QTEST_MAIN(OptionsDialogsTest)
#include "test_options_dialogs.moc"
