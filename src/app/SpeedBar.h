#pragma once
// The main window's tool bar `ToolBar`: a strip 33 pixels high holding the 18
// speed buttons at their designed places and the scroller `UpDown1`, which
// appears when the bar is too narrow for the last button and moves all buttons
// sideways in steps of one button width. The buttons run no command of their
// own; the main window connects their clicked() signals.
#include <QList>
#include <QString>
#include <QWidget>

class QToolButton;

namespace tw {

class UpDown;

class SpeedBar : public QWidget {
    Q_OBJECT
public:
    explicit SpeedBar(QWidget* parent = nullptr);

    // The button of that designed name (NewSpdBtn ... HelpSpdBtn), or null.
    QToolButton* button(const QString& name) const;
    const QList<QToolButton*>& buttons() const { return buttons_; }
    UpDown* scroller() const { return upDown_; }

    // The scroller's resize handling: returns the buttons to their designed
    // places, shows `UpDown1` exactly when `HelpSpdBtn` does not fit, puts it at
    // the right end and lets it scroll no further than needed to bring
    // `HelpSpdBtn` into view. Runs on every resize of the bar; the main window
    // also runs it when the status bar is shown or hidden.
    void adjustScroller();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Moves every button one button width: left for -1, right for +1.
    void scrollStep(int direction);

    QList<QToolButton*> buttons_;
    UpDown* upDown_;
};

} // namespace tw
