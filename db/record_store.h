#pragma once

#include <optional>
#include <string>
#include <vector>

// What a change of the user's saved records (branches, systems) came to.
enum class StoreResult {
    Done,
    NoName,    // it needs a name
    NameTaken, // another one has that name already
    Missing,   // none of that name (or a record it names is missing)
    Failed,    // the database refused; the error line is written
};

// The user's records saved under their names, as a window keeps them:
// listed, opened, written, renamed and deleted by name.
template <class Record>
class RecordStore {
public:
    virtual ~RecordStore() = default;

    // The names, in alphabetical order (byte order).
    virtual std::vector<std::string> names() = 0;
    virtual std::optional<Record> open(const std::string& name) = 0;
    // Writes the record under its name, replacing a saved one of that name.
    virtual StoreResult save(const Record& record) = 0;
    virtual StoreResult rename(const std::string& from, const std::string& to) = 0;
    virtual StoreResult remove(const std::string& name) = 0;
};
