#include "launch/LaunchTables.h"

#include "launch/MenuCaptions.h"
#include "platform/Utf8Validation.h"

namespace tw {

QStringList SaveOrBackupCaptions() {
    return {QStringLiteral("Save Current &File"), QStringLiteral("Save All Files"),
            QStringLiteral("Backup Current File"), QStringLiteral("Backup All Files"),
            QStringLiteral("none of the above")};
}

QString StoredText(const QByteArray& bytes) {
    return isValidUtf8(bytes.constData(), bytes.size()) ? QString::fromUtf8(bytes)
                                                        : QString::fromLatin1(bytes);
}

QByteArray StoredBytes(const QString& text) { return text.toUtf8(); }

int FindExecRecord(const QList<StoredExecRecord>& table, const QString& extension) {
    const QString ext = extension.startsWith(u'.') ? extension.mid(1) : extension;
    if (ext.isEmpty())
        return -1;
    for (int i = 0; i < table.size(); ++i)
        if (StoredText(table.at(i).sourceExtensions).contains(ext, Qt::CaseInsensitive))
            return i;
    return -1;
}

QString RunRecordName(const StoredRunRecord& record) {
    return StripCaptionNumber(StoredText(record.caption));
}

void NumberRunCaption(StoredRunRecord& record, int number) {
    // Worked on the bytes, so a name in another encoding stays as it is.
    const QByteArray& caption = record.caption;
    const bool numbered = caption.size() >= 3 && caption.at(0) == '&' && caption.at(1) >= '0'
                          && caption.at(1) <= '9' && caption.at(2) == ' ';
    const QByteArray name = numbered ? caption.mid(3) : caption;
    record.caption = number >= 0 && number <= 9 ? '&' + QByteArray::number(number) + ' ' + name
                                                : name;
}

} // namespace tw
