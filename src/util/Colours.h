#pragma once
// Colours as the settings file stores them: 0x00BBGGRR in decimal.
#include <QColor>

namespace tw {

inline QColor colourFromStored(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline int storedFromColour(const QColor& colour) {
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

} // namespace tw
