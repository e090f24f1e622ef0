#pragma once
// The favorites editor `TFavForm` ("Favorites"): the favorites' file names,
// added to through the open dialog (several at once), removed, reordered; OK
// makes them the "Open Favorites" submenu, Cancel leaves it as it was.
#include <functional>

#include "lists/FileListDialog.h"

namespace tw {

class FileLists;
class Prompts;

class TFavForm : public FileListDialog {
    Q_OBJECT
public:
    // isSettingsFile: the settings-file guard, showing its message.
    TFavForm(FileLists& lists, Prompts& prompts, TOrderForm& order,
             std::function<bool(const QString&)> isSettingsFile, QWidget* parent = nullptr);

    // Fills the list from the favorites and shows the editor modally; filter
    // is the open dialog's, shownFile the shown document's name ("" for none).
    bool edit(const QString& filter, const QString& shownFile);
    // What showing does, without the modal loop.
    void load(const QString& filter, const QString& shownFile);

    void AddBtnClick();
    void OKBtnClick();

signals:
    void helpRequested(int topic);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    FileLists& lists_;
    Prompts& prompts_;
    std::function<bool(const QString&)> isSettingsFile_;
    QString filter_;
    QString shownFile_;
    QString dialogFolder_;   // the Add dialog's folder, kept between showings
};

} // namespace tw
