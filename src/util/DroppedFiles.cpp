#include "util/DroppedFiles.h"

#include <QMimeData>
#include <QUrl>

namespace tw {

QStringList droppedLocalFiles(const QMimeData* data) {
    QStringList names;
    if (!data || !data->hasUrls())
        return names;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        names << url.toLocalFile();
    }
    return names;
}

} // namespace tw
