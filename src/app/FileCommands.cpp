#include "app/FileCommands.h"

#include <QApplication>
#include <QGuiApplication>

#include "app/DocumentHost.h"
#include "app/DocumentTable.h"
#include "settings/EditorOptions.h"
#include "editing/DocumentLoader.h"
#include "editing/EditControl.h"
#include "editing/TextCodec.h"
#include "lists/FileListHooks.h"
#include "platform/FileAttributes.h"
#include "platform/ProgramDirectory.h"
#include "platform/TemporaryFiles.h"
#include "platform/TextFile.h"
#include "util/BusyCursor.h"
#include "util/FileNames.h"
#include "util/Filters.h"
#include "util/PathStyle.h"

namespace tw {

namespace {

const QString kLimitText = QStringLiteral("No more Files can be Opened!");

QString filterPatternOf(const QString& fileName) {
    return QStringLiteral("*") + ExtensionPart(fileName);
}

FileListHooks& noLists() {
    static FileListHooks none;
    return none;
}

} // namespace

FileCommands::FileCommands(DocumentTable& table, EditControl& edit, DocumentHost& host,
                           Prompts& prompts, EditorOptions& options)
    : table_(table), edit_(edit), host_(host), prompts_(prompts), options_(options),
      lists_(&noLists()), keptCopies_(prompts), loads_(std::make_unique<DocumentLoads>(edit)) {
    QObject::connect(loads_.get(), &DocumentLoads::finished, loads_.get(),
                     [this](const DocumentLoads::Done& done) { finishLoad(done); });
}

FileCommands::~FileCommands() = default;

bool FileCommands::documentShown() const { return !edit_.isHidden(); }

bool FileCommands::IsSettingsFile(const QString& name, bool messages) {
    const bool settings = SameFileName(name, programDirectory() + QStringLiteral("tw162.ini"));
    if (settings && messages)
        prompts_.message(QStringLiteral("Tarnwick cannot open \"tw162.ini\""), MessageType::Warning);
    return settings;
}

OpenResult FileCommands::CanOpenFile(const QString& name, bool messages, bool checkLimit) {
    if (!fileExists(name)) {
        const QString unreachable = fileLookupError(name);
        if (!unreachable.isEmpty()) {
            if (messages)
                prompts_.message(QStringLiteral("File \"%1\" cannot be read: %2").arg(name, unreachable),
                                 MessageType::Error);
            return CannotRead;
        }
        if (messages)
            prompts_.message(QStringLiteral("File \"%1\" cannot be found").arg(name),
                             MessageType::Warning);
        return NotFound;
    }
    if (!options_.SettingsFileEditable && IsSettingsFile(name, messages))
        return SettingsFileRefused;
    if (checkLimit && table_.DocCount() >= DocumentTable::kMaxDocuments) {
        if (messages)
            reportLimit();
        return LimitReached;
    }
    return OpenOk;
}

void FileCommands::reportLimit() { prompts_.message(kLimitText, MessageType::Warning); }

bool FileCommands::isReadOnlyFile(const QString& name) const {
    const AttributeQuery query = fileAttributes(name);
    return query.ok() && (query.bits & FileAttribute::ReadOnly);
}

OpenResult FileCommands::OpenAsCurrent(const QString& name, bool messages) {
    const OpenResult r = CanOpenFile(name, messages);
    if (r != OpenOk)
        return r;
    // The file is read before anything changes, so a file that cannot be read
    // leaves no empty tab behind.
    const std::optional<DocumentLoad> loaded =
        readDocument(name, messages, loads_->readsIncrementally(name));
    if (!loaded)
        return CannotRead;
    if (documentShown())
        table_.ParkCurrentDocument();
    else
        host_.showDocumentArea();
    table_.AddTabForNewDocument(name);
    table_.SetCurrentFileName(name);
    table_.incrementDocCount();
    {
        BusyCursor busy;
        edit_.attachDocument(loaded->doc);
        table_.setShownFormat(loaded->format);
    }
    edit_.setSelStart(0);
    host_.SetReadOnly(isReadOnlyFile(name));
    table_.SetModified(false);
    host_.RefreshModifiedState();
    host_.EnableSwitchCommands();
    keptCopies_.tellAtOpen(name);
    return OpenOk;
}

OpenResult FileCommands::OpenInBackground(const QString& name, bool messages, bool asShown) {
    if (asShown || !documentShown())
        return OpenAsCurrent(name, messages);
    const OpenResult r = CanOpenFile(name, messages);
    if (r != OpenOk)
        return r;
    const std::optional<DocumentLoad> loaded =
        readDocument(name, messages, loads_->readsIncrementally(name));
    if (!loaded)
        return CannotRead;
    {
        BusyCursor busy;
        table_.AppendParkedTab(name, table_.DocCount());
        DocRecord& rec = table_.createParkedRecord();
        rec.FileName = name;
        rec.format = loaded->format;
        rec.Text = loaded->doc;
        table_.incrementDocCount();
    }
    host_.EnableSwitchCommands();
    keptCopies_.tellAtOpen(name);
    return OpenOk;
}

bool FileCommands::FileNewMnuClick() {
    if (table_.DocCount() > DocumentTable::kMaxDocuments - 1) {
        reportLimit();
        return false;
    }
    if (!documentShown())
        host_.showDocumentArea();
    else if (table_.DocCount() != 0)
        table_.ParkCurrentDocument();
    host_.SetReadOnly(false);
    table_.AddTabForNewDocument(QString());
    table_.incrementDocCount();
    table_.SetCurrentFileName(untitled_.nextName(options_.dialogs.defaultExt));
    host_.RefreshModifiedState();
    edit_.loadBytes(QByteArray(), TextFormat::Encoding::Utf8, "\n");
    table_.setShownFormat(TextFormat{});
    table_.SetModified(false);
    host_.RefreshModifiedState();
    host_.EnableSwitchCommands();
    return true;
}

FileDialogRequest FileCommands::dialogRequest(const QString& initialDir) const {
    FileDialogRequest request;
    request.filter = options_.dialogs.filter;
    request.defaultExt = options_.dialogs.defaultExt;
    request.initialDir = initialDir;
    request.filterIndex = FilterIndexOf(filterPatternOf(table_.CurrentFileName()), request.filter);
    return request;
}

FileDialogRequest FileCommands::openRequest() const { return dialogRequest(options_.dialogs.openDir); }

FileDialogRequest FileCommands::saveRequest() const { return dialogRequest(options_.dialogs.saveDir); }

void FileCommands::FileOpenMnuClick() {
    if (table_.DocCount() >= DocumentTable::kMaxDocuments) {
        reportLimit();
        return;
    }
    FileDialogRequest request = openRequest();
    request.createPrompt = true;
    const auto chosen = prompts_.openFile(request);
    if (!chosen)
        return;
    if (fileExists(chosen->fileName)) {
        if (OpenAsCurrent(chosen->fileName, true) != OpenOk)
            return;
    } else {
        // The dialog has asked whether to create it: a new document bears the
        // name, and Save writes straight to it.
        if (!FileNewMnuClick())
            return;
        table_.SetCurrentFileName(chosen->fileName);
        // No file bears the name yet: one that another program puts there
        // meanwhile counts as changed on disk, so a save asks first.
        TextFormat format = table_.shownFormat();
        format.stamp.known = true;
        table_.setShownFormat(format);
    }
    options_.dialogs.openDir = DirectoryPart(table_.CurrentFileName());
    if (chosen->readOnlyTicked)
        host_.SetReadOnly(true);
}

} // namespace tw
