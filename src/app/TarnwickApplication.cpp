#include "app/TarnwickApplication.h"

#include "util/Prompts.h"
#include "util/UserError.h"

namespace tw {

TarnwickApplication::TarnwickApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(kAppTitle);
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
