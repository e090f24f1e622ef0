#pragma once
// The main menu and the edit control's shortcut menu as data: one outline row
// per item, in the order in which the items appear. The builder in MainMenu.cpp
// turns the rows into QMenus and QActions named after the rows.
#include <span>

namespace tw {

enum MenuFlag : unsigned {
    kPlainItem = 0,
    kSubmenu = 1,      // opens a submenu; the rows below it with a greater depth fill it
    kCheckable = 2,
    kChecked = 4,      // checkable and marked when built
    kRadio = 8,        // one of the exclusive radio items of its menu
    kDefaultItem = 16, // the menu's default (bold) item
};

struct MenuEntry {
    int depth;            // 0: a menu of the bar (or an item of a shortcut menu)
    const char* name;     // object name; "-" for a separator
    const char* caption;  // with its "&" accelerator
    const char* shortcut; // portable key text, "" for none
    unsigned flags = kPlainItem;
    int helpTopic = 0;    // topic of Tarnwick.hlp opened by F1 on the item, 0 for none
};

inline constexpr const char* kSeparator = "-";

// The main menu, top-level menus at depth 0.
std::span<const MenuEntry> mainMenuTable();
// The shortcut menu `PopupMenu`, its own items at depth 0.
std::span<const MenuEntry> popupMenuTable();

} // namespace tw
