#pragma once
// The application object. An error that ends a command in the middle reaches
// the top level as a UserError and is shown in an error box; the state before
// the failing step survives, and the program goes on.
#include <QApplication>

namespace tw {

class Prompts;

// Every command-line argument is a file name, even one that looks like an
// option of Qt's ("-reverse", "-platform"): Qt sees only the program's name
// and takes its platform choices from the environment.
class TarnwickApplication : public QApplication {
public:
    TarnwickApplication(int& argc, char** argv);
    // argv[1..] as file names, decoded as the file system names them.
    static QStringList fileArguments(int argc, char** argv);
    void setPrompts(Prompts* prompts) { prompts_ = prompts; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Prompts* prompts_ = nullptr;
};

} // namespace tw
