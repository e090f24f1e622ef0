#pragma once
// The About box `TAboutForm`: the program's name and version, a picture, two
// contact lines that act as links, and the one way into the hidden
// settings-file mode: typing the access word or the access number while the
// box has the keyboard.
#include <QDialog>
#include <functional>

class QLineEdit;

namespace tw {

class SystemClipboard;

// The maintainers' contact lines; the project's own addresses.
inline const QString kContactMail = QStringLiteral("tarnwick@example.org");
inline const QString kContactWeb = QStringLiteral("https://example.org/tarnwick");

// The target the e-mail line opens: "mailto:" with the address and the
// subject line, encoded (blanks and quotes as %20 and %22).
QString contactMailTarget(const QString& address);

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    struct Hooks {
        std::function<void(const QString& target)> openLink;   // the shell-open helper
        std::function<void()> unlockSettingsFile;              // the hidden mode
    };

    TAboutForm(SystemClipboard& clipboard, Hooks hooks, QWidget* parent = nullptr);

    // Shows the box modally (what showing does first: prepare()).
    void run();
    void prepare();
    // A character typed anywhere in the box.
    void typed(const QString& text);
    const QString& typedKeys() const { return typedKeys_; }
    QLineEdit* emailMemo() const { return emailMemo_; }
    QLineEdit* urlMemo() const { return urlMemo_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QLineEdit* contactLine(const char* name, const char* copyName, const QString& text);
    void paintLines(QLineEdit* red);
    void openContact(QLineEdit* line);

    SystemClipboard& clipboard_;
    Hooks hooks_;
    QString typedKeys_;
    QLineEdit* emailMemo_ = nullptr;
    QLineEdit* urlMemo_ = nullptr;
};

} // namespace tw
