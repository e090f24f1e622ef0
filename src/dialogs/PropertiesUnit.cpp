#include "dialogs/PropertiesUnit.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/FileAttributes.h"
#include "util/FileNames.h"
#include "util/FitLabelHint.h"
#include "util/Prompts.h"
#include "util/ToolTipPolicy.h"
#include "util/UserError.h"

namespace tw {

namespace {

struct BoxDesign {
    const char* name;
    const char* caption;
    int bit;
};

// In the order of the design's boxes.
constexpr BoxDesign kBoxes[4] = {{"ReadOnlyCB", "&Read Only", FileAttribute::ReadOnly},
                                 {"ArchiveCB", "&Archive", FileAttribute::Archive},
                                 {"HiddenCB", "&Hidden", FileAttribute::Hidden},
                                 {"SystemCB", "&System", FileAttribute::System}};

} // namespace

TPropertiesForm::TPropertiesForm(Prompts& prompts, ToolTipPolicy* hints, QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
    setObjectName(QStringLiteral("TPropertiesForm"));
    forceHintsWhileShown(this, hints);
    setWindowTitle(QStringLiteral("Properties"));
    buildControls();
}

QLabel* TPropertiesForm::addFact(QGridLayout* grid, int row, const QString& caption, const char* name) {
    QWidget* box = grid->parentWidget();
    grid->addWidget(new QLabel(caption, box), row, 0);
    auto* value = new QLabel(box);
    value->setObjectName(QString::fromLatin1(name));
    value->setTextFormat(Qt::PlainText);
    value->setMinimumWidth(10);
    value->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    grid->addWidget(value, row, 1);
    grid->setColumnStretch(1, 1);
    return value;
}

void TPropertiesForm::buildControls() {
    resize(380, 300);
    auto* layout = new QVBoxLayout(this);
    auto* names = new QGroupBox(QStringLiteral("File Name"), this);
    names->setObjectName(QStringLiteral("FileNameGB"));
    auto* namesGrid = new QGridLayout(names);
    fileNameLab_ = addFact(namesGrid, 0, QStringLiteral("Windows"), "FileNameLab");
    dosFileNameLab_ = addFact(namesGrid, 1, QStringLiteral("DOS"), "DOSFileNameLab");
    groupLab_ = addFact(namesGrid, 2, QStringLiteral("Group"), "GroupLab");
    auto* sizes = new QGroupBox(QStringLiteral("File Size (bytes)"), this);
    sizes->setObjectName(QStringLiteral("FileSizeGB"));
    auto* sizesGrid = new QGridLayout(sizes);
    openFileSizeLab_ = addFact(sizesGrid, 0, QStringLiteral("Open File"), "OpenFileSizeLab");
    diskFileSizeLab_ = addFact(sizesGrid, 1, QStringLiteral("Disk File"), "DiskFileSizeLab");
    auto* attributes = new QGroupBox(QStringLiteral("Attributes"), this);
    attributes->setObjectName(QStringLiteral("AttributesGB"));
    auto* attributesGrid = new QGridLayout(attributes);
    for (int i = 0; i < 4; ++i) {
        boxes_[i] = new QCheckBox(QString::fromLatin1(kBoxes[i].caption), attributes);
        boxes_[i]->setObjectName(QString::fromLatin1(kBoxes[i].name));
        attributesGrid->addWidget(boxes_[i], i / 2, i % 2);
        // Every click flips the mark, so a box clicked twice is unchanged.
        connect(boxes_[i], &QCheckBox::clicked, this, [this, i] { marks_[i] = !marks_[i]; });
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(ok, &QPushButton::clicked, this, &TPropertiesForm::OKBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(names);
    layout->addWidget(sizes);
    layout->addWidget(attributes);
    layout->addWidget(buttons);
}

void TPropertiesForm::prepare(const DocumentFacts& facts) {
    facts_ = facts;
    fileNameLab_->setText(facts.fileName);
    QString shortName = QStringLiteral("unknown");
    if (facts.hasFile) {
        try {
            shortName = ShortFileName(facts.fileName);
        } catch (const UserError&) {
        }
    }
    dosFileNameLab_->setText(shortName);
    groupLab_->setText(facts.groupName.isEmpty() ? QStringLiteral("none") : facts.groupName);
    openFileSizeLab_->setText(QString::number(facts.openSize));
    foundBits_ = 0;
    qint64 size = -1;
    if (facts.hasFile) {
        const AttributeQuery query = fileAttributes(facts.fileName);
        if (query.ok()) {
            foundBits_ = query.bits;
            size = fileSize(facts.fileName);
        }
    }
    diskFileSizeLab_->setText(QString::number(qMax<qint64>(size, 0)));
    for (int i = 0; i < 4; ++i) {
        boxes_[i]->setChecked(foundBits_ & kBoxes[i].bit);
        marks_[i] = false;
    }
    ensurePolished();
    layout()->activate();
    for (QLabel* label : {fileNameLab_, dosFileNameLab_, groupLab_})
        FitLabelHint(label);
}

void TPropertiesForm::run(const DocumentFacts& facts) {
    prepare(facts);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    exec();
}

void TPropertiesForm::OKBtnClick() {
    int marked = 0;
    int ticked = 0;
    for (int i = 0; i < 4; ++i) {
        if (marks_[i])
            marked |= kBoxes[i].bit;
        if (boxes_[i]->isChecked())
            ticked |= kBoxes[i].bit;
    }
    if (marked != 0) {
        // Only the clicked boxes change; the others keep what the file has.
        const int bits = (foundBits_ & ~marked) | (ticked & marked);
        if (!facts_.hasFile || !setFileAttributes(facts_.fileName, bits).isEmpty())
            prompts_.message(QStringLiteral("Cannot change file attributes. Perhaps the file is not yet "
                                            "saved on disk."),
                             MessageType::Error);
    }
    accept();
}

} // namespace tw
