#include "platform/qt/QtFileDialogs.h"

#include <QDir>
#include <QFileDialog>

namespace vantorel {

std::optional<std::string> QtFileDialogs::OpenFile(const std::string& startFolder,
                                                   const std::string& filter) {
    QString path = QFileDialog::getOpenFileName(
        owner_, QString(), QString::fromStdString(startFolder), QString::fromStdString(filter));
    if (path.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(path).toStdString();
}

std::optional<std::string> QtFileDialogs::SaveFile(const std::string& suggestedPath,
                                                   const std::string& filter) {
    QFileDialog dialog(owner_, QString(), QString::fromStdString(suggestedPath),
                       QString::fromStdString(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("tie"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().first()).toStdString();
}

FileDialogs::FolderChoice QtFileDialogs::BrowseForFolder(const std::string& title) {
    // Qt's browser offers file-system folders only and always has a root, so
    // the browser's own failures cannot happen here.
    QString path = QFileDialog::getExistingDirectory(owner_, QString::fromStdString(title),
                                                     QString(), QFileDialog::ShowDirsOnly);
    if (path.isEmpty()) return {FolderStatus::Cancelled, {}};
    return {FolderStatus::Chosen, QDir::toNativeSeparators(path).toStdString()};
}

}  // namespace vantorel
