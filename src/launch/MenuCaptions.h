#pragma once
// Captions of the entries of the user-defined menus (Run, Open Group, Open
// Favorites, Open Recent) and of the file tabs.
#include <QString>

namespace tw {

// "&N name" for item numbers 0 to 9, so the first nine entries get the digits
// as accelerators ("&3 Make"); the bare name for any other number.
QString NumberedCaption(const QString& name, int number);

// The item name of a caption: the caption without its "&N " prefix when it
// starts with one ("&", one digit, one blank), else the caption unchanged.
// Only that exact prefix is taken off, so a name of its own beginning with "&"
// (an entry from the tenth on shows its bare name) comes back whole.
QString StripCaptionNumber(const QString& caption);

// text with every "&" doubled, so that a caption shows the "&" itself instead
// of underlining the next letter ("R&D.txt" -> "R&&D.txt").
QString EscapeAmpersands(const QString& text);

} // namespace tw
