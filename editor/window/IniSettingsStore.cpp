#include "editor/window/IniSettingsStore.hpp"

namespace quillon::editor {

namespace {

QString KeyOf(std::string_view key) {
    return QStringLiteral("Settings/") +
           QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace

IniSettingsStore::IniSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("KRAL_Quillon"))) {}

IniSettingsStore::IniSettingsStore(const QString& path)
    : settings_(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

std::optional<std::string> IniSettingsStore::Read(std::string_view key) const {
    const QVariant value = settings_->value(KeyOf(key));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

void IniSettingsStore::Write(std::string_view key, std::string_view value) {
    settings_->setValue(KeyOf(key),
                        QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

}  // namespace quillon::editor
