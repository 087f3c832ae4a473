#include "qt/host/qt_save_file_chooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QString>
#include <QStringList>

namespace {

QStringList filtersOf(const std::vector<SaveFileType>& types)
{
    QStringList filters;
    for (const SaveFileType& type : types)
        filters << QString::fromStdU16String(type.filter);
    return filters;
}

bool folderExists(const QString& file) { return QFileInfo(file).dir().exists(); }

// Qt's own dialog takes a path only in a folder that exists, and says so in
// Qt's own words; a missing folder would only make the export fail.
class SaveFileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        const QStringList files = selectedFiles();
        if (testOption(DontUseNativeDialog) && !files.isEmpty() && !QFileInfo(files.first()).isDir() &&
            !folderExists(files.first())) {
            QMessageBox::warning(this, windowTitle(),
                                 tr("%1\nDirectory not found.\nPlease verify the correct directory name was given.")
                                     .arg(QFileInfo(files.first()).path()));
            return;
        }
        QFileDialog::accept();
    }
};

} // namespace

std::optional<std::filesystem::path> QtSaveFileChooser::chooseSaveFile(const std::u16string& title,
                                                                       const std::filesystem::path& initialFolder,
                                                                       const std::vector<SaveFileType>& types)
{
    const QStringList filters = filtersOf(types);
    QStringList suffixes;
    for (const SaveFileType& type : types)
        suffixes << QString::fromStdU16String(type.suffix);
    SaveFileDialog dialog(owner_, QString::fromStdU16String(title), QString::fromStdString(initialFolder.string()));
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
    // A folder that is gone by now (or that a native dialog let through)
    // makes the export fail with its reason, told to the user; it is
    // never dropped without a word.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().first().toStdString());
}

std::optional<std::filesystem::path> QtSaveFileChooser::chooseOpenFile(const std::u16string& title,
                                                                       const std::filesystem::path& initialFolder,
                                                                       const std::vector<SaveFileType>& types)
{
    QFileDialog dialog(owner_, QString::fromStdU16String(title), QString::fromStdString(initialFolder.string()));
    // A file saved by hand may have another suffix: every file can be picked too.
    dialog.setNameFilters(filtersOf(types) << QFileDialog::tr("All files (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog, !nativeDialog_);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().first().toStdString());
}
