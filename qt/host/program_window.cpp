#include "qt/host/program_window.h"

ProgramWindow::ProgramWindow(AppState& state, ProductDb& db, bool nativeFileDialog)
    : state_(state), db_(db), followingWindows_(windows_, translations_, state.languageIndex),
      files_(nativeFileDialog), protocols_(true), logic_(state, db, {messages_, followingWindows_, files_, protocols_, curves_, {}})
{
}

WorkingFolders ProgramWindow::start(const std::filesystem::path& workingFolder)
{
    const WorkingFolders folders = runStartup(state_, db_, messages_, workingFolder);
    translations_.follow(state_.languageIndex);
    logic_.setExportFolder(folders.exportFolder);
    host_ = std::make_unique<MainWindowHost>(logic_);
    messages_.setParent(host_.get());
    windows_.setOwner(host_.get());
    files_.setOwner(host_.get());
    curves_.setOwner(host_.get());
    return folders;
}
