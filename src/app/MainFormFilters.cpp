// TMainForm's Options > Filters, and the rearrange-items dialog it shares with
// the other list editors.
#include "app/MainForm.h"

#include "dialogs/FiltersUnit.h"
#include "lists/OrderUnit.h"

namespace tw {

void TMainForm::connectFilterCommands() {
    filtersForm_ = new TFiltersForm(prompts_, OrderForm(), this);
    // The Open and Save dialogs take their filter and default extension from
    // options_.dialogs whenever they are shown.
    commands_.bind("OptionsFiltersMnuItem", nullptr, nullptr, this,
                   [this] { filtersForm_->edit(options_.dialogs); });
}

TOrderForm& TMainForm::OrderForm() {
    if (!orderForm_)
        orderForm_ = new TOrderForm(this);
    return *orderForm_;
}

} // namespace tw
