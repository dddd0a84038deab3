// The per-user settings store: QSettings in INI format under the application
// name "KRAL_Quillon", the keys in the group "Settings", values as text.
#pragma once

#include <QSettings>
#include <QString>
#include <memory>

#include "editor/commands/CommandServices.hpp"

namespace quillon::editor {

class IniSettingsStore : public SettingsStore {
public:
    // The user's own store.
    IniSettingsStore();
    // A store in the INI file `path` (tests).
    explicit IniSettingsStore(const QString& path);

    std::optional<std::string> Read(std::string_view key) const override;
    void Write(std::string_view key, std::string_view value) override;
    // Writes what is pending to the file.
    void Sync() { settings_->sync(); }

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace quillon::editor
