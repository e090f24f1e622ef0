#pragma once
// How much memory the system can still give: a file is not read into a
// document that would take more, since the system would then start killing
// processes (the editor first, being the biggest) and unsaved work would go.
#include <QtGlobal>
#include <optional>

namespace tw {

// The kernel's estimate of the memory available without swapping, plus free
// swap; nothing when it cannot be told.
std::optional<qint64> availableMemory();

// Tests pretend the machine has this much; a negative value ends it.
void pretendAvailableMemory(qint64 bytes);

} // namespace tw
