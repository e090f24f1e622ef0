#pragma once
// The program's help window: a plain top-level window that shows the HTML help
// file "Tarnwick.hlp" at a numbered topic. Each topic N is the anchor "topic{N}"
// of the file; links between topics work inside the window.
#include <QString>
#include <QWidget>

class QTextBrowser;

namespace tw {

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows the window with the help file scrolled to the topic. A missing or
    // unreadable help file is said in the window itself; nothing fails.
    void showTopic(const QString& helpFilePath, int topic);

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

// The anchor of a topic number inside the help file.
QString helpTopicAnchor(int topic);

} // namespace tw
