#pragma once
// The real main window in a temporary program directory, with scripted
// prompts, and a folder for the test's own files.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "app/MainForm.h"
#include "support/RecordingStarter.h"
#include "util/ScriptedPrompts.h"

namespace tw {
struct StoredSettings;
}

namespace tw::test {

class MainWindowFixture {
public:
    // The program directory holds a readme.txt unless told otherwise.
    explicit MainWindowFixture(bool withReadme = true);
    ~MainWindowFixture();

    TMainForm& start(const QStringList& arguments = {});
    TMainForm& form() { return *form_; }
    ScriptedPrompts prompts;
    // Every program the window starts is recorded, none started.
    RecordingStarter& starter() { return launching_.starter(); }

    QString programDir() const;
    // Writes a file in the test's folder and returns its full path.
    QString writeFile(const QString& name, const QByteArray& bytes) const;
    QString path(const QString& name) const;
    static QByteArray readFile(const QString& path);

    // Runs a menu item, shortcut-menu item or tool button by its name.
    void run(const QString& name);
    bool isEnabled(const QString& name) const;
    bool documentShown() const;
    QByteArray shownText() const;
    QString currentFileName() const;
    QStringList tabCaptions() const;
    // TabSlotMap as a list, one entry per tab.
    QList<int> tabMap() const;
    // Writes the settings file the next start reads.
    void writeSettingsFile(const StoredSettings& settings) const;
    // The captions of a user-defined submenu's entries, and the click of one.
    QStringList submenuCaptions(const QString& submenu) const;
    void chooseEntry(const QString& submenu, int index);
    // Closes every document without questions, so the window can go.
    void discardAll();

private:
    RecordingStarterScope launching_;
    QTemporaryDir programDir_;
    QTemporaryDir files_;
    std::unique_ptr<TMainForm> form_;
};

} // namespace tw::test
