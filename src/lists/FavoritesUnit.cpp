#include "lists/FavoritesUnit.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QPushButton>

#include "lists/FileLists.h"
#include "lists/ListEditing.h"
#include "util/Prompts.h"

namespace tw {

namespace {

constexpr int kFavoritesHelpTopic = 6;

} // namespace

TFavForm::TFavForm(FileLists& lists, Prompts& prompts, TOrderForm& order,
                   std::function<bool(const QString&)> isSettingsFile, QWidget* parent)
    : FileListDialog(order, parent), lists_(lists), prompts_(prompts),
      isSettingsFile_(std::move(isSettingsFile)) {
    setObjectName(QStringLiteral("TFavForm"));
    setWindowTitle(QStringLiteral("Favorites"));
    QPushButton* add = addSideButton("AddBtn", QStringLiteral("&Add..."), true);
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("HelpBtn"));
    help->setAutoDefault(false);
    sideColumn().addWidget(help);
    connect(add, &QPushButton::clicked, this, &TFavForm::AddBtnClick);
    connect(okButton(), &QPushButton::clicked, this, &TFavForm::OKBtnClick);
    connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(kFavoritesHelpTopic); });
}

bool TFavForm::edit(const QString& filter, const QString& shownFile) {
    load(filter, shownFile);
    return exec() == QDialog::Accepted;
}

void TFavForm::load(const QString& filter, const QString& shownFile) {
    filter_ = filter;
    shownFile_ = shownFile;
    showNames(lists_.favorites().fileNames());
}

void TFavForm::AddBtnClick() {
    const QStringList chosen =
        chooseFilesToAdd(prompts_, QString(), filter_, list_.names(), dialogFolder_, shownFile_);
    if (chosen.isEmpty())
        return;
    AddRules rules;
    rules.isSettingsFile = isSettingsFile_;
    rules.duplicateQuestion =
        QStringLiteral("File \"%1\" is already in favorites.  Do you wish to add it again?");
    rules.fullMessage =
        QStringLiteral("The favorites menu holds at most 255 files: \"%1\" and the files "
                       "chosen after it were not added.");
    addChosenFiles(list_, chosen, prompts_, rules);
    showList();
}

void TFavForm::OKBtnClick() {
    lists_.setFavorites(list_.names());
    accept();
}

void TFavForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        emit helpRequested(kFavoritesHelpTopic);
        return;
    }
    FileListDialog::keyPressEvent(event);
}

} // namespace tw
