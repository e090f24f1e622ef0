#pragma once
// Construction of the main window's menus. Every item is a QAction whose object
// name is its designed name (FileOpenMnu, CutPopItem); every submenu is a QMenu
// whose object name, and whose menuAction()'s object name, is its designed name
// (FileBackupMnu, RunMnu), so code finds either kind with findChild. The
// builders only build: commands, enabling and the user-defined entries are the
// main window's business.
#include <QString>

class QMenu;
class QMenuBar;
class QWidget;

namespace tw {

// Dynamic property holding an item's help topic (an int); absent when none.
inline constexpr const char* kHelpTopicProperty = "helpTopic";

// Adds the whole main menu tree to the bar.
void buildMainMenu(QMenuBar* bar);

// Builds the edit control's shortcut menu `PopupMenu`, owned by parent.
QMenu* buildPopupMenu(QWidget* parent);

// Makes target offer exactly the entries of source: the very same actions, so
// a click, a check mark or an enabled state is shared by both menus. Entries
// that target itself owned are deleted.
void MirrorSubmenu(QMenu* source, QMenu* target);

// The shortcut menu's "Open Group", "Add To" and "Close" mirror the File
// submenus FileOpenGroupMnu, FileAddMnu and FileCloseMnu. Run it whenever the
// groups change, or each time the shortcut menu is about to open.
void mirrorPopupSubmenus(QMenuBar* bar, QMenu* popup);

} // namespace tw
