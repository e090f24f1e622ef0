#pragma once
// The list box `ListBox1` of the list editors: file names, several of which
// may be selected; the Delete key asks for their removal.
#include <QList>
#include <QListWidget>

namespace tw {

class FileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    // New names; nothing selected afterwards.
    void setNames(const QStringList& names);
    // The selected rows, in list order.
    QList<int> selectedRows() const;

signals:
    void deletePressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tw
