#include "support/MainWindowFixture.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTabBar>
#include <QToolButton>

#include "app/DocumentTable.h"
#include "editing/EditControl.h"
#include "platform/ProgramDirectory.h"
#include "settings/SettingsCodec.h"

namespace tw::test {

MainWindowFixture::MainWindowFixture(bool withReadme) {
    setProgramDirectory(programDir_.path() + QLatin1Char('/'));
    if (withReadme) {
        QFile readme(programDir_.path() + QStringLiteral("/readme.txt"));
        readme.open(QIODevice::WriteOnly);
        readme.write("Welcome to Tarnwick.\n");
    }
}

MainWindowFixture::~MainWindowFixture() {
    if (form_)
        discardAll();
}

TMainForm& MainWindowFixture::start(const QStringList& arguments) {
    form_ = std::make_unique<TMainForm>(prompts, arguments);
    return *form_;
}

QString MainWindowFixture::programDir() const { return programDir_.path() + QLatin1Char('/'); }

QString MainWindowFixture::path(const QString& name) const {
    return files_.path() + QLatin1Char('/') + name;
}

QString MainWindowFixture::writeFile(const QString& name, const QByteArray& bytes) const {
    QFile file(path(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path(name);
}

QByteArray MainWindowFixture::readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

void MainWindowFixture::run(const QString& name) {
    if (QAction* item = form_->findChild<QAction*>(name)) {
        if (item->isEnabled())
            item->trigger();
    } else if (QToolButton* button = form_->findChild<QToolButton*>(name)) {
        if (button->isEnabled())
            button->click();
    } else {
        qFatal("no command named %s", qPrintable(name));
    }
}

bool MainWindowFixture::isEnabled(const QString& name) const {
    return form_->commands().isEnabled(name);
}

bool MainWindowFixture::documentShown() const { return !form_->Edit()->isHidden(); }

QByteArray MainWindowFixture::shownText() const { return form_->Edit()->textBytes(); }

QString MainWindowFixture::currentFileName() const {
    return form_->documents().CurrentFileName();
}

QStringList MainWindowFixture::tabCaptions() const {
    QStringList captions;
    for (int i = 0; i < form_->Tabs()->count(); ++i)
        captions << form_->Tabs()->tabText(i);
    return captions;
}

QList<int> MainWindowFixture::tabMap() const {
    QList<int> map;
    for (int i = 0; i < form_->Tabs()->count(); ++i)
        map << form_->documents().slotOfTab(i);
    return map;
}

void MainWindowFixture::writeSettingsFile(const StoredSettings& settings) const {
    QFile file(programDir() + QStringLiteral("tw162.ini"));
    if (!file.open(QIODevice::WriteOnly) || file.write(writeSettings(settings)) < 0)
        qFatal("cannot write the settings file");
}

QStringList MainWindowFixture::submenuCaptions(const QString& submenu) const {
    QStringList captions;
    if (const QMenu* menu = form_->findChild<QMenu*>(submenu))
        for (const QAction* entry : menu->actions())
            captions << entry->text();
    return captions;
}

void MainWindowFixture::chooseEntry(const QString& submenu, int index) {
    const QMenu* menu = form_->findChild<QMenu*>(submenu);
    if (!menu || index >= menu->actions().size())
        qFatal("no entry %d in %s", index, qPrintable(submenu));
    menu->actions().at(index)->trigger();
}

void MainWindowFixture::discardAll() {
    DocumentTable& table = form_->documents();
    for (int slot = 1; slot < table.DocCount(); ++slot)
        table.record(slot)->Modified = false;
    form_->Edit()->setModifiedFlag(false);
    form_.reset();
}

} // namespace tw::test
