#pragma once
// What a drag from a file manager carries.
#include <QStringList>

class QMimeData;

namespace tw {

// The local files a drag carries, in the order dropped; empty when it carries
// anything else too (text, web links), which is left to whoever takes it.
QStringList droppedLocalFiles(const QMimeData* data);

} // namespace tw
