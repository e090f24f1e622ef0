#include "editing/DocumentLoader.h"

#include "editing/DocumentLoadJob.h"

namespace tw {

DocumentLoad loadDocument(const QString& path) {
    DocumentLoadJob job(path);
    job.runToEnd();
    DocumentLoad load = job.result();
    if (load.ok())
        load.doc = job.takeDocument();
    return load;
}

} // namespace tw
