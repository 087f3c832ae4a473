#pragma once

#include "windows/common/save_file_chooser.h"

class QWidget;

// The toolkit's file dialogs. Saving: the offered file types as filters,
// the selected type's suffix added to a bare name, a question before an
// existing file is replaced; Qt's own dialog stays open for a folder that
// does not exist, and any other path chosen is handed on, so that an export
// into a folder that is missing fails with its reason, told to the user.
// Opening: an existing file of the offered types (or any file). Tests ask
// for Qt's own dialog, which they can fill in; the program takes the
// desktop's.
class QtSaveFileChooser : public SaveFileChooser {
public:
    explicit QtSaveFileChooser(bool nativeDialog = true) : nativeDialog_(nativeDialog) {}
    void setOwner(QWidget* owner) { owner_ = owner; }

    std::optional<std::filesystem::path> chooseSaveFile(const std::u16string& title,
                                                        const std::filesystem::path& initialFolder,
                                                        const std::vector<SaveFileType>& types) override;
    std::optional<std::filesystem::path> chooseOpenFile(const std::u16string& title,
                                                        const std::filesystem::path& initialFolder,
                                                        const std::vector<SaveFileType>& types) override;

private:
    bool nativeDialog_;
    QWidget* owner_ = nullptr;
};
