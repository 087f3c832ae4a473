#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// One file type the save-file dialog offers: its filter as shown, e.g.
// "Export Files (*.csv)", and the suffix a bare name gets while it is selected.
struct SaveFileType {
    std::u16string filter;
    std::u16string suffix;
};

// The file dialogs of the export and of files read in: the view shows the
// toolkit's dialogs (asking before it replaces a file), tests answer with a
// path of their own.
class SaveFileChooser {
public:
    virtual ~SaveFileChooser() = default;
    // The first type is selected at first. Nothing when the user cancelled.
    virtual std::optional<std::filesystem::path> chooseSaveFile(const std::u16string& title,
                                                                const std::filesystem::path& initialFolder,
                                                                const std::vector<SaveFileType>& types) = 0;
    // An existing file to read, among the types offered. Nothing when the
    // user cancelled.
    virtual std::optional<std::filesystem::path> chooseOpenFile(const std::u16string& title,
                                                                const std::filesystem::path& initialFolder,
                                                                const std::vector<SaveFileType>& types) = 0;
};
