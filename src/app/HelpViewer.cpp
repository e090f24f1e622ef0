#include "app/HelpViewer.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

namespace tw {

QString helpTopicAnchor(int topic)
{
    return QStringLiteral("topic%1").arg(topic);
}

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Tarnwick Help"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(600, 500);
}

void HelpViewer::showTopic(const QString& helpFilePath, int topic)
{
    const QFileInfo file(helpFilePath);
    if (!file.isFile() || !file.isReadable()) {
        browser_->setSource(QUrl());
        browser_->setPlainText(
            QStringLiteral("The help file \"%1\" cannot be found.\n\n"
                           "Help is read from the file Tarnwick.hlp beside the program; "
                           "reinstalling the program puts it back.")
                .arg(helpFilePath));
    } else {
        QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
        url.setFragment(helpTopicAnchor(topic));
        // The file's suffix says nothing of its format, so name it.
        browser_->setSource(url, QTextDocument::HtmlResource);
    }
    // Help is mostly asked for from a modal dialog (its Help button, F1), which
    // blocks every other window: as that dialog's transient the viewer can
    // be read and scrolled beside it, and stays above it.
    create();
    QWindow* modal = QGuiApplication::modalWindow();
    windowHandle()->setTransientParent(modal != windowHandle() ? modal : nullptr);
    show();
    raise();
    activateWindow();
}

} // namespace tw
