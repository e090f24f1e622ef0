#pragma once
// The two keystroke mappings of the Environment options: 0 "Typical Windows"
// and 1 "Pascal". Each sets the shortcuts of seven main-menu items.
class QObject;

namespace tw {

// Finds the seven items among root's descendants by object name and gives them
// the shortcuts of mapping 0 or 1. Any other mapping changes nothing, so the
// shortcuts the menu was built with remain.
void ApplyKeystrokeMapping(QObject* root, int mapping);

} // namespace tw
