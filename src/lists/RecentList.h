#pragma once
// The recent-files list's own rules, on the entries of its submenu.
#include <QString>

namespace tw {

class NumberedList;

// The recent list's length limit in force for a stored maximum: the list is
// walked with 8-bit positions, so it holds 1 to 255 entries; a stored value
// below 1 (a damaged or hand-edited file) means the first-run 28.
inline constexpr int kMaxRecentLimit = 255;
inline constexpr int kDefaultMaxRecent = 28;
int effectiveMaxRecent(int stored);

// Puts name at the top of the list: an entry of the same file leaves its old
// place, and entries beyond maximum - 1 drop off the bottom first (all of
// them, so a list longer than the maximum is brought back to it). The first
// ten entries are numbered afresh.
void putOnTop(NumberedList& list, const QString& name, int maximum);

} // namespace tw
