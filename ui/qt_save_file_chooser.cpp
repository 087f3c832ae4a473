#include "ui/qt_save_file_chooser.h"

#include <QFileDialog>
#include <QString>

std::optional<std::filesystem::path> QtSaveFileChooser::chooseSaveFile(const std::u16string& title,
                                                                       const std::filesystem::path& initialFolder)
{
    QFileDialog dialog(owner_, QString::fromStdU16String(title), QString::fromStdString(initialFolder.string()),
                       QStringLiteral("Export Files (*.csv)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, !nativeDialog_);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().first().toStdString());
}
