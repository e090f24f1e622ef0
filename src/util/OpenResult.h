#pragma once
// What came of asking for a file to be read into a document.
namespace tw {

// NotFound: no file of that name. CannotRead: the file is there but could not
// be read (permissions, a folder that may not be searched, an I/O error), so a
// list that holds its name keeps it. LimitReached: 255 documents are open.
// SettingsFileRefused: the settings file, while it may not be edited.
enum OpenResult { NotFound = 0, CannotRead = 1, LimitReached = 2, SettingsFileRefused = 3, OpenOk = 4 };

} // namespace tw
