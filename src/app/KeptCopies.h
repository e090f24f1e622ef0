#pragma once
// Copies of a file's old contents that a save in place left behind when the
// editor was stopped in the middle of it (".name.tw-old-XXXXXX" beside the
// file). The file itself may then be cut short, so the user is told where the
// copy is when the file is opened and when it is saved. The editor never
// removes such a copy: it may hold the only whole version of the file.
#include <QSet>
#include <QString>

namespace tw {

class Prompts;

class KeptCopies {
public:
    explicit KeptCopies(Prompts& prompts) : prompts_(prompts) {}

    // Every kept copy beside the file, each time the file is read.
    void tellAtOpen(const QString& fileName);
    // Only copies not told about yet in this run, before a save of the file.
    void tellAtSave(const QString& fileName);

private:
    void tell(const QString& fileName, bool onlyNew);

    Prompts& prompts_;
    QSet<QString> told_;
};

} // namespace tw
