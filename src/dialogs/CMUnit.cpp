#include "dialogs/CMUnit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeView>
#include <QVBoxLayout>

#include "platform/Volumes.h"
#include "util/FitLabelHint.h"
#include "util/Prompts.h"
#include "util/ToolTipPolicy.h"

namespace tw {

QString TCMForm::fullFolderForm(const QString& typed) {
    QString text = typed.trimmed().isEmpty() ? QStringLiteral("/") : typed;
    // "~" is the home folder, as in the shell and the file dialogs; taken
    // literally it would make a folder named "~" in the current folder.
    if (text == QLatin1String("~") || text.startsWith(QLatin1String("~/")))
        text = QDir::homePath() + text.mid(1);
    QString full = QDir::cleanPath(QDir::current().absoluteFilePath(text));
    if (!full.endsWith(QLatin1Char('/')))
        full += QLatin1Char('/');
    return full;
}

TCMForm::TCMForm(Prompts& prompts, ToolTipPolicy* hints, QWidget* parent)
    : QDialog(parent), prompts_(prompts),
      ready_([](const QString& path) { return volumeReady(path); }) {
    setObjectName(QStringLiteral("TCMForm"));
    forceHintsWhileShown(this, hints);
    buildControls();
    fillDrives();
    const QString here = QDir::currentPath();
    const int drive = driveCB_->findText(volumeRootOf(here, mountedVolumes()));
    changingDrive_ = true;
    driveCB_->setCurrentIndex(qMax(0, drive));
    changingDrive_ = false;
    rememberedDrive_ = driveCB_->currentIndex();
    showVolume(driveCB_->currentText());
    dirLB_->setCurrentIndex(model_->index(here));
    // Folders are read in the background: the current one is shown once read.
    connect(model_, &QFileSystemModel::directoryLoaded, this,
            [this] { dirLB_->scrollTo(dirLB_->currentIndex()); });
    folderCB_->setEditText(QString());
}

void TCMForm::buildControls() {
    resize(420, 360);
    auto* layout = new QVBoxLayout(this);
    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    folderCB_ = new QComboBox(this);
    folderCB_->setObjectName(QStringLiteral("FolderCB"));
    folderCB_->setEditable(true);
    folderCB_->setInsertPolicy(QComboBox::NoInsert);
    label1_->setBuddy(folderCB_);
    dirLB_ = new QTreeView(this);
    dirLB_->setObjectName(QStringLiteral("DirLB"));
    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
    model_->setReadOnly(true);
    dirLB_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        dirLB_->hideColumn(column);
    dirLB_->header()->hide();
    driveCB_ = new QComboBox(this);
    driveCB_->setObjectName(QStringLiteral("DriveCB"));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    layout->addWidget(label1_);
    layout->addWidget(folderCB_);
    layout->addWidget(dirLB_, 1);
    layout->addWidget(driveCB_);
    layout->addWidget(buttons);
    connect(ok, &QPushButton::clicked, this, &TCMForm::OKBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(dirLB_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TCMForm::folderChosen);
    connect(driveCB_, &QComboBox::currentIndexChanged, this, [this] {
        if (!changingDrive_)
            DriveCBChange();
    });
    dirLB_->installEventFilter(this);
    driveCB_->installEventFilter(this);
}

void TCMForm::fillDrives() {
    for (const Volume& volume : mountedVolumes())
        driveCB_->addItem(volume.root);
}

void TCMForm::showVolume(const QString& root) {
    // The volume's own folder is the tree's top item.
    model_->setRootPath(root);
    dirLB_->setRootIndex(model_->index(root).parent());
}

void TCMForm::prepare(bool move, const QString& fileName, const FolderAction& action) {
    action_ = action;
    setWindowTitle(move ? QStringLiteral("Move") : QStringLiteral("Copy"));
    // The label has a buddy: an "&" of the name is doubled to show as it is.
    label1_->setText((move ? QStringLiteral("Move &File \"%1\" to:") : QStringLiteral("Copy &File \"%1\" to:"))
                         .arg(QString(fileName).replace(QLatin1Char('&'), QStringLiteral("&&"))));
    FitLabelHint(label1_, width());
}

void TCMForm::run(bool move, const QString& fileName, const FolderAction& action) {
    prepare(move, fileName, action);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        this->move(screen->availableGeometry().center() - rect().center());
    exec();
}

bool TCMForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == driveCB_ &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress))
        rememberedDrive_ = driveCB_->currentIndex();
    if (watched == dirLB_ && event->type() == QEvent::FocusIn)
        folderChosen();
    return QDialog::eventFilter(watched, event);
}

void TCMForm::folderChosen() {
    const QModelIndex current = dirLB_->currentIndex();
    if (current.isValid())
        folderCB_->setEditText(model_->filePath(current));
}

bool TCMForm::DriveReadyCheck(const QString& path) {
    // The volume that holds the path names the drive, as the box would show it.
    const QString drive = volumeRootOf(path, mountedVolumes());
    while (!ready_(path)) {
        const Answer answer = prompts_.ask(QStringLiteral("Drive \"%1\" is not ready!").arg(drive),
                                           MessageType::Error, Buttons::RetryCancel);
        if (answer != Answer::Retry) {
            changingDrive_ = true;
            driveCB_->setCurrentIndex(rememberedDrive_);
            changingDrive_ = false;
            return false;
        }
    }
    return true;
}

void TCMForm::DriveCBChange() {
    const QString root = driveCB_->currentText();
    if (!DriveReadyCheck(root))
        return;
    rememberedDrive_ = driveCB_->currentIndex();
    showVolume(root);
    dirLB_->setCurrentIndex(model_->index(root));
    folderChosen();
}

void TCMForm::chooseDrive(const QString& root) {
    rememberedDrive_ = driveCB_->currentIndex();
    driveCB_->setCurrentIndex(driveCB_->findText(root));
}

void TCMForm::OKBtnClick() {
    // A typed folder is checked on the volume that holds it.
    const QString folder = fullFolderForm(folderCB_->currentText());
    if (!DriveReadyCheck(folder))
        return;
    folderCB_->setEditText(folder);
    if (action_ && !action_(folder))
        return;
    bool listed = false;
    for (int i = 0; i < folderCB_->count(); ++i)
        listed = listed || folderCB_->itemText(i).compare(folder, Qt::CaseInsensitive) == 0;
    if (!listed)
        folderCB_->addItem(folder);
    folderCB_->setEditText(folder);
    accept();
}

} // namespace tw
