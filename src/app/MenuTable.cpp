#include "app/MenuTable.h"

namespace tw {
namespace {

// Shortcuts are those of the keystroke mapping the menu is designed with; the
// mapping chosen in the options (KeystrokeMapping.cpp) rewrites seven of them.
// The submenus of groups, favorites, recent files and Run programs are filled
// at run time from the settings.
constexpr MenuEntry kMainMenu[] = {
    {0, "FileMnu", "&File", "", kSubmenu},
    {1,   "FileNewMnu", "&New", "Ctrl+N"},
    {1,   "FileOpenMnu", "&Open...", "Ctrl+O"},
    {1,   "FileRecentMnu", "Open Recen&t", "", kSubmenu},
    {1,   "FileFavoritesMnu", "Open &Favorites", "", kSubmenu, 6},
    {1,   "FileOpenGroupMnu", "Open &Group", "", kSubmenu, 3},
    {1,   "FileInsertMnu", "&Insert...", ""},
    {1,   "FileReloadMnu", "&Reload", ""},
    {1,   "FileCloseMnu", "&Close", "", kSubmenu},
    {2,     "FileCloseCurrentFileMnu", "&Current File", "Ctrl+F4"},
    {2,     "FileCloseAllFilesMnu", "&All Files", ""},
    {2,     "FileCloseGroupMnu", "&Group", "", kPlainItem, 3},
    {1,   kSeparator, "", ""},
    {1,   "FileSaveMnu", "&Save", "Ctrl+S"},
    {1,   "FileSaveAsMnu", "Save &As...", ""},
    {1,   "FileSaveAllMnu", "Sa&ve All", ""},
    {1,   "FileSelectionMnu", "Se&lection", "", kSubmenu},
    {2,     "FileSelectionSaveMnu", "&Save...", ""},
    {2,     "FileSelectionOpenMnu", "&Open", ""},
    {1,   kSeparator, "", ""},
    {1,   "FileBackupMnu", "&Backup", "", kSubmenu},
    {2,     "FileBackupCurrentFileMnu", "&Current File", ""},
    {2,     "FileBackupAllFilesMnu", "&All Files", ""},
    {1,   "FileUnbackupMnu", "Unbac&kup", "", kSubmenu},
    {2,     "FileUnbackupCurrentFileMnu", "&Current File", ""},
    {2,     "FileUnbackupAllFilesMenu", "&All Files", ""},
    {1,   "FileReplaceMnu", "Replace &with Backup", "", kSubmenu},
    {2,     "FileReplaceCurrentFileMnu", "&Current File", ""},
    {2,     "FileReplaceAllFilesMnu", "&All Files", ""},
    {1,   kSeparator, "", ""},
    {1,   "FileAddMnu", "A&dd To", "", kSubmenu},
    {2,     "AddFavoritesMnu", "&Favorites", "", kPlainItem, 6},
    {2,     "AddGroupMnu", "&Group", "", kPlainItem, 3},
    {1,   "FileOperationsMnu", "Op&erations", "", kSubmenu},
    {2,     "FileCopyMnu", "&Copy...", ""},
    {2,     "FileMoveMnu", "&Move...", ""},
    {2,     "FileRenameMnu", "&Rename...", ""},
    {2,     "FileDeleteMnu", "&Delete...", ""},
    {1,   kSeparator, "", ""},
    {1,   "FilePrintMnu", "&Print...", "Ctrl+P"},
    {1,   "FilePrintSetupMnu", "Print Set&up...", ""},
    {1,   kSeparator, "", ""},
    {1,   "FileExitMnu", "E&xit", "Alt+F4"},

    {0, "EditMnu", "&Edit", "", kSubmenu},
    {1,   "EditUndoMnu", "&Undo", "Ctrl+Z"},
    {1,   kSeparator, "", ""},
    {1,   "EditCutMnu", "Cu&t", "Ctrl+X"},
    {1,   "EditCopyMnu", "&Copy", "Ctrl+C"},
    {1,   "EditPasteMnu", "&Paste", "Ctrl+V"},
    {1,   "EditDeleteMnu", "&Delete", ""},
    {1,   kSeparator, "", ""},
    {1,   "EditCutLineMnu", "Cut Li&ne", "Ctrl+T"},
    {1,   "EditDeleteLineMnu", "Delete &Line", "Ctrl+Y"},
    {1,   kSeparator, "", ""},
    {1,   "EditSelectAllMnu", "Select &All", "Ctrl+A"},
    {1,   "EditChangeCaseMnu", "C&hange Case", "", kSubmenu},
    {2,     "EditChangeCaseLowerMnu", "&Lower", ""},
    {2,     "EditChangeCaseUpperMnu", "&Upper", ""},
    {2,     "EditChangeCaseTitleMnu", "&Title", ""},
    {1,   kSeparator, "", ""},
    {1,   "EditIndentBlockMnu", "&Indent", "Ctrl+Shift+I"},
    {1,   "EditUnindentBlockMnu", "Unind&ent", "Ctrl+Shift+U"},

    {0, "SearchMnu", "&Search", "", kSubmenu},
    {1,   "SearchFindMnu", "&Find...", "Ctrl+F"},
    {1,   "SearchSearchAgainMnu", "&Search Again", "Ctrl+L"},
    {1,   "SearchReplaceMnu", "&Replace...", "Ctrl+R"},
    {1,   kSeparator, "", ""},
    {1,   "SearchGotoLineNumberMnu", "&Goto Line...", "Ctrl+G"},

    {0, "ViewMnu", "&View", "", kSubmenu, 5},
    {1,   "ViewNextMnu", "&Next", "F6", kPlainItem, 5},
    {1,   "ViewPreviousMnu", "&Previous", "Shift+F6", kPlainItem, 5},
    {1,   "ViewSelectFileMnu", "&Select File...", "F2", kPlainItem, 5},
    {1,   "ViewMainFileMnu", "&Main File", "", kPlainItem, 3},
    {1,   kSeparator, "", ""},
    {1,   "ViewShowClipMnu", "&Clipboard", "", kChecked, 5},
    {1,   "ViewScrollBarsMnu", "Scroll &Bar(s)", "", kChecked, 5},
    {1,   "ViewTabsMnu", "&File Tabs", "", kChecked, 5},
    {1,   "ViewToolBarMnu", "&Tool Bar", "", kChecked, 5},
    {1,   "ViewStatusBarMnu", "St&atus Bar", "", kChecked, 5},

    {0, "ClipboardMnu", "&Clipboard", "", kSubmenu, 7},
    {1,   "ClipboardDualMnu", "&Dual", "", kRadio | kChecked, 7},
    {1,   "ClipboardStackMnu", "&Stack", "", kRadio},
    {1,   "ClipboardQueueMnu", "&Queue", "", kRadio},
    {1,   kSeparator, "", ""},
    {1,   "ClipboardSwapClipMnu", "S&wap Clip", "Ctrl+W", kDefaultItem, 7},

    {0, "ExecuteMnu", "E&xecute", "", kSubmenu, 4},
    {1,   "ExecuteCurrentFileMnu", "Current &File", "", kPlainItem, 4},
    {1,   "ExecuteExplorerMnu", "&Explorer", "", kDefaultItem, 4},
    {1,   "ExecuteDOSPromptMnu", "&DOS Prompt", "", kPlainItem, 4},
    {1,   "ExecuteDOSComMnu", "DOS &Command...", "", kPlainItem, 4},

    {0, "RunMnu", "&Run", "", kSubmenu, 2},

    {0, "OptionsMnu", "&Options", "", kSubmenu},
    {1,   "OptionsEnvironmentMnu", "&Environment...", "", kDefaultItem, 8},
    {1,   kSeparator, "", ""},
    {1,   "OptionsFontMnu", "Fo&nt...", ""},
    {1,   "WrapMnu", "&Word Wrap", "", kCheckable},
    {1,   "OptionsReadOnlyMnu", "Read &Only", "", kCheckable, 9},
    {1,   "OptionsPropertiesMnu", "&Properties...", ""},
    {1,   kSeparator, "", ""},
    {1,   "OptionsExecuteMnu", "E&xecute Menu...", "", kPlainItem, 4},
    {1,   "OptionsRunMnu", "&Run Menu...", "", kPlainItem, 2},
    {1,   "OptionsOpenGroupMenu", "Open &Group Menu...", "", kPlainItem, 3},
    {1,   "OptionsOpenFavoritesMnu", "Open &Favorites Menu...", "", kPlainItem, 6},
    {1,   "OptionsOpenRecentMmu", "Open Recen&t Menu...", ""},
    {1,   "OptionsFiltersMnuItem", "Filters", ""},

    {0, "HelpMnu", "&Help", "", kSubmenu},
    {1,   "HelpContentsMnu", "&Welcome to Help", "F1", kPlainItem, 1},
    {1,   kSeparator, "", ""},
    {1,   "HelpAboutMnu", "&About...", ""},
};

// "Open Group", "Add To" and "Close" mirror the File submenus of the same
// names at run time (mirrorPopupSubmenus), so they are built empty.
constexpr MenuEntry kPopupMenu[] = {
    {0, "CutPopItem", "Cu&t", ""},
    {0, "CopyPopItem", "&Copy", ""},
    {0, "PastePopItem", "&Paste", ""},
    {0, "DeletePopItem", "&Delete", ""},
    {0, kSeparator, "", ""},
    {0, "NextPopItem", "&Next", ""},
    {0, "PreviousPopItem", "Pre&vious", ""},
    {0, kSeparator, "", ""},
    {0, "OpenGroupPopItem", "Open &Group", "", kSubmenu, 3},
    {0, "AddToPopItem", "&Add To", "", kSubmenu},
    {0, "ClosePopItem", "C&lose", "", kSubmenu},
    {0, kSeparator, "", ""},
    {0, "PropertiesPopItem", "Prop&erties...", ""},
};

} // namespace

std::span<const MenuEntry> mainMenuTable() { return kMainMenu; }
std::span<const MenuEntry> popupMenuTable() { return kPopupMenu; }

} // namespace tw
