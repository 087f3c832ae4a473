#include "ui/qt_save_file_chooser.h"

#include <QFileDialog>
#include <QString>
#include <QStringList>

std::optional<std::filesystem::path> QtSaveFileChooser::chooseSaveFile(const std::u16string& title,
                                                                       const std::filesystem::path& initialFolder,
                                                                       const std::vector<SaveFileType>& types)
{
    QStringList filters;
    QStringList suffixes;
    for (const SaveFileType& type : types) {
        filters << QString::fromStdU16String(type.filter);
        suffixes << QString::fromStdU16String(type.suffix);
    }
    QFileDialog dialog(owner_, QString::fromStdU16String(title), QString::fromStdString(initialFolder.string()));
    dialog.setNameFilters(filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog, !nativeDialog_);
    if (!suffixes.isEmpty())
        dialog.setDefaultSuffix(suffixes.first());
    // A bare name gets the suffix of the type selected when it is accepted.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters, suffixes](const QString& filter) {
        const qsizetype index = filters.indexOf(filter);
        if (index >= 0)
            dialog.setDefaultSuffix(suffixes[index]);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().first().toStdString());
}
