#pragma once
// Keeps a number field to digits: of the keys that type text, only the digits
// 0 to 9, backspace, line feed and carriage return (and the Return and Enter
// keys) reach the field; every other printable key is swallowed. Keys that type
// nothing (arrows, Home, End, Delete, Tab, Esc, function keys, Ctrl shortcuts)
// pass, so editing, focus changes and dialog keys keep working.
#include <QObject>

class QKeyEvent;
class QWidget;

namespace tw {

class NumericKeyFilter : public QObject {
    Q_OBJECT
public:
    explicit NumericKeyFilter(QObject* parent = nullptr);

    // True when the key press may reach the number field.
    static bool Accepts(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Installs a NumericKeyFilter, owned by field, on field (a line edit or spin box).
NumericKeyFilter* InstallNumericKeyFilter(QWidget* field);

} // namespace tw
