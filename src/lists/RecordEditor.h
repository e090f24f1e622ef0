#pragma once
// The behaviour shared by the dialogs that edit a table one record at a time
// (Execute Options, Run Program, Group): the current record number, the
// unsaved new record, the modified flag, navigation, New, Save, Delete,
// Reload, Clear and the leave-record check with its questions. No widgets:
// a dialog plugs its record type in through RecordFields, forwards its
// controls' events to RecordEditor and shows what state() and buttons() say.
//
// Numbers are 1-based. Records 1 .. savedCount() are saved; while the user
// works on a new record it is number savedCount() + 1 and the record count
// includes it. Leaving the new record for any other one forgets it.
#include <QString>
#include <functional>

namespace tw {

class Prompts;

// What a record type gives the editor: its table and its field controls.
class RecordFields {
public:
    virtual ~RecordFields() = default;
    // Number of saved records in the table.
    virtual int savedCount() const = 0;
    // Puts saved record `number` into the field controls.
    virtual void loadRecord(int number) = 0;
    // Empties every field control, choice groups on their default.
    virtual void clearFields() = 0;
    // Whether the controls hold enough data to be saved.
    virtual bool enoughData() const = 0;
    // Writes the controls into the table at `number` (savedCount() + 1
    // appends) and updates the menus that show the table. False when the
    // record type refused (a question answered No); the table is unchanged.
    virtual bool saveRecord(int number) = 0;
    // Removes record `number`; later records move down one number.
    virtual void deleteRecord(int number) = 0;
    // The editor's state changed: show the number, the scroll bar's range
    // and position, and the buttons' enabling.
    virtual void stateChanged() = 0;
};

// Where the record types differ.
struct RecordEditorRules {
    int maximum = 1;                 // records the table can hold
    QString deleteQuestion;          // asked by Delete while prompts are confirmed
    bool maximumCountsNewRecord = false;   // New disabled once saved + new reach the maximum
    bool newDisabledOnNewRecord = false;   // New disabled while the new record is shown
    bool newGoesOnWhenRefused = false;     // a refused leave-record check only drops the edits
    bool scrollBarAsks = true;             // a refused check asks before the scroll bar moves
    bool numberEditAsks = true;            // the same for the number edit (else it moves anyway)
    bool enterActsAsLeave = false;         // Enter in the number edit does what leaving it does
    bool invalidNumberChecksFirst = false; // leaving with a number out of range still checks
    bool leaveCheckConfirmsDelete = false; // the check's DELETE goes through Delete's question
};

struct RecordButtons {
    bool next = false;
    bool previous = false;
    bool del = false;
    bool reload = false;
    bool save = false;
    bool newRecord = false;
};

class RecordEditor {
public:
    RecordEditor(RecordFields& fields, Prompts& prompts, RecordEditorRules rules,
                 std::function<bool()> confirmPrompts);

    int current() const { return current_; }
    // Saved records, plus one while the new record exists.
    int count() const;
    bool modified() const { return modified_; }
    bool onNewRecord() const { return onNew_; }
    bool onSavedRecord() const { return !onNew_ && current_ >= 1; }
    RecordButtons buttons() const;
    // The scroll bar's maximum: the record count, never below 1.
    int scrollMaximum() const;

    // The dialog is shown: modified cleared; shows saved record `number`, or,
    // for 0 or a number out of range, a new record (the last saved one when
    // the table is full).
    void start(int number);
    // The dialog hides: the leave-record check (its answer cannot keep the
    // dialog open), then the new record is forgotten.
    void hide();

    // A field control changed by the user. Ignored while the editor itself
    // fills or empties the controls.
    void fieldEdited();
    // Whether the controls are being filled by the editor (loads, Clear).
    bool filling() const { return filling_ > 0; }

    void next();
    void previous();
    void scrollTo(int position);
    // Enter in the number edit, and the edit losing the focus, with its text.
    void numberEntered(const QString& text);
    void numberLeft(const QString& text);

    void newRecord();
    bool save();
    void deleteRecord();
    void reload();
    void clear();

    // True when the record may be left: not modified, saved on request, or
    // deleted on request; a new record without enough data is simply dropped.
    bool leaveRecordCheck();

    // The shown record got another number (the table was rearranged): the
    // number follows it without reloading the fields.
    void follow(int number);

private:
    // Moves to `target` after the leave-record check; when the check refuses,
    // asks first (askToChange) or moves anyway.
    void moveTo(int target, bool askToChange);
    // Shows record n, clamped to 1 .. count(): a saved one is loaded, the new
    // one emptied.
    void show(int n);
    void startNew();
    void emptyFields();
    bool deleteCurrent(bool ask);
    void changed() { fields_.stateChanged(); }

    RecordFields& fields_;
    Prompts& prompts_;
    RecordEditorRules rules_;
    std::function<bool()> confirmPrompts_;
    int current_ = 0;
    bool onNew_ = false;
    bool modified_ = false;
    int filling_ = 0;
    int deletedDuringCheck_ = 0;   // record removed by the last leave-record check
};

// The questions of the leave-record check and of moving.
inline const QString kSaveRecordQuestion =
    QStringLiteral("The current record has been modifed.  Do you wish to SAVE it?");
inline const QString kDeleteRecordQuestion = QStringLiteral(
    "The current record has been modifed and now conatins insufficient data.  "
    "Do you wish to DELETE it?");
inline const QString kChangeRecordQuestion =
    QStringLiteral("Do you still wish to change the current record number?");

} // namespace tw
