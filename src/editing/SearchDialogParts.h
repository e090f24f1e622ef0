#pragma once
// Pieces the Find and Replace dialogs share: a labelled text box, a check box
// with its hint, and the OK and Cancel buttons.
#include <QString>

class QCheckBox;
class QDialog;
class QGridLayout;
class QLineEdit;
class QWidget;

namespace tw {

// A label (whose accelerator focuses the box) and a text box, on one grid row.
QLineEdit* addLabelledEdit(QGridLayout* grid, int row, const QString& name, const QString& caption,
                           const QString& hint);
QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& caption,
                        const QString& hint, bool checked);
// `OKBtn` (the default button, accepts) and `CancelBtn` (rejects; also Esc),
// stacked in a column at the grid's right.
void addOkCancel(QDialog* dialog, QGridLayout* grid, int column);

} // namespace tw
