#include "lists/RecordEditor.h"

#include <algorithm>
#include <utility>

#include "util/Prompts.h"
#include "util/TextHelpers.h"

namespace tw {

namespace {

bool yes(Prompts& prompts, const QString& question) {
    return prompts.ask(question, MessageType::Confirmation, Buttons::YesNo) == Answer::Yes;
}

} // namespace

RecordEditor::RecordEditor(RecordFields& fields, Prompts& prompts, RecordEditorRules rules,
                           std::function<bool()> confirmPrompts)
    : fields_(fields), prompts_(prompts), rules_(std::move(rules)),
      confirmPrompts_(std::move(confirmPrompts)) {}

int RecordEditor::count() const { return fields_.savedCount() + (onNew_ ? 1 : 0); }

int RecordEditor::scrollMaximum() const { return std::max(count(), 1); }

RecordButtons RecordEditor::buttons() const {
    RecordButtons b;
    b.next = current_ < count();
    b.previous = current_ > 1;
    b.del = onSavedRecord();
    b.reload = modified_ && onSavedRecord();
    b.save = modified_ && fields_.enoughData();
    const int used = rules_.maximumCountsNewRecord ? count() : fields_.savedCount();
    b.newRecord = used < rules_.maximum && !(rules_.newDisabledOnNewRecord && onNew_);
    return b;
}

void RecordEditor::start(int number) {
    modified_ = false;
    onNew_ = false;
    const int saved = fields_.savedCount();
    if (number >= 1 && number <= saved)
        show(number);
    else if (saved >= rules_.maximum)
        show(saved);
    else
        startNew();
}

void RecordEditor::hide() {
    leaveRecordCheck();
    if (onNew_) {
        onNew_ = false;
        current_ = std::clamp(current_, 1, std::max(fields_.savedCount(), 1));
    }
    modified_ = false;
    changed();
}

void RecordEditor::fieldEdited() {
    if (filling())
        return;
    modified_ = true;
    changed();   // Save's enabling follows the data as it is typed
}

void RecordEditor::next() { moveTo(current_ + 1, true); }
void RecordEditor::previous() { moveTo(current_ - 1, true); }
void RecordEditor::scrollTo(int position) { moveTo(position, rules_.scrollBarAsks); }

void RecordEditor::numberEntered(const QString& text) {
    if (rules_.enterActsAsLeave) {
        numberLeft(text);
        return;
    }
    if (text.isEmpty()) {
        changed();   // the current number goes back into the edit
        return;
    }
    moveTo(std::clamp(DigitsToNumber(text), 1, count()), rules_.numberEditAsks);
}

void RecordEditor::numberLeft(const QString& text) {
    const int n = DigitsToNumber(text);
    const bool valid = n >= 1 && n <= count();
    if (!text.isEmpty() && !valid && rules_.invalidNumberChecksFirst)
        leaveRecordCheck();
    if (valid)
        moveTo(n, rules_.numberEditAsks);
    else
        changed();
}

void RecordEditor::moveTo(int target, bool askToChange) {
    if (target < 1 || target > count() || target == current_) {
        changed();
        return;
    }
    deletedDuringCheck_ = 0;
    if (!leaveRecordCheck() && askToChange && !yes(prompts_, kChangeRecordQuestion)) {
        changed();   // stays; the scroll bar goes back onto the record
        return;
    }
    // When the check deleted the record the numbers after it moved down, so
    // the record the user asked for is one number lower now.
    if (deletedDuringCheck_ > 0 && deletedDuringCheck_ < target)
        --target;
    show(target);
}

void RecordEditor::show(int n) {
    const int saved = fields_.savedCount();
    if (n > saved && onNew_) {
        current_ = saved + 1;
        emptyFields();
    } else {
        onNew_ = false;
        if (saved == 0) {
            startNew();
            return;
        }
        current_ = std::clamp(n, 1, saved);
        ++filling_;
        fields_.loadRecord(current_);
        --filling_;
    }
    modified_ = false;
    changed();
}

void RecordEditor::startNew() {
    onNew_ = true;
    current_ = fields_.savedCount() + 1;
    emptyFields();
    modified_ = false;
    changed();
}

void RecordEditor::emptyFields() {
    ++filling_;
    fields_.clearFields();
    --filling_;
}

void RecordEditor::newRecord() {
    if (!buttons().newRecord && !onNew_)
        return;
    const bool allowed = leaveRecordCheck();
    if (!allowed && !rules_.newGoesOnWhenRefused)
        return;
    if (onNew_)
        show(current_);   // the one new record, emptied again
    else if (fields_.savedCount() < rules_.maximum)
        startNew();
    else
        show(current_);
}

bool RecordEditor::save() {
    if (!fields_.enoughData())
        return false;
    if (!fields_.saveRecord(current_))
        return false;
    onNew_ = false;
    modified_ = false;
    changed();
    return true;
}

void RecordEditor::deleteRecord() {
    if (onSavedRecord())
        deleteCurrent(true);
}

bool RecordEditor::deleteCurrent(bool ask) {
    if (ask && confirmPrompts_ && confirmPrompts_() && !yes(prompts_, rules_.deleteQuestion))
        return false;
    const int gone = current_;
    fields_.deleteRecord(gone);
    deletedDuringCheck_ = gone;
    modified_ = false;
    if (fields_.savedCount() == 0)
        startNew();   // never a number past the table
    else
        show(std::min(gone, fields_.savedCount()));
    return true;
}

void RecordEditor::reload() {
    if (onSavedRecord())
        show(current_);
}

void RecordEditor::clear() {
    emptyFields();
    modified_ = onSavedRecord();
    changed();
}

bool RecordEditor::leaveRecordCheck() {
    if (!modified_)
        return true;
    if (fields_.enoughData()) {
        if (!yes(prompts_, kSaveRecordQuestion))
            return false;
        return save();
    }
    if (onNew_)
        return true;   // nothing worth keeping; dropped without a question
    if (!yes(prompts_, kDeleteRecordQuestion))
        return false;
    return deleteCurrent(rules_.leaveCheckConfirmsDelete);
}

void RecordEditor::follow(int number) {
    current_ = number;
    changed();
}

} // namespace tw
