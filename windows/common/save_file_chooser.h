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

// The save-file dialog of the export: the view shows the toolkit's dialog
// (asking before it replaces a file), tests answer with a path of their own.
class SaveFileChooser {
public:
    virtual ~SaveFileChooser() = default;
    // The first type is selected at first. Nothing when the user cancelled.
    virtual std::optional<std::filesystem::path> chooseSaveFile(const std::u16string& title,
                                                                const std::filesystem::path& initialFolder,
                                                                const std::vector<SaveFileType>& types) = 0;
};
