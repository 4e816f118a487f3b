#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/FileDialogs.h"

namespace vantorel {

// QFileDialog behind the file dialog interface.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    void SetOwner(QWidget* owner) { owner_ = owner; }

    std::optional<std::string> OpenFile(const std::string& startFolder,
                                        const std::string& filter) override;
    std::optional<std::string> SaveFile(const std::string& suggestedPath,
                                        const std::string& filter) override;
    FolderChoice BrowseForFolder(const std::string& title) override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace vantorel
