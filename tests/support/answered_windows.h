#pragma once

#include "windows/common/save_file_chooser.h"
#include "windows/common/window_logic.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Modal windows the test answers: each is opened (its onOpen runs), handed
// to `answer`, and returns what answer returns.
class AnsweredWindows : public ModalWindows {
public:
    int runModal(WindowLogic& window) override
    {
        window.onOpen();
        ++opened;
        return answer ? answer(window) : 0;
    }
    std::function<int(WindowLogic&)> answer;
    int opened = 0;
};

// The save-file dialog the test answers with `answer`, keeping what it was asked.
class AnsweredSaveFile : public SaveFileChooser {
public:
    std::optional<std::filesystem::path> chooseSaveFile(const std::u16string& title,
                                                        const std::filesystem::path& folder,
                                                        const std::vector<SaveFileType>& types) override
    {
        askedTitle = title;
        askedFolder = folder;
        offeredTypes = types;
        return answer;
    }
    std::optional<std::filesystem::path> chooseOpenFile(const std::u16string& title,
                                                        const std::filesystem::path& folder,
                                                        const std::vector<SaveFileType>& types) override
    {
        return chooseSaveFile(title, folder, types);
    }
    std::optional<std::filesystem::path> answer;
    std::u16string askedTitle;
    std::filesystem::path askedFolder;
    std::vector<SaveFileType> offeredTypes;
};
