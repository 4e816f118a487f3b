#pragma once

#include <QSettings>
#include <memory>

#include "platform/Settings.h"

namespace vantorel {

// The per-user profile in QSettings("Orvane", "Quarrow"): on Windows exactly
// HKEY_CURRENT_USER\Software\Orvane\Quarrow, elsewhere Qt's per-user file.
// A section is a group.
class QtSettings : public Settings {
public:
    QtSettings();
    // Tests hand in a settings object of their own (an INI file in a
    // temporary folder) so the user's profile is never touched.
    explicit QtSettings(std::unique_ptr<QSettings> store);
    ~QtSettings() override;

    int GetInt(const std::string& section, const std::string& key, int fallback) override;
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& fallback) override;
    void SetInt(const std::string& section, const std::string& key, int value) override;
    void SetString(const std::string& section, const std::string& key,
                   const std::string& value) override;

    // For what Qt stores in its own format (dock layout, recent files).
    QSettings& Store() { return *store_; }

    // Until ReleaseWrites, changes are read back but not written to the
    // file: the start writes what it changed (its recent files list) once
    // its window is on the screen, not before. Ending the program writes
    // them as well. (The registry takes each change as it is made.)
    void HoldWrites();
    void ReleaseWrites();

private:
    std::unique_ptr<QSettings> store_;
    std::unique_ptr<QObject> hold_;
};

}  // namespace vantorel
