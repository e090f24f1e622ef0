#include "lists/RecordEditorControls.h"

#include <QDialog>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "lists/RecordEditor.h"
#include "util/NumericKeyFilter.h"

namespace tw {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

RecordEditorControls::RecordEditorControls(QDialog* dialog, const RecordControlNames& names)
    : QObject(dialog) {
    numberBox = new QGroupBox(QStringLiteral("&Record Number"), dialog);
    numberBox->setObjectName(QString::fromLatin1(names.numberBox));
    numberEdit = new QLineEdit(numberBox);
    numberEdit->setObjectName(QString::fromLatin1(names.numberEdit));
    numberEdit->setMaximumWidth(60);
    InstallNumericKeyFilter(numberEdit);
    numberEdit->installEventFilter(this);
    scrollBar = new QScrollBar(Qt::Horizontal, numberBox);
    scrollBar->setObjectName(QString::fromLatin1(names.scrollBar));
    scrollBar->setMinimum(1);
    nextBtn = MakeButton(numberBox, "NextBtn", QStringLiteral("Ne&xt"));
    previousBtn = MakeButton(numberBox, "PreBtn", QStringLiteral("Pre&vious"));
    auto* row = new QHBoxLayout(numberBox);
    row->addWidget(numberEdit);
    row->addWidget(scrollBar, 1);
    row->addWidget(previousBtn);
    row->addWidget(nextBtn);

    deleteBtn = MakeButton(dialog, "DeleteBtn", QStringLiteral("&Delete"));
    reloadBtn = MakeButton(dialog, "ReloadBtn", QStringLiteral("R&eload"));
    saveBtn = MakeButton(dialog, "SaveBtn", QStringLiteral("&Save"));
    clearBtn = MakeButton(dialog, "ClearBtn", names.clearCaption);
    newBtn = MakeButton(dialog, "NewBtn", QStringLiteral("&New"));
    helpBtn = MakeButton(dialog, "HelpBtn", QStringLiteral("Help"));
    closeBtn = MakeButton(dialog, "CloseBtn", QStringLiteral("Close"));
    connect(closeBtn, &QPushButton::clicked, dialog, &QDialog::reject);
}

void RecordEditorControls::attach(RecordEditor* editor) {
    editor_ = editor;
    connect(nextBtn, &QPushButton::clicked, this, [this] { editor_->next(); });
    connect(previousBtn, &QPushButton::clicked, this, [this] { editor_->previous(); });
    connect(deleteBtn, &QPushButton::clicked, this, [this] { editor_->deleteRecord(); });
    connect(reloadBtn, &QPushButton::clicked, this, [this] { editor_->reload(); });
    connect(saveBtn, &QPushButton::clicked, this, [this] { editor_->save(); });
    connect(clearBtn, &QPushButton::clicked, this, [this] { editor_->clear(); });
    connect(newBtn, &QPushButton::clicked, this, [this] { editor_->newRecord(); });
    connect(scrollBar, &QScrollBar::valueChanged, this, [this](int value) {
        if (!showing_)
            editor_->scrollTo(value);
    });
}

void RecordEditorControls::show() {
    if (!editor_)
        return;
    showing_ = true;
    scrollBar->setMaximum(editor_->scrollMaximum());
    scrollBar->setValue(editor_->current());
    numberEdit->setText(QString::number(editor_->current()));
    showing_ = false;
    const RecordButtons b = editor_->buttons();
    nextBtn->setEnabled(b.next);
    previousBtn->setEnabled(b.previous);
    deleteBtn->setEnabled(b.del);
    reloadBtn->setEnabled(b.reload);
    saveBtn->setEnabled(b.save);
    newBtn->setEnabled(b.newRecord);
}

bool RecordEditorControls::eventFilter(QObject* watched, QEvent* event) {
    if (watched == numberEdit && editor_) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                editor_->numberEntered(numberEdit->text());
                return true;   // swallowed: the dialog's default button stays out of it
            }
        } else if (event->type() == QEvent::FocusOut) {
            editor_->numberLeft(numberEdit->text());
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tw
