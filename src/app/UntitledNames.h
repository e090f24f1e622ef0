#pragma once
#include <QString>
#include <cstdint>

namespace tw {

// True iff the name starts with exactly "Untitled" and what follows, up to the
// first "." or the end, is a decimal number greater than 0.
bool IsUntitledName(const QString& name);

// Hands out the names of new documents: Untitled1, Untitled2, ... with the
// default extension. The counter is a byte; it wraps from 255 to 1, never to
// 0, because "Untitled0" would not count as untitled and Save would write it
// into the current folder without asking for a name.
class UntitledCounter {
public:
    QString nextName(const QString& defaultExt);
    int value() const { return counter_; }

private:
    std::uint8_t counter_ = 0;
};

} // namespace tw
