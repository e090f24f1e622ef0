#include "app/AboutUnit.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QUrl>
#include <QUrlQuery>
#include <QVBoxLayout>

#include "editing/SystemClipboard.h"

namespace tw {

namespace {

const QString kAccessWord = QStringLiteral("lumpy");
const QString kAccessNumber = QStringLiteral("5820417396");

// The box's picture: the program's icon, the same picture the desktop shows.
QPixmap picture() {
    return QPixmap(QStringLiteral(":/desktop/tarnwick-128.png"))
        .scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QString contactMailTarget(const QString& address) {
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(address);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), QStringLiteral("Use \"Tarnwick\" in the subject"));
    url.setQuery(query);
    return QString::fromLatin1(url.toEncoded(QUrl::FullyEncoded));
}

TAboutForm::TAboutForm(SystemClipboard& clipboard, Hooks hooks, QWidget* parent)
    : QDialog(parent), clipboard_(clipboard), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("TAboutForm"));
    setWindowTitle(QStringLiteral("About"));
    buildControls();
}

QLineEdit* TAboutForm::contactLine(const char* name, const char* copyName, const QString& text) {
    auto* line = new QLineEdit(text, this);
    line->setObjectName(QString::fromLatin1(name));
    line->setReadOnly(true);
    line->setFrame(false);
    line->setCursor(Qt::PointingHandCursor);
    QFont font = line->font();
    font.setUnderline(true);
    line->setFont(font);
    line->setAutoFillBackground(false);
    line->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
    auto* menu = new QMenu(line);
    QAction* copy = menu->addAction(QStringLiteral("&Copy"));
    copy->setObjectName(QString::fromLatin1(copyName));
    connect(copy, &QAction::triggered, this, [this, line] { clipboard_.setText(line->text()); });
    line->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(line, &QWidget::customContextMenuRequested, this,
            [menu, line](const QPoint& at) { menu->exec(line->mapToGlobal(at)); });
    line->installEventFilter(this);
    return line;
}

void TAboutForm::buildControls() {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("ProgramIcon"));
    image->setPixmap(picture());
    auto* names = new QVBoxLayout;
    auto* product = new QLabel(QStringLiteral("Tarnwick"), this);
    product->setObjectName(QStringLiteral("ProductName"));
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    product->setFont(big);
    auto* version = new QLabel(QStringLiteral("Version 1.6.2"), this);
    version->setObjectName(QStringLiteral("Version"));
    auto* what = new QLabel(QStringLiteral("A text editor for programmers"), this);
    names->addWidget(product);
    names->addWidget(version);
    names->addWidget(what);
    top->addWidget(image);
    top->addLayout(names, 1);
    layout->addLayout(top);
    emailMemo_ = contactLine("EMailMemo", "EMailCopyMnu", kContactMail);
    urlMemo_ = contactLine("URLMemo", "URLCopyMnu", kContactWeb);
    layout->addWidget(emailMemo_);
    layout->addWidget(urlMemo_);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    // Every key of the box passes the typed-key buffer first.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    setMouseTracking(true);
}

void TAboutForm::prepare() {
    emailMemo_->deselect();
    urlMemo_->deselect();
    typedKeys_.clear();
    paintLines(nullptr);
    if (auto* ok = findChild<QPushButton*>(QStringLiteral("OKBtn")))
        ok->setFocus();
}

void TAboutForm::run() {
    prepare();
    exec();
}

void TAboutForm::paintLines(QLineEdit* red) {
    for (QLineEdit* line : {emailMemo_, urlMemo_}) {
        QPalette palette = line->palette();
        palette.setColor(QPalette::Text, line == red ? Qt::red : Qt::blue);
        line->setPalette(palette);
    }
}

void TAboutForm::typed(const QString& text) {
    typedKeys_ += text;
    if (typedKeys_ == kAccessWord)
        typedKeys_ = kAccessNumber;
    if (typedKeys_ == kAccessNumber) {
        if (hooks_.unlockSettingsFile)
            hooks_.unlockSettingsFile();
        accept();
    }
}

void TAboutForm::openContact(QLineEdit* line) {
    accept();
    const QString target = line == emailMemo_ ? contactMailTarget(line->text()) : line->text();
    if (hooks_.openLink)
        hooks_.openLink(target);
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    auto* line = qobject_cast<QLineEdit*>(watched);
    const bool contact = line && (line == emailMemo_ || line == urlMemo_);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        // A key the focused control leaves goes on to the box: counted once.
        const bool first = watched == QApplication::focusWidget() ||
                           (!QApplication::focusWidget() && watched == this);
        if (first && !key->text().isEmpty() && key->key() != Qt::Key_Escape)
            typed(key->text());
        if (!isVisible() || !contact)
            return !isVisible();
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            openContact(line);
            return true;
        }
        if (key->key() == Qt::Key_Escape)
            return false;   // the dialog's Esc closes it
        // Ctrl+Insert copies; nothing else may change the line.
        return !(key->key() == Qt::Key_Insert && key->modifiers() == Qt::ControlModifier);
    }
    case QEvent::MouseButtonPress:
        if (contact && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            openContact(line);
            return true;
        }
        break;
    case QEvent::Enter:
        if (contact)
            paintLines(line);
        break;
    case QEvent::Leave:
        if (contact)
            paintLines(nullptr);
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tw
