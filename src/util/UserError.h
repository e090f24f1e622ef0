#pragma once
// An error that ends a command part-way and is shown to the user as it stands:
// the top-level handler catches it and shows its message in an error box. The
// state from before the failing step is kept by whoever throws it.
#include <QByteArray>
#include <QString>
#include <exception>

namespace tw {

class UserError : public std::exception {
public:
    explicit UserError(QString message)
        : message_(std::move(message)), utf8_(message_.toUtf8()) {}

    // The text shown to the user.
    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

} // namespace tw
