#pragma once
// One tool-tip policy for the whole program: the show switch, the pause
// before a hint shows and the time it stays, applied to every hint of every
// window (tool buttons, labels, tabs, menus). Dialogs that need their hints
// (long file names shown whole) force hints on while they are shown, without
// touching the stored switch.
#include <QObject>
#include <QTimer>

class QWidget;

namespace tw {

class ToolTipPolicy : public QObject {
    Q_OBJECT
public:
    // Installs itself on the application; one lives as long as the main window.
    explicit ToolTipPolicy(QObject* parent = nullptr);
    ~ToolTipPolicy() override;

    // The stored settings: switch, pause and display time in milliseconds.
    // Negative times count as 0.
    void apply(bool show, int pauseMs, int displayMs);
    bool showSwitch() const { return show_; }
    int pause() const { return pause_; }
    int displayTime() const { return display_; }
    // Whether hints show now: the switch, or a dialog forcing them on.
    bool hintsOn() const { return show_ || forced_ > 0; }

    // While a dialog is shown its hints are on, whatever the switch says;
    // the switch itself is not changed. Calls nest.
    void beginForcedHints() { ++forced_; }
    void endForcedHints() { if (forced_ > 0) --forced_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool show_ = true;
    int pause_ = 500;
    int display_ = 2500;
    int forced_ = 0;
    QTimer hideTimer_;
};

// Forces the program's hints on from each show of dialog to its hide
// (HintsDuringDialog). Nothing happens without a policy.
void forceHintsWhileShown(QWidget* dialog, ToolTipPolicy* policy);

} // namespace tw
