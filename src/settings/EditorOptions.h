#pragma once
// The main window's settings: read from and written to the settings file, set
// by the option dialogs. Everything starts at 0 or off before the file is read.
#include <QColor>
#include <QString>

#include "settings/StoredSettings.h" // kFirstRunFilter

namespace tw {

// The open and save dialogs share their filter and default extension; each
// keeps its own folder.
struct FileDialogSettings {
    QString filter;
    QString defaultExt;
    QString openDir;
    QString saveDir;
};

// The largest font size the settings file keeps; a larger stored one reads as 10.
inline constexpr int kMaxFontSize = 400;

struct EditorOptions {
    int ColourScheme = 0;
    QColor customText;
    QColor customBackground;
    int KeystrokeMapping = 0;
    int StartupMode = 0;
    bool PersistentGroups = false;
    bool ConfirmPrompts = false;
    bool AutoIndent = false;
    int TabUse = 0;
    int TabSpaces = 0;
    bool InsertMode = false;
    int BackupStyle = 0;
    int MaxRecentFiles = 0;
    int ClipboardMode = 0;
    bool ShowPathsSetting = false;
    // Set only by the About box's hidden mode; never cleared while running.
    bool SettingsFileEditable = false;
    FileDialogSettings dialogs;
    // The editor's font; the size is in points.
    QString fontName = QStringLiteral("Courier New");
    int fontSize = 10;
    bool fontBold = false;
    bool fontItalic = false;
    bool fontUnderline = false;
    bool fontStrikeOut = false;
    bool showHints = true;
    int hintPause = 500;
    int hintHidePause = 2500;
};

} // namespace tw
