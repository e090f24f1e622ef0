// Tarnwick: a text editor for programmers.
#include <QIcon>

#include "app/MainForm.h"
#include "app/TarnwickApplication.h"
#include "util/QtPrompts.h"

int main(int argc, char* argv[]) {
    tw::TarnwickApplication app(argc, argv);
    tw::TarnwickApplication::setWindowIcon(QIcon(QStringLiteral(":/desktop/tarnwick-48.png")));
    tw::QtPrompts prompts;
    app.setPrompts(&prompts);
    const QStringList arguments = tw::TarnwickApplication::fileArguments(argc, argv);
    tw::TMainForm window(prompts, arguments);
    prompts.setParentWindow(&window);
    window.show();
    return tw::TarnwickApplication::exec();
}
