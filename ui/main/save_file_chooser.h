#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The save-file dialog of the export: the view shows the toolkit's dialog
// (asking before it replaces a file), tests answer with a path of their own.
class SaveFileChooser {
public:
    virtual ~SaveFileChooser() = default;
    // Nothing when the user cancelled.
    virtual std::optional<std::filesystem::path> chooseSaveFile(const std::u16string& title,
                                                                const std::filesystem::path& initialFolder) = 0;
};
