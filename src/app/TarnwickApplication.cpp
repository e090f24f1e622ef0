#include "app/TarnwickApplication.h"

#include <QFile>

#include "util/Prompts.h"
#include "util/UserError.h"

namespace tw {

namespace {
// QApplication keeps a reference to its argument count for its whole life.
int programNameOnly = 1;
} // namespace

TarnwickApplication::TarnwickApplication(int& argc, char** argv)
    : QApplication(programNameOnly, argv) {
    Q_UNUSED(argc);
    setApplicationName(kAppTitle);
}

QStringList TarnwickApplication::fileArguments(int argc, char** argv) {
    QStringList names;
    for (int i = 1; i < argc; ++i)
        names << QFile::decodeName(argv[i]);
    return names;
}

bool TarnwickApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const UserError& error) {
        if (prompts_)
            prompts_->message(error.message(), MessageType::Error);
        return false;
    }
}

} // namespace tw
