#include "app/KeptCopies.h"

#include "platform/TemporaryFiles.h"
#include "util/Prompts.h"

namespace tw {

void KeptCopies::tellAtOpen(const QString& fileName) { tell(fileName, false); }

void KeptCopies::tellAtSave(const QString& fileName) { tell(fileName, true); }

void KeptCopies::tell(const QString& fileName, bool onlyNew) {
    QStringList copies;
    for (const QString& copy : keptOldCopies(fileName))
        if (!onlyNew || !told_.contains(copy))
            copies << copy;
    if (copies.isEmpty())
        return;
    for (const QString& copy : copies)
        told_.insert(copy);
    const QString where = copies.size() == 1
                              ? QStringLiteral("a copy of its previous contents is kept in \"%1\"").arg(copies[0])
                              : QStringLiteral("copies of its previous contents are kept in:\n\"%1\"")
                                    .arg(copies.join(QStringLiteral("\"\n\"")));
    prompts_.message(QStringLiteral("\"%1\" was being saved when the editor stopped, so the file may not be "
                                    "whole; %2.\n\nTarnwick leaves the copy where it is: compare it with the "
                                    "file, and delete it yourself once you no longer need it.")
                         .arg(fileName, where),
                     MessageType::Warning);
}

} // namespace tw
