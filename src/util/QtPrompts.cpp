#include "util/QtPrompts.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace tw {

namespace {

QMessageBox::Icon iconOf(MessageType type) {
    switch (type) {
    case MessageType::Warning: return QMessageBox::Warning;
    case MessageType::Error: return QMessageBox::Critical;
    case MessageType::Information: return QMessageBox::Information;
    case MessageType::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

void prepareDialog(QFileDialog& dialog, const FileDialogRequest& request) {
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);
    const QStringList filters = qtNameFilters(request.filter);
    // Each filter shows its own text only ("Text Files (txt)"), which already
    // names its patterns; Qt would add them again.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (!request.initialDir.isEmpty())
        dialog.setDirectory(request.initialDir);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
}

// A name typed without an extension gets the default one, unless it names a
// file as typed ("Makefile" opens Makefile, not Makefile.txt).
QString withDefaultExtension(const QString& name, const QString& defaultExt) {
    if (defaultExt.isEmpty() || QFileInfo::exists(name) || !QFileInfo(name).suffix().isEmpty())
        return name;
    return name + QLatin1Char('.') + defaultExt;
}

// The name the user typed in a save dialog. Qt reads a name holding double
// quotes as a list of quoted names ("a" "b") and keeps only what stands inside
// the first pair: `it's "quoted".txt` would become `quoted`. A save takes one
// name, so the typed text is the name, quotes and all.
QString typedSaveName(const QFileDialog& dialog, const QString& defaultExt) {
    const auto* nameBox = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    const QString typed = nameBox ? nameBox->text() : QString();
    if (!typed.contains(QLatin1Char('"')))
        return dialog.selectedFiles().value(0);
    QString name = QDir::cleanPath(dialog.directory().absoluteFilePath(typed));
    if (!defaultExt.isEmpty() && QFileInfo(name).suffix().isEmpty())
        name += QLatin1Char('.') + defaultExt;
    return name;
}

int chosenFilterIndex(const QFileDialog& dialog) {
    return static_cast<int>(dialog.nameFilters().indexOf(dialog.selectedNameFilter())) + 1;
}

} // namespace

QStringList qtNameFilters(const QString& filter) {
    const QStringList fields = filter.split(QLatin1Char('|'));
    QStringList result;
    for (int i = 0; i + 1 < fields.size(); i += 2) {
        // "*.*" means every file, also those without a dot in their names.
        QStringList patterns = fields[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            if (pattern.trimmed() == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        // A filter without a name shows its patterns instead, not a blank.
        const QString name = fields[i].trimmed().isEmpty() ? fields[i + 1] : fields[i];
        // The dialog collapses runs of blanks in names: the same here, so the
        // preset filter is found again.
        result << QStringLiteral("%1 (%2)").arg(name, patterns.join(QLatin1Char(' '))).simplified();
    }
    if (result.isEmpty())
        result << QStringLiteral("Any File (*)");
    return result;
}

void QtPrompts::message(const QString& text, MessageType type) {
    QMessageBox box(iconOf(type), kAppTitle, text, QMessageBox::Ok, parent_);
    box.exec();
}

void QtPrompts::notice(const QString& text, MessageType type) {
    // Not modal and not activated: keys typed meanwhile stay in the window
    // that has them, and the box goes when its OK is clicked.
    auto* box = new QMessageBox(iconOf(type), kAppTitle, text, QMessageBox::Ok, parent_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setAttribute(Qt::WA_ShowWithoutActivating);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

Answer QtPrompts::ask(const QString& text, MessageType type, Buttons buttons) {
    return question(text, type, buttons, nullptr);
}

Answer QtPrompts::askAt(const QString& text, MessageType type, Buttons buttons,
                        const QPoint& position) {
    return question(text, type, buttons, &position);
}

Answer QtPrompts::question(const QString& text, MessageType type, Buttons buttons,
                           const QPoint* position) {
    QMessageBox::StandardButtons set = QMessageBox::Yes | QMessageBox::No;
    if (buttons == Buttons::YesNoCancel)
        set |= QMessageBox::Cancel;
    else if (buttons == Buttons::Ok)
        set = QMessageBox::Ok;
    else if (buttons == Buttons::RetryCancel)
        set = QMessageBox::Retry | QMessageBox::Cancel;
    QMessageBox box(iconOf(type), kAppTitle, text, set, parent_);
    if (buttons == Buttons::YesNoDefaultNo)
        box.setDefaultButton(QMessageBox::No);
    if (position)
        box.move(*position);   // a moved box is not centred on its parent
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Retry: return Answer::Retry;
    default: return Answer::Cancel;
    }
}

std::optional<QString> QtPrompts::input(const QString& caption, const QString& prompt,
                                        const QString& preset) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent_, caption, prompt, QLineEdit::Normal, preset, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<FileDialogResult> QtPrompts::openFile(const FileDialogRequest& request) {
    QFileDialog dialog(parent_, request.title.isEmpty() ? QStringLiteral("Open") : request.title);
    // Qt's own dialog, so the "open read-only" box can sit in it.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Existence is checked here, after the default extension is settled.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    prepareDialog(dialog, request);
    QCheckBox* readOnly = nullptr;
    if (!request.hideReadOnly) {
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
            readOnly = new QCheckBox(QStringLiteral("Open as &read-only"), &dialog);
            grid->addWidget(readOnly, grid->rowCount(), 0, 1, -1);
        }
    }
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString name = withDefaultExtension(dialog.selectedFiles().constFirst(), request.defaultExt);
        if (!QFileInfo::exists(name) && request.createPrompt &&
            ask(QStringLiteral("%1\nThis file does not exist.\nDo you want to create it?").arg(name),
                MessageType::Confirmation, Buttons::YesNo) != Answer::Yes)
            continue;
        return FileDialogResult{name, readOnly && readOnly->isChecked(), chosenFilterIndex(dialog)};
    }
    return std::nullopt;
}

QStringList QtPrompts::openFiles(const FileDialogRequest& request) {
    QFileDialog dialog(parent_, request.title.isEmpty() ? QStringLiteral("Open") : request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    prepareDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

std::optional<FileDialogResult> QtPrompts::saveFile(const FileDialogRequest& request) {
    QFileDialog dialog(parent_, request.title.isEmpty() ? QStringLiteral("Save As") : request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The editor asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    prepareDialog(dialog, request);
    dialog.setDefaultSuffix(request.defaultExt);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return FileDialogResult{typedSaveName(dialog, request.defaultExt), false, chosenFilterIndex(dialog)};
}

} // namespace tw
