#pragma once

#include "app/app_state.h"
#include "app/user_messages.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "db/record_store.h"
#include "windows/common/control_model.h"
#include "windows/common/saved_names.h"

#include <optional>
#include <string>

// The texts a window's saved records are told with.
struct SavedRecordTexts {
    int defaultStem; // "Branch": a record without a name is saved as "Branch N"
    int nameTaken;   // "%s": the name
    int notSaved;
    int enterName;
};

// The records a window keeps under their names (branches, systems): the
// open record is saved as the user goes, under the name typed or the first
// free "<stem> N", and saved records are opened, renamed and deleted from a
// drop-down list of their names. A save the database refuses is told once,
// not at every keystroke, until a save works again. Record has a
// settings.name.
template <class Record>
class SavedRecords {
public:
    SavedRecords(RecordStore<Record>& store, UserMessages& messages, const AppState& state, SavedRecordTexts texts)
        : store_(store), messages_(messages), state_(state), texts_(texts)
    {
    }

    // The name the open record is saved under; none before its first save.
    const std::optional<std::string>& savedName() const { return savedName_; }
    // The open record is a new one, saved under a name of its own at its
    // first save.
    void startNew() { savedName_.reset(); }

    // Saves the open record; before its first save (and only once it is
    // worth keeping) it takes the name typed into nameField, or a free
    // default one, never another record's.
    void persist(Record& record, bool worthKeeping, ControlState& nameField, ControlState& list)
    {
        if (!savedName_) {
            if (!worthKeeping)
                return;
            std::string name = utf16ToUtf8(nameField.text);
            if (!name.empty() && isSaved(name)) {
                messages_.showMessage(formatText(text(texts_.nameTaken), {utf8ToUtf16(name)}));
                name.clear();
            }
            record.settings.name = name.empty() ? freeName() : name;
            nameField.text = utf8ToUtf16(record.settings.name);
        }
        if (store_.save(record) == StoreResult::Done) {
            savedName_ = record.settings.name;
            saveFailed_ = false;
        } else if (!saveFailed_) {
            saveFailed_ = true;
            messages_.showMessage(text(texts_.notSaved));
        }
        show(list);
    }

    void show(ControlState& list) { showSavedNames(list, store_.names(), savedName_); }

    // The first "<stem> N" no saved record has.
    std::string freeName() { return freeDefaultName(store_.names(), utf16ToUtf8(text(texts_.defaultStem))); }
    bool isSaved(const std::string& name) { return store_.open(name).has_value(); }

    // The record of this name, now the open one; none when it is not saved.
    std::optional<Record> open(const std::string& name)
    {
        std::optional<Record> opened = store_.open(name);
        if (opened)
            savedName_ = name;
        return opened;
    }

    // The record picked in the list, now the open one.
    std::optional<Record> openPicked(const ControlState& list)
    {
        const std::optional<std::string> name = pickedName(list);
        return name ? open(*name) : std::nullopt;
    }

    // Gives the open record the name typed; a record not saved yet is
    // saved under it.
    void rename(Record& record, bool worthKeeping, ControlState& nameField, ControlState& list)
    {
        const std::string name = utf16ToUtf8(nameField.text);
        if (name.empty()) {
            messages_.showMessage(text(texts_.enterName));
            return;
        }
        if (!savedName_) {
            persist(record, worthKeeping, nameField, list);
            return;
        }
        switch (store_.rename(*savedName_, name)) {
        case StoreResult::Done: savedName_ = record.settings.name = name; break;
        case StoreResult::NameTaken:
            messages_.showMessage(formatText(text(texts_.nameTaken), {utf8ToUtf16(name)}));
            break;
        default: break;
        }
        show(list);
    }

    // Deletes the record picked in the list; true when it was the open one,
    // which the window then starts anew.
    bool deletePicked(ControlState& list)
    {
        const std::optional<std::string> name = pickedName(list);
        bool openGone = false;
        if (name && store_.remove(*name) == StoreResult::Done && savedName_ == name) {
            savedName_.reset();
            openGone = true;
        }
        show(list);
        return openGone;
    }

private:
    std::u16string text(int id) const { return std::u16string(TextTable::text(state_.languageIndex, id)); }

    RecordStore<Record>& store_;
    UserMessages& messages_;
    const AppState& state_;
    SavedRecordTexts texts_;
    std::optional<std::string> savedName_;
    bool saveFailed_ = false;
};
